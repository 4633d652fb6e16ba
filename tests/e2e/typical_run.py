#!/usr/bin/python3
"""The real program as a user meets it, driven only from outside.

Runs on a private X display (start it under with_xvfb.sh) with its own session
bus, accessibility bus, window manager and configuration folders. A stand-in
xdg-open first on PATH records every address the program hands to the
browser. Keys and clicks go in through xdotool; what the program shows is read
back through the accessibility tree (AT-SPI), not from the program's state.

Privacy: each start runs under strace, and the run fails on any internet
socket that the program, or anything it starts other than the stand-in
browser, opens or uses. After each start the settings file must hold the two
scrambled entries of the update reminder and none of the values typed or
chosen, plain or scrambled, and the program must have left no other file in
its configuration, cache, data and runtime folders but the folders Qt's save
dialog remembers, which hold none of them either. --no-strace leaves strace
out (LeakSanitizer, which the sanitizer build runs at exit, cannot work under
a tracer); the settings and files are checked all the same.

Usage: typical_run.py PROGRAM SITE_BASE_ADDRESS [--no-strace]
"""

import datetime
import os
import subprocess
import sys
import time

import settings_file
from desktop import (TMP, accessibility, activate, app_node, fail, find_all, find_one, keys,
                     opened, private_desktop, program_pid, run, run_test, start_program,
                     type_text, wait_exit, wait_for, window_size, windows)
from network_trace import internet_socket_calls
from settings_file import entries as settings_entries, scramble, unscramble

PROGRAM = os.path.abspath(sys.argv[1])
SITE = sys.argv[2]
TRACED = "--no-strace" not in sys.argv[3:]
PAGE = SITE + "/kelo-free-diabetes-risk-calculator/ssd.php?page="
MAIN_TITLE = "Kelo Diabetes Risk Calculator v1.10"
BOX_TITLE = "Kelo Diabetes Risk Calculator"
HIGH_VERDICT = ("You are at a High Risk of having Type 2 Diabetes now. "
                "Please consult your doctor.")

STEPS = []

# Everything the run types or chooses: none of it may be kept.
NAME = "Ann"
HEIGHT = "5'8''"
WEIGHT = "180"
# The answers chosen, in order (the first of each list is chosen unless the
# run presses Down), and the result they give.
ANSWERS = ["Between 45 to 64 years old", "No", "No", "No", "Yes"]
SCORE = "Your Score is: 16"
# The lines of the saved page that matter, in order, each gap one space; the
# verdict follows the score.
SAVED = ["Name: Ann", "Between 45 to 64 years old 5", "No 0", "No 5", "No 0", "Yes 1",
         "At or above the limit 5", "Total 16", SCORE, HIGH_VERDICT]
REFERRAL = ["Ann Lee", "ann@example.org", "bob@example.org", "Bob & Co"]
PERSONAL = [NAME, HEIGHT, WEIGHT, *ANSWERS, SCORE, HIGH_VERDICT, *REFERRAL]


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


# ---------------------------------------------------------------- privacy

def private_files():
    """Every file and folder under the program's configuration, cache, data
    and runtime folders."""
    found = set()
    for variable in ("XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"):
        for folder, folders, files in os.walk(os.environ[variable]):
            found.update(os.path.join(folder, name) for name in folders + files)
    return found


def start(trace_name):
    """Starts the program, under strace unless --no-strace; gives strace or
    the program, the program's process id, the trace file (or None) and the
    files there were before."""
    before = private_files()
    trace = os.path.join(TMP, trace_name) if TRACED else None
    program = start_program(PROGRAM, trace=trace)
    return program, program_pid(program), trace, before


def check_no_internet(trace, pages):
    """No internet socket in the trace outside the stand-in browser, which
    must have been started once for each of the pages handed over."""
    if trace is None:
        print("-- no strace (--no-strace): network calls not checked", flush=True)
        return
    offending, stand_ins, unix = internet_socket_calls(trace)
    if offending:
        fail("the program or a process it started used an internet socket:\n  "
             + "\n  ".join(offending))
    if not unix:
        fail("the trace %s shows no connection to a Unix socket: network calls "
             "were not traced" % trace)
    if stand_ins != pages:
        fail("the trace shows the stand-in browser started %d time(s) for %d page(s)"
             % (stand_ins, pages))
    print("-- strace: no internet socket; the stand-in browser started for each of "
          "the %d pages" % pages, flush=True)


