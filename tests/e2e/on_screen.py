#!/usr/bin/python3
"""What the user sees: windows where they belong, message boxes in front.

On a private 1280x1024 display with openbox (start it under with_xvfb.sh),
every message box of the main window and of the exit screen must be the top
client window in the window manager's stacking order, show on a screenshot,
take the keyboard and sit centred over the window that raised it; once it is
dismissed with Return that window must take keys again. The main window, the
About window and the exit screen must be centred on the screen, also at
QT_SCALE_FACTOR=2, where a window larger than the screen must keep the top
left corner of its frame on it.

Centred on the screen means: frame centres apart by at most 2 px either way.
A box over its window is placed knowing that window's frame: 1 px either way.
A copy started while the first shows its exit screen must show its notice in
front of that always-on-top window, answerable by keys, and leave the first
copy as it was.

Every check is made, and every failure listed, before the run fails.

Usage: on_screen.py PROGRAM
"""

import os
import re
import subprocess
import sys
import time

from desktop import (accessibility, activate, active_window, app_node, fail, find_one, keys,
                     opened, private_desktop, run, run_test, stacking, start_program,
                     type_text, wait_exit, wait_for, windows)

PROGRAM = os.path.abspath(sys.argv[1])
MAIN_TITLE = "Kelo Diabetes Risk Calculator v1.10"
BOX_TITLE = "Kelo Diabetes Risk Calculator"
# With no desktop theme on the private display, Qt paints a message box in
# its own grey; nothing the program draws itself uses it.
DIALOG_GREY = bytes((239, 239, 239))
# How long a window may take to settle where it belongs.
SETTLE_SECONDS = 5

FAILURES = []


def check(passed, message):
    if not passed:
        FAILURES.append(message)
        print("FAIL: " + message, file=sys.stderr, flush=True)
    return passed


def settled(condition):
    """Polls condition (true, or a reason it does not hold) for a while;
    gives True, or the last reason."""
    deadline = time.monotonic() + SETTLE_SECONDS
    while True:
        reason = condition()
        if reason is True or time.monotonic() > deadline:
            return reason
        time.sleep(0.1)


# ---------------------------------------------------------------- geometry

def client_rect(window):
    info = run(["xwininfo", "-id", window])
    values = [re.search(r"%s:\s+(-?\d+)" % key, info) for key in
              ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]
    return tuple(int(v.group(1)) for v in values) if all(values) else None


def frame(window):
    """The frame on screen as (x, y, width, height); None while the window
    manager has not framed the window."""
    extents = re.findall(r"\d+", run(["xprop", "-id", window, "_NET_FRAME_EXTENTS"]).split("=")[-1])
    client = client_rect(window)
    if len(extents) != 4 or client is None:
        return None
    left, right, top, bottom = map(int, extents)
    x, y, width, height = client
    return (x - left, y - top, width + left + right, height + top + bottom)


def screen_rect():
    width, height = run(["xdotool", "getdisplaygeometry"]).split()
    return (0, 0, int(width), int(height))


def off_centre(window, over, exact):
    """True when the window's frame is centred over the rectangle over, else
    why not. Along a side where it is larger, its frame must start inside.
    A box placed over its window's known frame may be off by the half pixel
    of odd sizes only."""
    rect = frame(window)
    if rect is None:
        return "not framed"
    reasons = []
    for axis, start, size, over_start, over_size, tolerance in (
            ("across", rect[0], rect[2], over[0], over[2], 1 if exact else 2),
            ("up and down", rect[1], rect[3], over[1], over[3], 1 if exact else 2)):
        if size > over_size:
            if start < over_start:
                reasons.append("larger %s and starts %d px outside" % (axis, over_start - start))
            continue
        offset = (start + size / 2) - (over_start + over_size / 2)
        if abs(offset) > tolerance:
            reasons.append("%+.1f px off %s (allowed %d)" % (offset, axis, tolerance))
    return "; ".join(reasons) or True


