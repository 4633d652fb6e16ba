#!/usr/bin/python3
"""A whole session by keys alone, heard through the Orca screen reader.

Runs on a private X display (start it under with_xvfb.sh) with its own
session and accessibility buses and window manager. Orca runs with a
speech-dispatcher whose only voice is a silent command, so that nothing
waits for a sound card, and writes what it says to its debug log, which it
is handed as a terminal so that every line arrives as it is written.

Each row of the table is keys, then the phrases Orca must speak, in order,
after them and within a bound. Orca also echoes the keys, so phrases are
matched inside its utterances, not as whole lines.

Given the program's translation file for the language LANG names, a shorter
session instead: one run of the test by keys, its question, answer, score
and verdict heard as that file has them.

Usage: screen_reader.py PROGRAM [KELO_TS]
"""

import os
import re
import subprocess
import sys
import threading
import time

import desktop
from desktop import (accessibility, activate, app_node, fail, find_all, keys, private_desktop,
                     run_test, showing, spawn, start_program, type_text, wait_exit, wait_for,
                     windows)
from ts_file import finished_translations

PROGRAM = os.path.abspath(sys.argv[1])
TRANSLATIONS = finished_translations(sys.argv[2]) if len(sys.argv) > 2 else None
MAIN_TITLE = "Kelo Diabetes Risk Calculator v1.10"
# How long Orca may take to speak after a key, on a busy machine.
SPEECH_SECONDS = 15


class SpeechLog:
    """What Orca has said, utterance by utterance, read from its debug log
    as it writes it."""

    def __init__(self):
        self.lines = []
        # Orca's whole log, of which the end is shown when a phrase is missed.
        self.log = []
        self.lock = threading.Lock()

    def read_from(self, terminal):
        pending = b""
        while True:
            try:
                data = os.read(terminal, 65536)
            except OSError:
                return
            if not data:
                return
            pending += data
            *complete, pending = pending.split(b"\n")
            for line in complete:
                self.log.append(line.decode("utf-8", "replace").rstrip("\r"))
                said = re.search(r"SPEECH OUTPUT: '(.*)' ?[[{]", line.decode("utf-8", "replace"))
                if said and said.group(1).strip():
                    with self.lock:
                        self.lines.append(said.group(1))

    def missed(self, what, mark):
        """Describes a missed phrase, with the end of Orca's log."""
        events = [line for line in self.log[-400:]
                  if "EVENT MANAGER: object" in line or "SPEECH OUTPUT" in line
                  or "window:" in line or "locusOfFocus" in line]
        return "%s; Orca said %r. The end of its log:\n%s" % (
            what, self.since(mark), "\n".join(events[-40:]))

    def mark(self):
        with self.lock:
            return len(self.lines)

    def since(self, mark):
        with self.lock:
            return self.lines[mark:]


def silent_speech_dispatcher():
    """Orca starts speech-dispatcher itself; this configuration gives it one
    module, which speaks by running `true`."""
    folder = os.path.join(os.environ["XDG_CONFIG_HOME"], "speech-dispatcher")
    os.makedirs(os.path.join(folder, "modules"))
    with open(os.path.join(folder, "speechd.conf"), "w") as conf:
        conf.write('AddModule "silent" "sd_generic" "silent.conf"\n'
                   'DefaultModule silent\n'
                   'LanguageDefaultModule "en" "silent"\n')
    with open(os.path.join(folder, "modules", "silent.conf"), "w") as conf:
        conf.write('GenericExecuteSynth "true"\n'
                   'AddVoice "en" "MALE1" "en"\n')


def start_orca():
    silent_speech_dispatcher()
    speech = SpeechLog()
    terminal, orca_side = os.openpty()
    threading.Thread(target=speech.read_from, args=(terminal,), daemon=True).start()
    # Orca does not start beside another Orca of the same user, such as that
    # of this test run from another build at the same time: wait for it to
    # end, and start again when both came up at once.
    for _ in range(3):
        wait_for(lambda: "the other Orca of this user (process %s) to end" % other_orcas(),
                 lambda: not other_orcas(), 150)
        orca = spawn(["orca", "--debug-file=" + os.ttyname(orca_side)])
        wait_for("Orca to speak", lambda: speech.since(0) or orca.poll() is not None, 60)
        if speech.since(0):
            return speech
    fail("Orca ended each time it started")