def check_nothing_personal_kept(before):
    """The settings file holds the two scrambled entries of section Settings,
    a count and a date, and nothing typed or chosen in the run, plain or
    scrambled; the program wrote no other file than that and its lock, and
    the folders Qt's save dialog remembers, which hold nothing of the run."""
    with open(settings_file.path(), "rb") as ini:
        text = ini.read().decode("utf-8", errors="replace")
    for value in PERSONAL:
        if value in text or scramble(value) in text:
            fail("the settings file holds %r%s:\n%s" % (
                value, "" if value in text else " scrambled", text))
    stored = settings_file.all_entries()
    if sorted(stored) != sorted("%s/%s" % (settings_file.SECTION, scramble(key))
                                for key in ("Duration", "Install")):
        fail("the settings file holds more or other than the two entries:\n" + text)
    entries = settings_entries()
    count = entries[scramble("Install")]
    date = entries[scramble("Duration")]
    if not unscramble(count).lstrip("-").isdigit():
        fail("the install entry %r is no scrambled number" % count)
    try:
        datetime.date.fromisoformat(unscramble(date))
    except ValueError:
        fail("the date entry %r is no scrambled date" % date)

    made = private_files() - before - {
        os.path.dirname(settings_file.path()), settings_file.path(), settings_file.lock_path()}
    dialog_memory = os.path.join(os.environ["XDG_CONFIG_HOME"], "QtProject.conf")
    if dialog_memory in made:
        made.remove(dialog_memory)
        with open(dialog_memory, encoding="latin-1") as ini:
            text = ini.read()
        # Numbers and two-letter words can come up in its binary entries.
        if any(len(value) > 2 and not value.isdigit() and value in text for value in PERSONAL):
            fail("Qt's save dialog keeps something of the run:\n" + text)
    if made:
        fail("the program left files besides its settings: %r" % sorted(made))
    print("-- the settings file holds the two entries alone; no other file", flush=True)


def save_result_as_pdf(pyatspi, app, pid):
    """Ctrl+Shift+S, a full path typed into Qt's own save dialog, Enter; the
    saved page read back."""
    keys("ctrl+shift+s")
    dialog = wait_for("the save dialog", lambda: (windows(pid, "Save Result as PDF") or [None])[0])
    path = os.path.join(TMP, "saved", "result.pdf")
    os.makedirs(os.path.dirname(path))
    activate(dialog)
    name_box = find_one(pyatspi, app, "text", "File name:")
    wait_for("the focus in the file name box",
             lambda: name_box.getState().contains(pyatspi.STATE_FOCUSED), 10)
    keys("ctrl+a")
    type_text(path)
    keys("Return")
    wait_for(lambda: "the saved file (the file name box holds %r)" % name_box.queryText().getText(
        0, -1), lambda: os.path.exists(path), 15)
    lines = [" ".join(line.split())
             for line in run(["pdftotext", "-layout", path, "-"]).splitlines() if line.strip()]
    remaining = iter(lines)
    if any(line not in remaining for line in SAVED[:-1]) or next(remaining, "") != SAVED[-1]:
        fail("the saved page lacks %r in that order:\n%s" % (SAVED, "\n".join(lines)))
    find_one(pyatspi, app, "label", SCORE)


# ---------------------------------------------------------------- the runs