def geometry(rect):
    return "%dx%d%+d%+d" % (rect[2], rect[3], rect[0], rect[1])


def expect_centred(what, window, over=None):
    target = wait_for("the frame of %s" % over, lambda: frame(over)) if over else screen_rect()
    reason = settled(lambda: off_centre(window, target, exact=over is not None))
    check(reason is True, "%s: frame %s is not centred over %s %s: %s" % (
        what, geometry(frame(window) or (0, 0, 0, 0)),
        "its window" if over else "the screen", geometry(target), reason))


# ---------------------------------------------------------------- boxes

def grey_share(window):
    """The share of the box's client area that shows the box's own grey."""
    x, y, width, height = client_rect(window) or (0, 0, 0, 0)
    shot = subprocess.run(["import", "-silent", "-window", "root", "-crop",
                           "%dx%d+%d+%d" % (width, height, x, y), "-depth", "8", "ppm:-"],
                          capture_output=True, timeout=30).stdout
    # P6, width, height, maximum, one blank, then one byte per channel.
    header = re.match(rb"P6\s+\d+\s+\d+\s+\d+\s", shot)
    pixels = shot[header.end():] if header else b""
    grey = sum(1 for i in range(0, len(pixels), 3) if pixels[i:i + 3] == DIALOG_GREY)
    return grey / max(1, width * height)


def expect_in_front(name, box, raised_by):
    """The box is the top window, shows on the screen, sits centred over the
    window that raised it (over the screen when none did) and takes the
    keyboard."""
    def on_top():
        top = (stacking() or ["none"])[-1]
        return top == box or "window %s, titled %r, is above it" % (
            top, run(["xdotool", "getwindowname", top]).strip())
    reason = settled(on_top)
    check(reason is True, "%s is not the top window: %s" % (name, reason))

    def shows():
        share = grey_share(box)
        return share >= 0.5 or "%.0f%% of its area shows its grey" % (100 * share)
    reason = settled(shows)
    check(reason is True, "%s does not show on the screen: %s" % (name, reason))

    expect_centred(name, box, over=raised_by)
    reason = settled(lambda: active_window() == box or "active is %s" % active_window())
    if not check(reason is True, "%s does not take the keyboard: %s" % (name, reason)):
        activate(box)


def expect_box(pyatspi, app, pid, text, raised_by, what):
    """Waits for the box showing text, checks it, dismisses it with Return."""
    print("-- %s: box %r" % (what, text), flush=True)
    find_one(pyatspi, app, "label", text)
    box = wait_for("the window of %r" % text, lambda: (windows(pid, BOX_TITLE) or [None])[0])
    name = "%s: box %r" % (what, text)
    expect_in_front(name, box, raised_by)
    keys("Return")
    wait_for("%s to go" % name, lambda: not windows(pid, BOX_TITLE), 10)
    reason = settled(lambda: active_window() == raised_by or "active is %s" % active_window())
    check(reason is True, "%s: its window does not take the keyboard back: %s" % (name, reason))


def second_copy_over(program, screen):
    """A copy started while the first shows its always-on-top exit screen:
    its notice has no window to stand over, yet must come up in front of
    everything, answer Return and end its copy, leaving the first as it was."""
    print("-- second copy over the exit screen", flush=True)
    second = start_program(PROGRAM)
    box = wait_for("the second copy's notice", lambda: (windows(second.pid, BOX_TITLE) or [None])[0])
    expect_in_front("second copy's box 'Application is already running'", box, None)
    keys("Return")
    wait_exit(second)
    check(program.poll() is None, "the first copy ended with the second")
    reason = settled(lambda: windows(program.pid, MAIN_TITLE) == [screen] or
                     "the first copy shows %s" % windows(program.pid, MAIN_TITLE))
    check(reason is True, "the first copy lost its exit screen: %s" % reason)


