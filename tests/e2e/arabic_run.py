#!/usr/bin/python3
"""The whole test by keys in Arabic: mirrored, in Arabic, saved as a PDF.

Starts the real program on a private X display with openbox (start it under
with_xvfb.sh), first under LANG=en_US.UTF-8 to see where the name box, the
button that starts the test and the File menu sit, then under
LANG=ar_EG.UTF-8, with LANGUAGE and every LC_ variable unset. In Arabic each
of them must sit at the mirror image of its English place in the main window
(x becomes the window's width minus x minus the width, within 1 px; the menu
from the right), and show its text as kelo_ar.ts translates it.

The test is then taken by keys alone (Tab, the arrows and Space: the access
keys are Arabic letters): a name in Latin letters, 170 cm, a weight typed in
ASCII digits with a dot, the five answers; the score and the verdict are read
back in Arabic, and the result saved as a PDF through Ctrl+Shift+S and Qt's
save dialog. pdftotext must give the page's Arabic headings, the verdict, the
name, the weight and the score in logical order (the order they are written
in, whatever the direction they are drawn in), word by word: pdftotext
itself moves punctuation and spaces at the edges of right-to-left runs, so
those are not compared. Numbers may show in ASCII or Arabic-Indic digits.

Every check is made, and every failure listed, before the run fails; a step
the next one depends on fails at once. Skipped (status 77) while there is no
Arabic translation.

Usage: arabic_run.py PROGRAM KELO_AR_TS
"""

import itertools
import os
import re
import subprocess
import sys
import time
import unicodedata

from desktop import (TMP, accessibility, activate, fail, find_all, find_one, keys,
                     private_desktop, quit_by_keys, run, run_test, start_in_locale, type_text,
                     wait_for, windows)
from high_risk_run import CHOICES, HEIGHT_ROW, HIGH_VERDICT, MAIN_TITLE, SCORE
from ts_file import finished_translations

PROGRAM = os.path.abspath(sys.argv[1])
TS_FILE = sys.argv[2]
NAME = "Ann"
HEIGHT_CM = "170"
# 80.5 kg is 177.5 pounds, over the limit of 170 cm.
WEIGHT = "80.5"

FAILURES = []
TRANSLATIONS = {}

# Marks that steer the direction of text without being seen.
BIDI_MARKS = dict.fromkeys(map(ord, "\u200e\u200f\u061c\u202a\u202b\u202c\u202d\u202e"
                                    "\u2066\u2067\u2068\u2069"))
# Arabic-Indic and Eastern Arabic-Indic digits, the Arabic decimal mark.
PLAIN_DIGITS = {**{0x660 + d: str(d) for d in range(10)},
                **{0x6f0 + d: str(d) for d in range(10)}, 0x66b: "."}


def plain(text):
    """text with its letters in their base forms (a PDF may give the
    presentation forms of shaped Arabic) without their vowel marks (which
    pdftotext moves to other letters, or parts from theirs by a space), bidi
    marks dropped, numbers in ASCII digits and runs of space made one."""
    kept = []
    for c in unicodedata.normalize("NFKC", text).translate(BIDI_MARKS).translate(PLAIN_DIGITS):
        if unicodedata.category(c) != "Mn":
            kept.append(c)
            continue
        # The mark goes, and the space pdftotext may have put before it.
        while kept and kept[-1].isspace():
            kept.pop()
    return " ".join("".join(kept).split())


def check(passed, message):
    if not passed:
        FAILURES.append(message)
        print("FAIL: " + message, file=sys.stderr, flush=True)
    return passed


def arabic(context, source, *arguments):
    """The translation of source as shown, its access key mark dropped and
    %1, %2... filled in; it must not read as the English."""
    translation = TRANSLATIONS.get((context, source))
    if translation is None or translation == source:
        fail("kelo_ar.ts has no finished Arabic for %r" % source)
    for number, argument in enumerate(arguments, 1):
        translation = translation.replace("%%%d" % number, str(argument))
    return translation.replace("&", "")


def find_named(pyatspi, app, role, text, seconds=10):
    """The showing node of role whose name reads as text, digits and bidi
    marks aside."""
    wanted = plain(text)
    return wait_for("%s %r" % (role, text), lambda: next(
        (node for node in find_all(pyatspi, app, role) if plain(node.name) == wanted), None),
        seconds)


# ---------------------------------------------------------------- places

def client_left_and_width(window):
    info = run(["xwininfo", "-id", window])
    found = [re.search(r"%s:\s+(-?\d+)" % key, info) for key in ("Absolute upper-left X", "Width")]
    if not all(found):
        fail("xwininfo gives no place for window %s" % window)
    return tuple(int(value.group(1)) for value in found)


def across(pyatspi, node, window):
    """The node's left edge in the window's client area, and its width."""
    x, _, width, _ = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return x - client_left_and_width(window)[0], width


def places(pyatspi, app, window, nodes):
    """Each node's left edge and width, and the window's width."""
    return {name: across(pyatspi, node, window) for name, node in nodes.items()}, \
        client_left_and_width(window)[1]


