#!/usr/bin/python3
"""The real program meets what a user's machine may throw at it: a settings
file that is garbage, empty, huge, unreadable or not a file at all, a
settings folder that cannot be made, an update reminder that is due, locks
left by killed copies (empty ones included) and no browser anywhere. Every
time the main window must come up and the program must end with status 0
once closed, and between the cases every road out is taken: the main window
by its close box and by File > Exit, the exit screen by its Exit button,
Alt+X, Return and its close box.

Usage: faults.py PROGRAM   (under with_xvfb.sh)
"""

import base64
import datetime
import os
import signal
import sys

import settings_file
from desktop import (STAND_IN_BROWSER, TMP, click, describe, fail, is_active, keys,
                     private_desktop, private_home, run_test, start_program, wait_end,
                     wait_exit, wait_for, window_size, window_with, windows)
from settings_file import scramble

PROGRAM = os.path.abspath(sys.argv[1])
MAIN_TITLE = "Kelo Diabetes Risk Calculator v1.10"
BOX_TITLE = "Kelo Diabetes Risk Calculator"
# A program's only PATH: the stand-in browser, or nothing at all to open an
# address with. No browser of the machine can be reached.
BROWSER = os.path.dirname(STAND_IN_BROWSER)
NO_BROWSER = os.path.join(TMP, "no-browser-bin")

MAIN_ROADS = {"close box": ["alt+F4"], "File > Exit": ["alt+f", "x"]}
EXIT_ROADS = {
    "Exit button": lambda screen: click(screen, 441, 196),
    "Alt+X": lambda screen: keys("alt+x"),
    "Return": lambda screen: keys("Return"),
    "close box": lambda screen: keys("alt+F4"),
}


class Case:
    """One start of the program on a fault already in place, in an empty
    private home but for the fault."""

    def __init__(self, name):
        self.name = name
        private_home()
        self.settings = settings_file.path()
        self.folder = os.path.dirname(self.settings)
        self.log = os.path.join(TMP, "case.log")
        # The stand-in browser's log of the case.
        self.opened = os.path.join(TMP, "opened.log")
        open(self.opened, "w").close()

    def start(self, browser=BROWSER):
        self.program = start_program(PROGRAM, log=self.log, PATH=browser)
        self.pid = self.program.pid

    def wait(self, what, condition, seconds=10):
        return wait_for(lambda: "%s: %s (%s)" % (
            self.name, what, describe(self.program, self.log)), condition, seconds)

    def window(self, title):
        return (windows(self.pid, title) or [None])[0]

    def expect_main_window(self):
        """Waits for the main window to show and take the keyboard."""
        self.main = self.wait("the main window", lambda: self.window(MAIN_TITLE), 20)
        self.wait("the main window to be active", lambda: is_active(self.main))
        # A message box shown first would be modal and would have kept the keyboard.
        if self.window(BOX_TITLE):
            fail("%s: a message box came with the main window" % self.name)

    def exit_screen(self):
        # The program's windows all share one title; the exit screen is the
        # one kept above the others.
        return window_with(self.pid, MAIN_TITLE, "_NET_WM_STATE", "_NET_WM_STATE_ABOVE")

    def close_main(self, road):
        """Closes the main window down road; the exit screen alone stays and
        takes the keyboard."""
        keys(*MAIN_ROADS[road])
        self.screen = self.wait("the exit screen after " + road, self.exit_screen)
        self.wait("the main window to go after " + road,
                  lambda: windows(self.pid) == [self.screen])
        self.wait("the exit screen to be active", lambda: is_active(self.screen))

    def close_exit_screen(self, road):
        """Closes the exit screen down road: the program must end with status
        0 and leave no lock behind."""
        EXIT_ROADS[road](self.screen)
        wait_exit(self.program, 10, lambda: "%s: the program, after %s on the exit screen (%s),"
                  % (self.name, road, describe(self.program, self.log)))
        if os.path.exists(settings_file.lock_path()):
            fail("%s: the lock file stayed after a normal end" % self.name)

    def run(self, main_road, exit_road):
        self.start()
        self.expect_main_window()
        self.close_main(main_road)
        self.close_exit_screen(exit_road)
        print("ok: %s (main window by %s, exit screen by %s)"
              % (self.name, main_road, exit_road), flush=True)


# ---------------------------------------------------------------- faults in place

def settings_folder(case):
    os.makedirs(case.folder)


def garbage(case):
    settings_folder(case)
    with open(case.settings, "wb") as ini:
        ini.write(os.urandom(65536))


def empty(case):
    settings_folder(case)
    open(case.settings, "w").close()