def raise_boxes(pyatspi, app, pid, window, what, steps):
    """Each step's keys go to the window and must bring up the box with the
    step's text; a text that follows from the keys typed after the box
    before shows that the window took them. A key starting with = is text
    to type."""
    for step_keys, text in steps:
        for key in step_keys:
            if key.startswith("="):
                type_text(key[1:])
            else:
                keys(key)
        expect_box(pyatspi, app, pid, text, window, what)


# ---------------------------------------------------------------- the runs

def program_windows(pid, count):
    return wait_for("%d windows titled %r" % (count, MAIN_TITLE),
                    lambda: (lambda found: len(found) == count and found)(windows(pid, MAIN_TITLE)))


def main_window(program):
    main = program_windows(program.pid, 1)[0]
    wait_for("the main window to take the keyboard", lambda: active_window() == main, 10)
    return main


def to_exit_screen(program, main):
    keys("alt+f", "x")
    screen = wait_for("the exit screen alone", lambda: (
        lambda found: found != [main] and len(found) == 1 and found[0])(
        windows(program.pid, MAIN_TITLE)))
    wait_for("the exit screen to take the keyboard", lambda: active_window() == screen, 10)
    return screen


MAIN_WINDOW_BOXES = [
    (["alt+t"], "Please enter your name"),
    (["=Ann", "alt+t"], "Please enter your weight"),
]
# The focus starts on Exit; five Tabs reach the sender's address, and the
# name box is passed on the way, keeping its prompt.
EXIT_SCREEN_BOXES = [
    (["Tab"] * 5 + ["=ann@example.org", "Tab", "=ann@example.org", "alt+n"],
     "Please Enter Distinct Email Addresses"),
    (["space"], "Email Address Cannot Contain Space"),
    (["ctrl+a", "=bob@example.org", "alt+n"], "Please Enter Your Name"),
]


def at_scale_one(pyatspi, log):
    program = start_program(PROGRAM)
    app = app_node(pyatspi, program.pid)
    main = main_window(program)
    expect_centred("main window", main)
    raise_boxes(pyatspi, app, program.pid, main, "main window", MAIN_WINDOW_BOXES)

    # After the last box the window still takes its access keys.
    keys("alt+h", "a")
    about = [w for w in program_windows(program.pid, 2) if w != main][0]
    expect_centred("About window", about)
    keys("Escape")
    program_windows(program.pid, 1)

    screen = to_exit_screen(program, main)
    expect_centred("exit screen", screen)
    raise_boxes(pyatspi, app, program.pid, screen, "exit screen", EXIT_SCREEN_BOXES)
    # From the friend's address back to the name, then on to the friend's
    # name: the referral goes out with what was typed after the last box.
    keys("shift+Tab", "shift+Tab", "shift+Tab")
    type_text("Ann Lee")
    keys("Tab", "Tab", "Tab", "Tab")
    type_text("Bob")
    keys("alt+n")
    wait_for(lambda: "the referral of Ann Lee to Bob (the browser got %r)" % opened(log),
             lambda: any("taf1=Ann%20Lee&taf2=ann%40example.org" in page
                         and "taf4=Bob&taf5=bob%40example.org" in page for page in opened(log)),
             10)
    second_copy_over(program, screen)
    activate(screen)
    keys("alt+x")
    wait_exit(program)


def at_scale_two():
    program = start_program(PROGRAM, QT_SCALE_FACTOR="2")
    main = main_window(program)
    expect_centred("main window at scale 2", main)
    screen = to_exit_screen(program, main)
    expect_centred("exit screen at scale 2", screen)
    keys("alt+x")
    wait_exit(program)


def main():
    log = private_desktop(accessibility=True)
    pyatspi = accessibility()
    at_scale_one(pyatspi, log)
    at_scale_two()
    if FAILURES:
        fail("%d checks failed:\n  %s" % (len(FAILURES), "\n  ".join(FAILURES)))


if __name__ == "__main__":
    run_test(main)