def english_places(pyatspi):
    print("-- en_US: where the name box, the start button and File sit", flush=True)
    program, app, main = start_in_locale(pyatspi, PROGRAM, MAIN_TITLE, "en_US.UTF-8")
    nodes = {"name box": find_one(pyatspi, app, "text", "Enter Name"),
             "start button": find_one(pyatspi, app, "push button", "Take the Diabetes Risk Test"),
             "File menu": find_one(pyatspi, app, "menu item", "File")}
    found = places(pyatspi, app, main, nodes)
    quit_by_keys(program, main)
    return found


def check_mirrored(english, mirrored):
    """Each node at the mirror of its English place: x becomes the window's
    width minus x minus the width, within 1 px."""
    (english_places_, width), (arabic_places, arabic_width) = english, mirrored
    check(arabic_width == width, "the main window is %d px wide in Arabic, %d in English"
          % (arabic_width, width))
    for name, (x, w) in english_places_.items():
        arabic_x, arabic_w = arabic_places[name]
        if name == "File menu":
            # Its text differs in width: its right edge mirrors the English
            # left edge, the menu bar starting from the right.
            check(abs(arabic_x + arabic_w - (width - x)) <= 1,
                  "File menu: right edge at %d in Arabic; the mirror of its English left edge "
                  "%d is %d" % (arabic_x + arabic_w, x, width - x))
            continue
        check(abs(arabic_x - (width - x - w)) <= 1 and abs(arabic_w - w) <= 1,
              "%s: x %d, width %d in Arabic; the mirror of English x %d, width %d is x %d"
              % (name, arabic_x, arabic_w, x, w, width - x - w))


# ---------------------------------------------------------------- the run

def details(pyatspi, app, main):
    """The name, the height and the weight typed; gives the nodes whose
    places are checked."""
    nodes = {"name box": find_named(pyatspi, app, "text", arabic("frmMain", "Enter Name")),
             "start button": find_named(pyatspi, app, "push button",
                                        arabic("frmMain", "&Take the Diabetes Risk Test")),
             "File menu": find_named(pyatspi, app, "menu item", arabic("frmMain", "&File"))}
    find_named(pyatspi, app, "label", arabic("frmMain", "kilograms"))
    height = wait_for("the height list", lambda: find_all(pyatspi, app, "combo box"))[0]
    weight = find_named(pyatspi, app, "text", arabic("frmMain", "Enter Weight"))
    activate(main)
    type_text(NAME)
    keys("Tab", *["Down"] * HEIGHT_ROW)
    wait_for(lambda: "the height %s cm (it is %r)" % (HEIGHT_CM, height.name),
             lambda: plain(height.name).split()[:1] == [HEIGHT_CM], 5)
    keys("Tab")
    type_text(WEIGHT)
    wait_for(lambda: "the weight %s (it is %r)" % (WEIGHT, weight.queryText().getText(0, -1)),
             lambda: weight.queryText().getText(0, -1) == WEIGHT, 5)
    return nodes


def questions(pyatspi, app):
    """Each answer chosen in the list, Next Question pressed; the score and
    the verdict read back."""
    next_question = find_named(pyatspi, app, "push button", arabic("frmMain", "Next &Question"))
    for number, choice in enumerate(CHOICES, 1):
        find_named(pyatspi, app, "label", arabic("frmMain", "Question %1 of %2", number, 5))
        wait_for("the focus on Next Question",
                 lambda: next_question.getState().contains(pyatspi.STATE_FOCUSED), 5)
        keys("Tab", *["Down"] * choice, "shift+Tab", "space")
    find_named(pyatspi, app, "label", arabic("Scoring", "Your Score is: %1", SCORE))
    find_named(pyatspi, app, "label", arabic("Scoring", HIGH_VERDICT))
    main_screen = find_named(pyatspi, app, "push button", arabic("frmMain", "&Main Screen"))
    wait_for("the focus on Main Screen",
             lambda: main_screen.getState().contains(pyatspi.STATE_FOCUSED), 5)


def holds_within(seconds, condition):
    """Polls condition for up to seconds; gives whether it came to hold."""
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.05)
    return True


def save_as_pdf(pyatspi, app, pid):
    """Ctrl+Shift+S, a full path typed into Qt's save dialog, Enter; the text
    of the saved page."""
    title = arabic("frmMain", "Save Result as PDF")
    path = os.path.join(TMP, "saved", "result.pdf")
    os.makedirs(os.path.dirname(path))
    keys("ctrl+shift+s")
    dialog = wait_for("the save dialog", lambda: (windows(pid, title) or [None])[0])
    activate(dialog)
    # The file name box takes the focus; its name is Qt's own Arabic.
    name_box = wait_for("the focus in the file name box", lambda: next(
        (node for node in find_all(pyatspi, app, "text")
         if node.getState().contains(pyatspi.STATE_FOCUSED)), None), 10)
    keys("ctrl+a")
    type_text(path)
    typed = lambda: name_box.queryText().getText(0, -1)
    wait_for(lambda: "the path in the file name box (it holds %r)" % typed(),
             lambda: typed() == path, 10)
    # On a busy machine the dialog now and then lets an Enter go by while
    # its folder listing catches up with the path: Enter again while the
    # dialog is still there with the path and nothing has been saved.
    saved = lambda: os.path.exists(path) and os.path.getsize(path) > 0
    for attempt in range(3):
        if attempt:
            print("-- Enter again in the save dialog", flush=True)
        keys("Return")
        if holds_within(5, lambda: saved() or not windows(pid, title)):
            break
    wait_for(lambda: "the saved file (the file name box holds %r)" % typed(), saved, 15)
    # A file is written whole before the dialog's window goes.
    wait_for("the save dialog to close", lambda: not windows(pid, title), 15)
    return subprocess.run(["pdftotext", "-enc", "UTF-8", path, "-"], capture_output=True,
                          encoding="utf-8", timeout=30, check=True).stdout


