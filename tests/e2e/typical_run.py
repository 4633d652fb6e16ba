#!/usr/bin/python3
"""The real program as a user meets it, driven only from outside.

Runs on a private X display (start it under xvfb-run) with its own session
bus, accessibility bus, window manager and configuration folders. A stand-in
xdg-open first on PATH records every address the program hands to the
browser. Keys and clicks go in through xdotool; what the program shows is read
back through the accessibility tree (AT-SPI), not from the program's state.

Usage: typical_run.py PROGRAM SITE_BASE_ADDRESS
"""

import datetime
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

PROGRAM = os.path.abspath(sys.argv[1])
SITE = sys.argv[2]
PAGE = SITE + "/kelo-free-diabetes-risk-calculator/ssd.php?page="
MAIN_TITLE = "Kelo Diabetes Risk Calculator v1.10"
BOX_TITLE = "Kelo Diabetes Risk Calculator"
APP_NAME = os.path.basename(PROGRAM)
HIGH_VERDICT = ("You are at a High Risk of having Type 2 Diabetes now. "
                "Please consult your doctor.")

TMP = tempfile.mkdtemp(prefix="kelo-e2e-")
CHILDREN = []
STEPS = []


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, condition, seconds=15.0):
    """Polls condition until it gives something true; fails after seconds."""
    deadline = time.monotonic() + seconds
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            fail("timed out waiting for " + what)
        time.sleep(0.05)


def spawn(args, env=None):
    # Each in a process group of its own, so that what it starts in turn (the
    # accessibility bus launcher starts a bus daemon) goes with it.
    child = subprocess.Popen(args, env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL, start_new_session=True)
    CHILDREN.append(child)
    return child


def cleanup():
    for child in reversed(CHILDREN):
        try:
            os.killpg(child.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        child.wait()
    shutil.rmtree(TMP, ignore_errors=True)


def step(name):
    STEPS.append((name, time.monotonic()))
    print("--", name, flush=True)


# ---------------------------------------------------------------- desktop

def private_desktop():
    """Session bus, accessibility bus, window manager, folders, browser."""
    for folder in ("config", "cache", "data", "runtime", "bin"):
        os.makedirs(os.path.join(TMP, folder))
    os.chmod(os.path.join(TMP, "runtime"), 0o700)
    os.environ.update({
        "XDG_CONFIG_HOME": os.path.join(TMP, "config"),
        "XDG_CACHE_HOME": os.path.join(TMP, "cache"),
        "XDG_DATA_HOME": os.path.join(TMP, "data"),
        "XDG_RUNTIME_DIR": os.path.join(TMP, "runtime"),
        "GSETTINGS_BACKEND": "memory",
        "NO_AT_BRIDGE": "0",
    })
    for name in ("QT_QPA_PLATFORM", "AT_SPI_BUS_ADDRESS", "BROWSER",
                 "DEFAULT_BROWSER", "SESSION_MANAGER"):
        os.environ.pop(name, None)

    bus = os.path.join(TMP, "bus")
    spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile",
           "--address=unix:path=" + bus])
    wait_for("the session bus", lambda: os.path.exists(bus), 10)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + bus
    spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])

    spawn(["openbox", "--sm-disable"])
    wait_for("the window manager", lambda: "window id" in run(
        ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]), 30)

    log = os.path.join(TMP, "opened.log")
    opener = os.path.join(TMP, "bin", "xdg-open")
    with open(opener, "w") as script:
        script.write('#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' % log)
    os.chmod(opener, 0o755)
    return log


def run(args):
    return subprocess.run(args, capture_output=True, text=True).stdout


def program_env():
    env = dict(os.environ)
    env["PATH"] = os.path.join(TMP, "bin") + os.pathsep + env["PATH"]
    # Qt joins the accessibility bus only when told to.
    env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    return env


def opened(log):
    if not os.path.exists(log):
        return []
    with open(log) as lines:
        return [line.rstrip("\n") for line in lines]


# ---------------------------------------------------------------- windows

def windows(pid, title):
    ids = run(["xdotool", "search", "--onlyvisible", "--pid", str(pid),
               "--name", "."]).split()
    return [w for w in ids if run(["xdotool", "getwindowname", w]).strip() == title]


def window_width(window):
    for line in run(["xwininfo", "-id", window]).splitlines():
        if line.strip().startswith("Width:"):
            return int(line.split()[1])
    return 0


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def activate(window):
    wait_for("window %s to become active" % window, lambda: subprocess.run(
        ["xdotool", "windowactivate", "--sync", window],
        capture_output=True).returncode == 0, 10)


def start_program():
    child = spawn([PROGRAM], env=program_env())
    return child


