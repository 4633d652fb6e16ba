#!/usr/bin/python3
"""The real program as a user meets it, driven only from outside.

Runs on a private X display (start it under with_xvfb.sh) with its own session
bus, accessibility bus, window manager and configuration folders. A stand-in
xdg-open first on PATH records every address the program hands to the
browser. Keys and clicks go in through xdotool; what the program shows is read
back through the accessibility tree (AT-SPI), not from the program's state.

Usage: typical_run.py PROGRAM SITE_BASE_ADDRESS
"""

import datetime
import os
import subprocess
import sys
import time

from desktop import (accessibility, activate, app_node, fail, find_all, find_one,
                     keys, opened, private_desktop, run, run_test, start_program,
                     type_text, wait_exit, wait_for, window_width, windows)

PROGRAM = os.path.abspath(sys.argv[1])
SITE = sys.argv[2]
PAGE = SITE + "/kelo-free-diabetes-risk-calculator/ssd.php?page="
MAIN_TITLE = "Kelo Diabetes Risk Calculator v1.10"
BOX_TITLE = "Kelo Diabetes Risk Calculator"
APP_NAME = os.path.basename(PROGRAM)
HIGH_VERDICT = ("You are at a High Risk of having Type 2 Diabetes now. "
                "Please consult your doctor.")

STEPS = []


def step(name):
    STEPS.append((name, time.monotonic()))
    print("--", name, flush=True)