def other_orcas():
    """Orca processes of this user that this test did not start or has
    reaped, ended ones not yet reaped included."""
    return subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                          capture_output=True, text=True).stdout.split()


def heard(speech, mark, phrases):
    """True once every phrase was spoken since mark, in order."""
    said = " | ".join(speech.since(mark))
    position = 0
    for phrase in phrases:
        position = said.find(phrase, position)
        if position < 0:
            return False
        position += len(phrase)
    return True


def chord(key):
    """A key with Alt held as a person holds it: Alt down first, up last."""
    modifier, letter = key.split("+")
    for args in (["keydown", modifier], ["key", letter], ["keyup", modifier]):
        subprocess.run(["xdotool", *args], check=True)
        time.sleep(0.1)


def press(speech, row, phrases):
    mark = speech.mark()
    for key in row:
        if key.startswith("type:"):
            type_text(key[len("type:"):])
        elif key.startswith("alt+"):
            chord(key)
        else:
            keys(key)
    wait_for(lambda: speech.missed("Orca to say %r after %r" % (phrases, row), mark),
             lambda: heard(speech, mark, phrases), SPEECH_SECONDS)
    print("-- %s: %r" % (" ".join(row), speech.since(mark)), flush=True)


def window_roles(pyatspi, app, name):
    """The roles screen readers are given for the program's windows of that
    name that show (About has the main window's title)."""
    roles = []
    for index in range(app.childCount):
        window = app.getChildAtIndex(index)
        if window is not None and window.name == name and showing(pyatspi, window):
            roles.append(window.getRoleName())
    return roles


def check_role(pyatspi, app, window):
    name, role = window
    wait_for(lambda: "the window %r to be a %r; its windows of that name are %r" % (
                 name, role, window_roles(pyatspi, app, name)),
             lambda: role in window_roles(pyatspi, app, name))


def support_message(pyatspi, app):
    """The support message the exit screen shows, as it shows it."""
    labels = wait_for("the support message", lambda: [
        label.name for label in find_all(pyatspi, app, "label") if "regularly" in label.name])
    return labels[0]


def translated(context, source):
    """The finished translation of source; the test fails without one."""
    if (context, source) not in TRANSLATIONS:
        fail("the translation has no finished text for %r" % source)
    return TRANSLATIONS[(context, source)]


def access_key(context, source):
    shown = translated(context, source)
    return shown[shown.index("&") + 1].lower()


def translated_run(speech):
    """Ana, the first height, 80,5 kg, the second answer to the first
    question and the first to the others: 13 points, a high risk."""
    mark = speech.mark()
    program = start_program(PROGRAM)
    activate(wait_for("the main window",
                      lambda: (windows(program.pid, MAIN_TITLE) or [None])[0]))
    wait_for(lambda: speech.missed("the name box to be read", mark),
             lambda: heard(speech, mark, [translated("frmMain", "Enter Name")]), SPEECH_SECONDS)
    question = translated("frmMain", "Question %1 of %2")
    next_question = "alt+" + access_key("frmMain", "Next &Question")
    table = [
        (["F10"], [translated("frmMain", "E&xit").replace("&", "")]),
        (["Escape", "Escape"], [translated("frmMain", "Enter Name")]),
        (["type:Ana", "Tab", "Tab", "type:80,5",
          "alt+" + access_key("frmMain", "&Take the Diabetes Risk Test")],
         [question.replace("%1", "1").replace("%2", "5"),
          translated("Scoring", "1. What is your age?"),
          translated("Scoring", "Less than 45 years old")]),
        (["Tab", "Down"], [translated("Scoring", "Between 45 to 64 years old")]),
        ([next_question], [question.replace("%1", "2").replace("%2", "5")]),
        ([next_question] * 4,
         [translated("Scoring", "Your Score is: %1").replace("%1", "13"),
          translated("Scoring", "You are at a High Risk of having Type 2 Diabetes now. "
                                "Please consult your doctor.")]),
        (["alt+" + access_key("frmMain", "&File"), access_key("frmMain", "E&xit")],
         [translated("frmExitScreen", "%1: Exit Screen").replace("%1", MAIN_TITLE)]),
    ]
    for row, phrases in table:
        press(speech, row, phrases)
    chord("alt+" + access_key("frmExitScreen", "E&xit"))
    wait_exit(program)