def wait_exit(child, seconds=10):
    wait_for("the program to end", lambda: child.poll() is not None, seconds)
    if child.returncode != 0:
        fail("the program ended with status %d" % child.returncode)


# ---------------------------------------------------------------- AT-SPI

def accessibility():
    # pyatspi binds to the session bus of the environment it is imported in.
    import pyatspi
    return pyatspi


def app_node(pyatspi, pid):
    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            node = desktop.getChildAtIndex(index)
            try:
                if node is not None and node.get_process_id() == pid:
                    return node
            except Exception:
                continue
        return None
    return wait_for("the program on the accessibility bus", find, 15)


def showing(pyatspi, node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def find_all(pyatspi, root, role=None, name=None, only_showing=True):
    found = []

    def walk(node, depth=0):
        if node is None or depth > 40:
            return
        try:
            matches = ((role is None or node.getRoleName() == role)
                       and (name is None or node.name == name))
        except Exception:
            return
        if matches and (not only_showing or showing(pyatspi, node)):
            found.append(node)
        for index in range(node.childCount):
            walk(node.getChildAtIndex(index), depth + 1)
    walk(root)
    return found


def find_one(pyatspi, root, role, name, seconds=10):
    return wait_for("%s %r" % (role, name),
                    lambda: (find_all(pyatspi, root, role, name) or [None])[0],
                    seconds)


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
    with open(settings_file()) as ini:
        return dict(line.rstrip("\n").split("=", 1) for line in ini if "=" in line)


# ---------------------------------------------------------------- the runs

def first_start_and_typical_run(pyatspi, log):
    step("first start: no question, the settings file holds both entries")
    today = datetime.date.today()
    program = start_program()
    main = wait_for("the main window", lambda: (windows(program.pid, MAIN_TITLE) or [None])[0])
    if windows(program.pid, BOX_TITLE):
        fail("a first start asked a question")
    entries = wait_for("the settings file", lambda: os.path.exists(settings_file()) and settings_entries())
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
    if height.name != "5'8''":
        fail("height chosen is %r" % height.name)
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
    if len(opened(log)) != 3:
        fail("one action opened more than one page: %r" % opened(log))

    step("File, Exit: the exit screen on top; a referral; Exit")
    activate(main)
    keys("alt+f", "x")
    exit_screen = wait_for("the exit screen", lambda: [
        w for w in windows(program.pid, MAIN_TITLE) if window_width(w) > 600])[0]
    wait_for("the main window to go", lambda: windows(program.pid, MAIN_TITLE) == [exit_screen])
    if "_NET_WM_STATE_ABOVE" not in run(["xprop", "-id", exit_screen, "_NET_WM_STATE"]):
        fail("the exit screen is not on top")
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
    keys("alt+x")
    wait_exit(program)
    if windows(program.pid, MAIN_TITLE):
        fail("a window outlived the program")


def reminder_after_fifteen_days(pyatspi, log):
    step("a date 15 days old: the question first, Yes opens the update page")
    write_settings("-3", datetime.date.today() - datetime.timedelta(days=15))
    before = len(opened(log))
    program = start_program()
    box = wait_for("the update question", lambda: (windows(program.pid, BOX_TITLE) or [None])[0])
    if windows(program.pid, MAIN_TITLE):
        fail("the main window came before the question")
    app = app_node(pyatspi, program.pid)
    find_one(pyatspi, app, "label", "There maybe an update to this software available\n"
             "Do you want to check for an update?")
    activate(box)
    keys("Return")
    main = wait_for("the main window", lambda: (windows(program.pid, MAIN_TITLE) or [None])[0])
    if opened(log)[before:] != [PAGE + "download-web-page"]:
        fail("after Yes the browser got %r" % opened(log)[before:])
    entries = settings_entries()
    if entries.get(scrambled("Install")) != scrambled("3"):
        fail("install count not rewritten as 3: %r" % entries)
    if entries.get(scrambled("Duration")) != scrambled(datetime.date.today().isoformat()):
        fail("date not rewritten: %r" % entries)

    step("close box, then Enter on the exit screen's Exit")
    activate(main)
    keys("alt+F4")
    exit_screen = wait_for("the exit screen", lambda: [
        w for w in windows(program.pid, MAIN_TITLE) if window_width(w) > 600])[0]
    activate(exit_screen)
    keys("Return")
    wait_exit(program)


def main():
    started = time.monotonic()
    try:
        log = private_desktop()
        pyatspi = accessibility()
        first_start_and_typical_run(pyatspi, log)
        reminder_after_fifteen_days(pyatspi, log)
    finally:
        cleanup()
    print("PASS in %.1f s" % (time.monotonic() - started))


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    main()
