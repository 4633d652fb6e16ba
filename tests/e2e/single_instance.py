#!/usr/bin/python3
"""Two real copies of the program for one user: the second shows only its
message and, once it is dismissed with a key press, ends without a window
while the first keeps running. A copy killed with SIGKILL leaves a lock that
does not block the next start.

Usage: single_instance.py PROGRAM   (under with_xvfb.sh)
"""

import os
import signal
import sys

import settings_file
from desktop import (TMP, activate, fail, is_active, keys, private_desktop, run_test,
                     start_program, wait_end, wait_exit, wait_for, windows)
from settings_file import scramble

PROGRAM = os.path.abspath(sys.argv[1])
MAIN_TITLE = "Kelo Diabetes Risk Calculator v1.10"
BOX_TITLE = "Kelo Diabetes Risk Calculator"


def start(name):
    return start_program(PROGRAM, log=os.path.join(TMP, name + ".log"))


def shown(copy, title, seconds, what):
    return wait_for(what, lambda: (windows(copy.pid, title) or [None])[0], seconds)


def main():
    private_desktop()

    first = start("first")
    shown(first, MAIN_TITLE, 15, "the first copy's main window")
    # The settings are written before the main window shows.
    if not os.path.isfile(settings_file.path()):
        fail("the first copy wrote no settings file")
    for key in ("Install", "Duration"):
        if scramble(key) not in settings_file.entries():
            fail("no scrambled %s entry in %s" % (key, settings_file.path()))
    print("-- first copy: main window, settings written", flush=True)

    second = start("second")
    activate(shown(second, BOX_TITLE, 15, "the second copy's message"))
    # A main window shown before the message would have been taken on by the
    # window manager before it; one shown after it would keep the copy running.
    if windows(second.pid, MAIN_TITLE):
        fail("the second copy shows a main window")
    keys("Return")
    wait_exit(second, 10, "the second copy")
    if first.poll() is not None:
        fail("the first copy did not survive the second")
    shown(first, MAIN_TITLE, 10, "the first copy's main window after the second")
    print("-- second copy: message shown, ended with status 0; first copy still running",
          flush=True)

    os.kill(first.pid, signal.SIGKILL)
    wait_end(first, "the first copy, killed,")
    third = start("third")
    window = shown(third, MAIN_TITLE, 15, "the main window of a copy started after SIGKILL")
    # The lock's message would come first and keep the keyboard from the window.
    wait_for("the copy started after SIGKILL to take the keyboard",
             lambda: is_active(window), 10)
    if windows(third.pid, BOX_TITLE):
        fail("a copy started after SIGKILL met the old lock")
    print("-- third copy after SIGKILL of the first: main window shown", flush=True)


if __name__ == "__main__":
    run_test(main)