def labelled_by(pyatspi, node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for index in range(relation.getNTargets()):
                names.append(relation.getTarget(index).name)
    return names


def press(node):
    action = node.queryAction()
    for index in range(action.nActions):
        if action.getName(index).lower() == "press":
            action.doAction(index)
            return
    fail("%r offers no press action" % node.name)


# ---------------------------------------------------------------- settings

def settings_file():
    return os.path.join(os.environ["XDG_CONFIG_HOME"], APP_NAME, APP_NAME + ".ini")


def scrambled(text):
    return "".join(chr(ord(c) + 3) for c in text)


def write_settings(install, date):
    os.makedirs(os.path.dirname(settings_file()), exist_ok=True)
    with open(settings_file(), "w") as ini:
        ini.write("[Settings]\n%s=%s\n%s=%s\n" % (
            scrambled("Duration"), scrambled(date.isoformat()),
            scrambled("Install"), scrambled(install)))


def settings_entries():
    if not os.path.exists(settings_file()):
        return {}
    with open(settings_file()) as ini:
        return dict(line.rstrip("\n").split("=", 1) for line in ini if "=" in line)


# ---------------------------------------------------------------- the runs

def first_start_and_typical_run(pyatspi, log):
    step("first start: no question, the settings file holds both entries")
    today = datetime.date.today()
    program = start_program(PROGRAM)
    main = wait_for("the main window", lambda: (windows(program.pid, MAIN_TITLE) or [None])[0])
    # A question would come before the main window, and the window manager
    # would have taken it on first.
    if windows(program.pid, BOX_TITLE):
        fail("a first start asked a question")
    entries = wait_for("the settings file", lambda: len(settings_entries()) >= 2 and settings_entries())
    if entries.get(scrambled("Install")) != scrambled("1"):
        fail("install entry is %r" % entries)
    if entries.get(scrambled("Duration")) != scrambled(today.isoformat()):
        fail("date entry is %r" % entries)
    if any(key in ("Install", "Duration") for key in entries):
        fail("plain key names in the settings file")

    app = app_node(pyatspi, program.pid)
    step("accessibility: names, labels, links")
    find_one(pyatspi, app, "text", "Enter Name")
    find_one(pyatspi, app, "text", "Enter Weight")
    height = wait_for("the height list", lambda: [
        n for n in find_all(pyatspi, app, "combo box") if "Enter Height" in labelled_by(pyatspi, n)])[0]
    if height.name != "4'10''":
        fail("height list starts at %r" % height.name)
    find_one(pyatspi, app, "push button", "Take the Diabetes Risk Test")
    links = find_all(pyatspi, app, "link")
    forum = [n for n in links if n.name.startswith("The Most Popular Online Orvane Discussion Forum.")]
    if not forum:
        fail("the forum invitation is no link: %r" % [n.name for n in links])
    for link in links:
        if link.getState().contains(pyatspi.STATE_FOCUSABLE):
            fail("link %r takes the focus" % link.name)

    step("typical run: Ann, 5'8'', 180 pounds, five answers")
    activate(main)
    type_text("Ann")
    keys("Tab", *["Down"] * 10, "Tab")
    type_text("180")
    wait_for(lambda: "height 5'8'' (it is %r)" % height.name, lambda: height.name == "5'8''", 5)
    keys("alt+t")
    find_one(pyatspi, app, "label", "Question 1 of 5")
    # The focus is on Next Question; the answer list follows it.
    keys("Tab", "Down", "alt+q")
    for number in (2, 3, 4):
        find_one(pyatspi, app, "label", "Question %d of 5" % number)
        keys("Down", "alt+q")
    find_one(pyatspi, app, "label", "Question 5 of 5")
    keys("alt+q")
    find_one(pyatspi, app, "label", "Your Score is: 16")
    find_one(pyatspi, app, "label", HIGH_VERDICT)
    main_button = find_one(pyatspi, app, "push button", "Main Screen")
    wait_for("the focus on Main Screen",
             lambda: main_button.getState().contains(pyatspi.STATE_FOCUSED), 5)

    step("a menu entry, a link label clicked and a link label pressed")
    keys("alt+h", "o")
    wait_for("the help page", lambda: opened(log) == [PAGE + "help-web-page"])
    x, y, width, height_px = forum[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + width // 2),
                    str(y + height_px // 2), "click", "1"], check=True)
    wait_for("the home page", lambda: opened(log)[-1:] == [PAGE + "home-page"])
    offer = [n for n in links if n.name.startswith("Home Business Opportunity.")][0]
    press(offer)
    wait_for("the full-branding page", lambda: opened(log)[-1:] == [PAGE + "fully-branded"])

    step("File, Exit: the exit screen on top; a referral; Exit")
    activate(main)
    keys("alt+f", "x")
    exit_screen = wait_for("the exit screen", lambda: [
        w for w in windows(program.pid, MAIN_TITLE) if window_width(w) > 600])[0]
    wait_for("the main window to go", lambda: windows(program.pid, MAIN_TITLE) == [exit_screen])
    wait_for("the exit screen to be kept on top", lambda: "_NET_WM_STATE_ABOVE" in run(
        ["xprop", "-id", exit_screen, "_NET_WM_STATE"]), 5)
    find_one(pyatspi, app, "text", "Your Name")
    activate(exit_screen)
    keys("Tab", "Tab", "Tab")
    type_text("Ann Lee")
    keys("Tab", "Tab")
    type_text("ann@example.org")
    keys("Tab")
    type_text("bob@example.org")
    keys("Tab")
    type_text("Bob & Co")
    keys("alt+n")
    referral = (PAGE + "trevo-refer-a-friend&taf1=Ann%20Lee&taf2=ann%40example.org"
                "&taf3=Your%20Message%0D%0A&taf4=Bob%20%26%20Co&taf5=bob%40example.org"
                "&taf6=" + SITE.replace(":", "%3A").replace("/", "%2F")
                + "%2Fkelo-free-diabetes-risk-calculator%2F")
    wait_for("the referral address", lambda: opened(log)[-1:] == [referral])
    # Every page had long been handed over by now: one each, none extra.
    pages = [PAGE + "help-web-page", PAGE + "home-page", PAGE + "fully-branded", referral]
    if opened(log) != pages:
        fail("the browser got %r" % opened(log))
    keys("alt+x")
    wait_exit(program)


def reminder_after_fifteen_days(pyatspi, log):
    step("a date 15 days old: the question first, Yes opens the update page")
    write_settings("-3", datetime.date.today() - datetime.timedelta(days=15))
    before = len(opened(log))
    program = start_program(PROGRAM)
    box = wait_for("the update question", lambda: (windows(program.pid, BOX_TITLE) or [None])[0])
    # A main window shown first would have been taken on first.
    if windows(program.pid, MAIN_TITLE):
        fail("the main window came before the question")
    app = app_node(pyatspi, program.pid)
    find_one(pyatspi, app, "label", "There maybe an update to this software available\n"
             "Do you want to check for an update?")
    activate(box)
    keys("Return")
    main = wait_for("the main window", lambda: (windows(program.pid, MAIN_TITLE) or [None])[0])
    # The stand-in browser runs detached and may write after the window shows.
    wait_for(lambda: "the update page alone (got %r)" % opened(log)[before:],
             lambda: opened(log)[before:] == [PAGE + "download-web-page"], 10)
    rewritten = {scrambled("Install"): scrambled("3"),
                 scrambled("Duration"): scrambled(datetime.date.today().isoformat())}
    wait_for(lambda: "install count 3 and today's date in %r" % settings_entries(),
             lambda: settings_entries().items() >= rewritten.items(), 10)

    step("close box, then Enter on the exit screen's Exit")
    activate(main)
    keys("alt+F4")
    exit_screen = wait_for("the exit screen", lambda: [
        w for w in windows(program.pid, MAIN_TITLE) if window_width(w) > 600])[0]
    activate(exit_screen)
    keys("Return")
    wait_exit(program)


def main():
    log = private_desktop(accessibility=True)
    pyatspi = accessibility()
    first_start_and_typical_run(pyatspi, log)
    reminder_after_fifteen_days(pyatspi, log)


if __name__ == "__main__":
    run_test(main)