def words(text):
    """The words and numbers of text in the order given: pdftotext moves the
    spaces and punctuation at the edges of a right-to-left run, and drops the
    space between a word and a number, so those are left out."""
    return re.findall(r"\d+(?:\.\d+)?|[A-Za-z]+|[^\W\dA-Za-z_]+", plain(text))


def reads_in_order(wanted, lines):
    """True when some lines in a row give the words of wanted in logical
    order. pdftotext may cut one drawn line into pieces and give them in an
    order of its own, each piece on a line: each piece must then be a run of
    wanted's words in order, and the pieces together all of them, once."""
    wanted = words(wanted)
    for count in range(1, 4):
        pieces = [words(line) for line in lines[:count]]
        if sum(map(len, pieces)) != len(wanted) or not all(pieces):
            continue
        starts = [[i for i in range(len(wanted) - len(piece) + 1)
                   if wanted[i:i + len(piece)] == piece] for piece in pieces]
        if any(tiles(choice, pieces) for choice in itertools.product(*starts)):
            return True
    return False


def tiles(starts, pieces):
    """True when the pieces, put at starts, follow one another from 0."""
    end = 0
    for start, length in sorted(zip(starts, map(len, pieces))):
        if start != end:
            return False
        end += length
    return True


def check_page(text):
    """In this order on the page: the title, the name and the weight each
    beside its label, the heading of the answers, the heading of the
    result, and right under it the score and the verdict (which the page
    repeats further down); each Arabic text whole and in logical order."""
    lines = [line for line in text.splitlines() if words(line)]
    position = 0
    # Each text, and how many lines after the one before it it may start.
    for wanted, within in (([arabic("ResultPage", "Diabetes Risk Test Result")], 0),
                           ([arabic("ResultPage", "Name:"), NAME], None),
                           ([arabic("ResultPage", "Weight:"), WEIGHT], None),
                           ([arabic("ResultPage", "Your answers")], None),
                           ([arabic("ResultPage", "Result")], None),
                           ([arabic("Scoring", "Your Score is: %1", SCORE)], 1),
                           ([arabic("Scoring", HIGH_VERDICT)], 1)):
        if len(wanted) == 1:
            found = lambda i, text=wanted[0]: reads_in_order(text, lines[i:])
        else:
            # A label, and its value on its line or on the one before or
            # after: pdftotext gives the table's two columns in an order of
            # its own.
            found = lambda i, pair=wanted: set(words(pair[0])) <= set(words(lines[i])) and set(
                words(pair[1])) <= set(words(" ".join(lines[max(i - 1, 0):i + 2])))
        last = len(lines) if within is None else min(len(lines), position + within + 1)
        at = next((i for i in range(position, last) if found(i)), None)
        if not check(at is not None, "the saved page lacks %s %s:\n%s" % (
                " and ".join(map(repr, wanted)), "after the texts before it" if within is None
                else "within %d line(s) of the text before it" % within, "\n".join(lines))):
            return
        position = at + 1


def main():
    global TRANSLATIONS
    if not os.path.exists(TS_FILE):
        print("SKIP: no Arabic translation at %s" % TS_FILE)
        sys.exit(77)
    TRANSLATIONS = finished_translations(TS_FILE)
    private_desktop(accessibility=True)
    pyatspi = accessibility()
    english = english_places(pyatspi)

    print("-- ar_EG: mirrored, Arabic texts; %s, %s cm, %s kg typed by keys"
          % (NAME, HEIGHT_CM, WEIGHT), flush=True)
    program, app, main_window = start_in_locale(pyatspi, PROGRAM, MAIN_TITLE, "ar_EG.UTF-8")
    nodes = details(pyatspi, app, main_window)
    # Read once the window has taken its first keys: it is laid out by then.
    check_mirrored(english, places(pyatspi, app, main_window, nodes))
    keys("Tab", "space")

    print("-- five answers; the score and the verdict in Arabic", flush=True)
    questions(pyatspi, app)

    print("-- saved as PDF, read back with pdftotext", flush=True)
    check_page(save_as_pdf(pyatspi, app, program.pid))
    quit_by_keys(program, main_window)
    if FAILURES:
        fail("%d check(s) failed:\n  %s" % (len(FAILURES), "\n  ".join(FAILURES)))


if __name__ == "__main__":
    run_test(main)