def first_start_and_typical_run(pyatspi, log):
    step("first start: no question, the settings file holds both entries")
    today = datetime.date.today()
    program, pid, trace, before = start("first.trace")
    main = wait_for("the main window", lambda: (windows(pid, MAIN_TITLE) or [None])[0])
    # A question would come before the main window, and the window manager
    # would have taken it on first.
    if windows(pid, BOX_TITLE):
        fail("a first start asked a question")
    entries = wait_for("the settings file", lambda: len(settings_entries()) >= 2 and settings_entries())
    if entries.get(scramble("Install")) != scramble("1"):
        fail("install entry is %r" % entries)
    if entries.get(scramble("Duration")) != scramble(today.isoformat()):
        fail("date entry is %r" % entries)
    if any(key in ("Install", "Duration") for key in entries):
        fail("plain key names in the settings file")

    app = app_node(pyatspi, pid)
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
    type_text(NAME)
    keys("Tab", *["Down"] * 10, "Tab")
    type_text(WEIGHT)
    wait_for(lambda: "height %s (it is %r)" % (HEIGHT, height.name),
             lambda: height.name == HEIGHT, 5)
    keys("alt+t")
    find_one(pyatspi, app, "label", "Question 1 of 5")
    # The focus is on Next Question; the answer list follows it.
    keys("Tab", "Down", "alt+q")
    for number in (2, 3, 4):
        find_one(pyatspi, app, "label", "Question %d of 5" % number)
        keys("Down", "alt+q")
    find_one(pyatspi, app, "label", "Question 5 of 5")
    keys("alt+q")
    find_one(pyatspi, app, "label", SCORE)
    find_one(pyatspi, app, "label", HIGH_VERDICT)
    main_button = find_one(pyatspi, app, "push button", "Main Screen")
    wait_for("the focus on Main Screen",
             lambda: main_button.getState().contains(pyatspi.STATE_FOCUSED), 5)

    step("Save Result as PDF through Qt's save dialog; the page read back")
    save_result_as_pdf(pyatspi, app, pid)
    activate(main)

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

    step("the other menu entries with a page: Visit Us Online, Check for Update, Donate")
    activate(main)
    for menu_keys, page in ((("alt+h", "v"), "home-page"),
                            (("alt+h", "u"), "download-web-page"),
                            (("alt+d",), "donate")):
        keys(*menu_keys)
        wait_for("the page %s" % page, lambda: opened(log)[-1:] == [PAGE + page])

    step("About and its two links; Esc")
    keys("alt+h", "a")
    about = wait_for("the About window", lambda: [
        w for w in windows(pid, MAIN_TITLE) if w != main])[0]
    press(find_one(pyatspi, app, "link", "Click here to visit " + SITE))
    wait_for("the home page from About", lambda: opened(log)[-1:] == [PAGE + "home-page"])
    press(find_one(pyatspi, app, "link", "Click here for more details."))
    wait_for("the full-branding page from About",
             lambda: opened(log)[-1:] == [PAGE + "fully-branded"])
    activate(about)
    keys("Escape")
    wait_for("the About window to go", lambda: windows(pid, MAIN_TITLE) == [main])

    step("File, Exit: the exit screen on top; a referral; Exit")
    activate(main)
    keys("alt+f", "x")
    exit_screen = wait_for("the exit screen", lambda: [
        w for w in windows(pid, MAIN_TITLE) if window_size(w)[0] > 600])[0]
    wait_for("the main window to go", lambda: windows(pid, MAIN_TITLE) == [exit_screen])
    wait_for("the exit screen to be kept on top", lambda: "_NET_WM_STATE_ABOVE" in run(
        ["xprop", "-id", exit_screen, "_NET_WM_STATE"]), 5)
    find_one(pyatspi, app, "text", "Your Name")
    activate(exit_screen)
    sender, sender_email, friend_email, friend = REFERRAL
    keys("Tab", "Tab", "Tab")
    type_text(sender)
    keys("Tab", "Tab")
    type_text(sender_email)
    keys("Tab")
    type_text(friend_email)
    keys("Tab")
    type_text(friend)
    keys("alt+n")
    referral = (PAGE + "trevo-refer-a-friend&taf1=Ann%20Lee&taf2=ann%40example.org"
                "&taf3=Your%20Message%0D%0A&taf4=Bob%20%26%20Co&taf5=bob%40example.org"
                "&taf6=" + SITE.replace(":", "%3A").replace("/", "%2F")
                + "%2Fkelo-free-diabetes-risk-calculator%2F")
    wait_for("the referral address", lambda: opened(log)[-1:] == [referral])
    press(find_one(pyatspi, app, "link", "Click Here To Visit Orvane Softwares"))
    wait_for("the softwares page", lambda: opened(log)[-1:] == [PAGE + "orvanesoftwares"])
    # Every page had long been handed over by now: one each, none extra.
    pages = [PAGE + page for page in (
        "help-web-page", "home-page", "fully-branded", "home-page", "download-web-page",
        "donate", "home-page", "fully-branded")] + [referral, PAGE + "orvanesoftwares"]
    if opened(log) != pages:
        fail("the browser got %r" % opened(log))
    activate(exit_screen)
    keys("alt+x")
    wait_exit(program)
    check_no_internet(trace, len(pages))
    check_nothing_personal_kept(before)


def reminder_after_fifteen_days(pyatspi, log):
    step("a date 15 days old: the question first, Yes opens the update page")
    settings_file.write(
        Install="-3", Duration=(datetime.date.today() - datetime.timedelta(days=15)).isoformat())
    before = len(opened(log))
    program, pid, trace, files_before = start("reminder.trace")
    box = wait_for("the update question", lambda: (windows(pid, BOX_TITLE) or [None])[0])
    # A main window shown first would have been taken on first.
    if windows(pid, MAIN_TITLE):
        fail("the main window came before the question")
    app = app_node(pyatspi, pid)
    find_one(pyatspi, app, "label", "There maybe an update to this software available\n"
             "Do you want to check for an update?")
    activate(box)
    keys("Return")
    main = wait_for("the main window", lambda: (windows(pid, MAIN_TITLE) or [None])[0])
    # The stand-in browser runs detached and may write after the window shows.
    wait_for(lambda: "the update page alone (got %r)" % opened(log)[before:],
             lambda: opened(log)[before:] == [PAGE + "download-web-page"], 10)
    rewritten = {scramble("Install"): scramble("3"),
                 scramble("Duration"): scramble(datetime.date.today().isoformat())}
    wait_for(lambda: "install count 3 and today's date in %r" % settings_entries(),
             lambda: settings_entries().items() >= rewritten.items(), 10)

    step("close box, then Enter on the exit screen's Exit")
    activate(main)
    keys("alt+F4")
    exit_screen = wait_for("the exit screen", lambda: [
        w for w in windows(pid, MAIN_TITLE) if window_size(w)[0] > 600])[0]
    activate(exit_screen)
    keys("Return")
    wait_exit(program)
    check_no_internet(trace, 1)
    check_nothing_personal_kept(files_before)


def main():
    log = private_desktop(accessibility=True)
    pyatspi = accessibility()
    first_start_and_typical_run(pyatspi, log)
    reminder_after_fifteen_days(pyatspi, log)


if __name__ == "__main__":
    run_test(main)