def huge(case):
    """Junk of every sort on 50 MB of lines: sections, keys, stray text."""
    settings_folder(case)
    text = base64.b64encode(os.urandom(50 * 2**20 * 3 // 4)).decode()
    lines = [text[at:at + 100] for at in range(0, len(text), 100)]
    for index in range(0, len(lines), 7):
        lines[index] = "[" + lines[index]
    for index in range(1, len(lines), 5):
        lines[index] = lines[index].replace("/", "=", 1)
    with open(case.settings, "w") as ini:
        ini.write("\n".join(lines) + "\n")


def unreadable(case):
    """Root reads and writes whatever the modes say; for anyone else this
    file can be neither read nor written, nor can its folder take a new one."""
    settings_folder(case)
    settings_file.write(Install="1")
    os.chmod(case.settings, 0o000)
    os.chmod(case.folder, 0o555)


def folder_as_file(case):
    # Not even root can read or write a folder as the file.
    os.makedirs(case.settings)


def file_as_folder(case):
    os.makedirs(os.path.dirname(case.folder), exist_ok=True)
    with open(case.folder, "w") as text:
        text.write("not a folder\n")


def killed_copy(case):
    """A lock left by a copy killed with SIGKILL."""
    case.start()
    case.expect_main_window()
    os.kill(case.pid, signal.SIGKILL)
    wait_end(case.program, "the killed copy")
    if not os.path.exists(settings_file.lock_path()):
        fail("%s: the killed copy left no lock to test with" % case.name)


def empty_locks(case):
    """Empty locks, as a copy killed while it started or wrote leaves them."""
    settings_folder(case)
    for lock in (settings_file.lock_path(), case.settings + ".lock"):
        open(lock, "w").close()


def read(file_name):
    with open(file_name) as text:
        return text.read()


# Each case: its name, the fault, the roads out of the main window and the
# exit screen, and what must hold afterwards, if anything, with its failure.
CASES = [
    ("garbage settings file", garbage, "close box", "Return", None),
    ("empty settings file", empty, "File > Exit", "Alt+X",
     (lambda case: settings_file.entries().get(scramble("Install")) == scramble("1"),
      "an empty settings file got no first-run entries")),
    ("huge settings file", huge, "close box", "Exit button", None),
    ("unreadable settings file in a read-only folder", unreadable, "File > Exit", "close box",
     None),
    ("folder in place of the settings file", folder_as_file, "close box", "Alt+X",
     (lambda case: os.path.isdir(case.settings), "the folder was replaced")),
    ("file in place of the settings folder", file_as_folder, "File > Exit", "Exit button",
     (lambda case: read(case.folder) == "not a folder\n", "the file was changed")),
    ("lock left by a killed copy", killed_copy, "File > Exit", "Return", None),
    ("empty locks left behind", empty_locks, "close box", "Exit button",
     (lambda case: not os.path.exists(case.settings + ".lock"), "the settings lock stayed")),
]


def faults_in_place():
    for name, fault, main_road, exit_road, after in CASES:
        case = Case(name)
        fault(case)
        case.run(main_road, exit_road)
        if after and not after[0](case):
            fail("%s: %s" % (name, after[1]))


# ---------------------------------------------------------------- the update reminder

def update_reminder_due():
    """The question first, answered No from the keyboard, then the main
    window; nothing is opened and today counts as asked."""
    case = Case("update reminder due")
    today = datetime.date.today()
    settings_file.write(Install="7", Duration=(today - datetime.timedelta(days=15)).isoformat())
    case.start()
    box = case.wait("the question", lambda: case.window(BOX_TITLE), 20)
    case.wait("the question to be active", lambda: is_active(box))
    # Had the main window come first, the manager would have taken it on first.
    if case.window(MAIN_TITLE):
        fail("%s: the main window came before the answer" % case.name)
    keys("alt+n")
    case.expect_main_window()
    case.wait("the date to be moved to today", lambda: settings_file.entries().get(
        scramble("Duration")) == scramble(today.isoformat()))
    if settings_file.entries().get(scramble("Install")) != scramble("7"):
        fail("%s: the install count changed" % case.name)
    case.close_main("close box")
    case.close_exit_screen("close box")
    if read(case.opened):
        fail("%s: No opened %s" % (case.name, read(case.opened)))
    print("ok: %s (answered No; main window by close box, exit screen by close box)"
          % case.name, flush=True)


# ---------------------------------------------------------------- pages

def pages(name, browser, main_road, exit_road):
    """Help > Online Help from the keyboard, then, once the help address
    shows where the case finds what was opened (the menu has closed by then
    and cannot swallow the click), a click on the offer in front; then the
    About window, opened and closed with Esc, shows that the main window
    still takes input and, being modal and synchronous, that whatever the
    two openings might show has been shown by then. With a browser, it gets
    both addresses; with none, Qt names each address it found nothing to
    open with in the program's output: both were tried."""
    case = Case(name)
    handed = case.opened if browser else case.log
    case.start(BROWSER if browser else NO_BROWSER)
    case.expect_main_window()
    keys("alt+h", "o")
    case.wait("the help page", lambda: "help-web-page" in read(handed))
    # The offer labels sit near the foot of the fixed-size client area.
    click(case.main, 239, window_size(case.main)[1] - 26)
    keys("alt+h", "a")
    # The About window is a modal dialog.
    about = case.wait("the About window", lambda: window_with(
        case.pid, MAIN_TITLE, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DIALOG"))
    case.wait("the About window to be active", lambda: is_active(about))
    keys("Escape")
    case.wait("the main window alone", lambda: windows(case.pid) == [case.main])
    case.wait("the main window to be active again", lambda: is_active(case.main))
    if browser:
        # Each address reaches the browser from a process of its own, in any order.
        case.wait("two pages handed to the browser",
                  lambda: len(read(handed).splitlines()) == 2)
        if "brand" not in read(handed):
            fail("%s: the offer opened no offer page: %s" % (name, read(handed)))
    else:
        case.wait("the offer to be tried", lambda: "brand" in read(handed))
    case.close_main(main_road)
    case.close_exit_screen(exit_road)
    print("ok: %s (pages handed over or tried; About closed by Esc)" % name, flush=True)


def main():
    private_desktop()
    os.makedirs(NO_BROWSER)
    faults_in_place()
    update_reminder_due()
    pages("pages with a browser", True, "close box", "Alt+X")
    pages("pages with no browser", False, "File > Exit", "close box")


if __name__ == "__main__":
    run_test(main)
