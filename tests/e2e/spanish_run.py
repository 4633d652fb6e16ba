#!/usr/bin/python3
"""The whole test in Spanish, in the units of the locale.

Starts the real program on a private X display (start it under with_xvfb.sh)
under LANG=es_ES.UTF-8, with LANGUAGE and every LC_ variable unset, takes the
test by keys alone and reads the window back through AT-SPI, each text read
as kelo_es.ts translates it (tst_windowtext_es sees every text of every
window translated). The height is chosen in centimetres and the weight typed
in kilograms with a decimal comma, a hair over the pound at which its height
scores. A second start under es_US.UTF-8 speaks Spanish in feet, inches and
pounds.

Usage: spanish_run.py PROGRAM KELO_ES_TS
"""

import os
import sys

from desktop import (accessibility, activate, fail, find_all, find_one, keys, private_desktop,
                     run_test, start_in_locale, type_text, wait_exit, wait_for, window_size,
                     windows)
from high_risk_run import CHOICES, HEIGHT_ROW, HIGH_VERDICT, MAIN_TITLE, SCORE
from ts_file import finished_translations

PROGRAM = os.path.abspath(sys.argv[1])
BOX_TITLE = "Kelo Diabetes Risk Calculator"
# Qt's own translation of the message box button.
OK_BUTTON = "Aceptar"
HEIGHT = "170 cm"
# 171.5002 pounds, which rounds to 172: 77,7910 kg would be 171.4999 and round down to 171.
KILOGRAMS = "77,7911"


TRANSLATIONS = finished_translations(sys.argv[2])


def spanish(context, source):
    """The translation of source as the window shows it, its access key mark
    dropped; it must not read as the English."""
    shown = TRANSLATIONS.get((context, source), source).replace("&", "")
    if shown == source.replace("&", ""):
        fail("kelo_es.ts has no finished Spanish for %r" % source)
    return shown


def access_key(context, source):
    translation = TRANSLATIONS[(context, source)]
    return "alt+" + translation[translation.index("&") + 1].lower()


def showing_list(pyatspi, app):
    """The drop-down list of the panel in front."""
    return wait_for("a drop-down list", lambda: find_all(pyatspi, app, "combo box"))[0]


def wait_name(node, name, seconds=5):
    wait_for(lambda: "%r (it is %r)" % (name, node.name), lambda: node.name == name, seconds)


def quit_by_keys(program, main):
    """Alt+F4, then Enter on the exit screen's Exit."""
    activate(main)
    keys("alt+F4")
    exit_screen = wait_for("the exit screen", lambda: [
        w for w in windows(program.pid, MAIN_TITLE) if window_size(w)[0] > 600])[0]
    activate(exit_screen)
    keys("Return")
    wait_exit(program)


def metric_run(pyatspi):
    print("-- es_ES: Spanish, centimetres and kilograms", flush=True)
    program, app, main = start_in_locale(pyatspi, PROGRAM, MAIN_TITLE, "es_ES.UTF-8")
    find_one(pyatspi, app, "label", spanish("frmMain", "centimetres"))
    find_one(pyatspi, app, "label", spanish("frmMain", "kilograms"))
    height = showing_list(pyatspi, app)
    activate(main)
    type_text("Ana")
    keys("Tab", *["Down"] * HEIGHT_ROW)
    wait_name(height, HEIGHT)

    print("-- a weight in words: the message in kilograms", flush=True)
    keys("Tab")
    type_text("sesenta")
    start_test = access_key("frmMain", "&Take the Diabetes Risk Test")
    keys(start_test)
    alert = find_one(pyatspi, app, "alert", BOX_TITLE)
    find_one(pyatspi, alert, "label",
             spanish("frmMain", "Please enter a valid weight in kilograms, e.g. %1")
             .replace("%1", "80,5"))
    find_one(pyatspi, alert, "push button", OK_BUTTON)
    activate(wait_for("the message box", lambda: (windows(program.pid, BOX_TITLE) or [None])[0]))
    keys("Return")
    wait_for("the message box to close", lambda: not windows(program.pid, BOX_TITLE))

    print("-- %s kg and five answers" % KILOGRAMS, flush=True)
    activate(main)
    keys("ctrl+a")
    type_text(KILOGRAMS)
    weight = find_one(pyatspi, app, "text", spanish("frmMain", "Enter Weight"))
    wait_for(lambda: "the weight %s (it is %r)" % (KILOGRAMS, weight.queryText().getText(0, -1)),
             lambda: weight.queryText().getText(0, -1) == KILOGRAMS, 5)
    # The focus goes to Next Question; the answer list follows it.
    keys(start_test, "Tab")
    for choice in CHOICES:
        keys(*["Down"] * choice, access_key("frmMain", "Next &Question"))
    find_one(pyatspi, app, "label",
             spanish("Scoring", "Your Score is: %1").replace("%1", str(SCORE)))
    find_one(pyatspi, app, "label", spanish("Scoring", HIGH_VERDICT))
    quit_by_keys(program, main)


def imperial_run(pyatspi):
    print("-- es_US: Spanish, feet, inches and pounds", flush=True)
    program, app, main = start_in_locale(pyatspi, PROGRAM, MAIN_TITLE, "es_US.UTF-8")
    wait_name(showing_list(pyatspi, app), "4'10''")
    find_one(pyatspi, app, "label", spanish("frmMain", "feet/inches"))
    find_one(pyatspi, app, "label", spanish("frmMain", "pounds"))
    quit_by_keys(program, main)


def main():
    private_desktop(accessibility=True)
    pyatspi = accessibility()
    metric_run(pyatspi)
    imperial_run(pyatspi)


if __name__ == "__main__":
    run_test(main)