def main():
    private_desktop(accessibility=True)
    pyatspi = accessibility()
    speech = start_orca()
    if TRANSLATIONS:
        translated_run(speech)
        return

    mark = speech.mark()
    program = start_program(PROGRAM)
    main_window = wait_for("the main window",
                           lambda: (windows(program.pid, MAIN_TITLE) or [None])[0])
    activate(main_window)
    wait_for(lambda: speech.missed("the name box to be read", mark),
             lambda: heard(speech, mark, ["Enter Name text"]), SPEECH_SECONDS)
    app = app_node(pyatspi, program.pid)

    check_role(pyatspi, app, (MAIN_TITLE, "frame"))

    # Keys, then what Orca says, and where a window comes up, the role it is
    # given: a run of Ann, 5'8'', 180 pounds, 45 to 64 years old, no brother
    # or sister with diabetes, exercise, a baby of 9 pounds or more and no
    # parent with diabetes. The height is chosen in the closed list and in the
    # open one, which say it in the same words.
    table = [
        (["type:Ann", "Tab"], ["Enter Height combo box", "4 feet 10 inches"]),
        (["shift+Tab"], ["Enter Name text", "Ann selected"]),
        (["Tab"], ["Enter Height combo box", "4 feet 10 inches"]),
        (["Down"], ["4 feet 11 inches"]),
        (["alt+Down"], ["List with 19 items"]),
        (["Down"] * 9, ["5 feet 8 inches"]),
        (["Return"], ["Enter Height combo box", "5 feet 8 inches"]),
        (["Tab"], ["Enter Weight text", "pounds"]),
        (["alt+t"], ["Please enter your weight"]),
        (["Return"], ["Enter Weight text"]),
        (["type:180", "alt+t"],
         ["Next Question push button", "Question 1 of 5. 1. What is your age? Less than 45 years old"]),
        (["Tab"], ["What is your age? combo box", "Less than 45 years old"]),
        (["Down"], ["Between 45 to 64 years old"]),
        (["shift+Tab"], ["Next Question push button",
                         "Question 1 of 5. 1. What is your age? Between 45 to 64 years old"]),
        (["Tab"], ["What is your age? combo box"]),
        (["alt+q"], ["Question 2 of 5. 2. Do you have any brother or sister suffering "
                     "from diabetes? Yes"]),
        (["Down"], ["No"]),
        (["alt+q"], ["Question 3 of 5. 3. Do you exercise"]),
        (["alt+q"], ["Question 4 of 5. 4. Are you a woman who gave birth"]),
        (["alt+q"], ["Question 5 of 5. 5. Do you have any parent"]),
        (["Down"], ["No"]),
        (["alt+q"], ["Result panel", "Main Screen push button",
                     "Your Score is: 11. You are at a High Risk of having Type 2 Diabetes now. "
                     "Please consult your doctor."]),
        (["alt+m"], ["Personal Details panel", "Enter Name text"]),
        (["F10"], ["Exit"]),
        (["Escape", "Escape"], ["Enter Name text"]),
        (["alt+h", "a"], ["dialog", "OK push button"], (MAIN_TITLE, "dialog")),
        (["Tab"], ["Kelo Diabetes Risk Calculator icon image"]),
        (["Escape"], ["Enter Name text"]),
        (["alt+h", "c"], ["How Is My Score Calculated?", "OK push button"],
         ("How Is My Score Calculated?", "dialog")),
        (["Escape"], ["Enter Name text"]),
    ]
    for row, phrases, *window in table:
        press(speech, row, phrases)
        if window:
            check_role(pyatspi, app, window[0])

    mark = speech.mark()
    chord("alt+f")
    keys("x")
    message = support_message(pyatspi, app)
    wait_for(lambda: speech.missed("the exit screen and its message", mark),
             lambda: heard(speech, mark, ["Exit Screen", message, "Exit push button"]),
             SPEECH_SECONDS)
    print("-- alt+f x: %r" % speech.since(mark), flush=True)
    check_role(pyatspi, app, (MAIN_TITLE + ": Exit Screen", "frame"))
    exit_table = [
        (["Tab", "Tab", "Tab"], ["Your Name text"]),
        (["Tab"], ["Refer A Friend Now push button"]),
        (["Tab"], ["Your Email Address text"]),
        (["Tab"], ["Friend's Email Address text"]),
        (["Tab"], ["Friend's Name text"]),
    ]
    for row, phrases in exit_table:
        press(speech, row, phrases)
    chord("alt+x")
    wait_exit(program)


if __name__ == "__main__":
    run_test(main)
