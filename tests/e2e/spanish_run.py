#!/usr/bin/python3
"""The whole test in Spanish, in the units of the locale.

Starts the real program on a private X display (start it under with_xvfb.sh)
under LANG=es_ES.UTF-8, with LANGUAGE and every LC_ variable unset, takes the
test by keys alone and reads the window back through AT-SPI. Each text read
is compared with its translation in kelo_es.ts and must not read as the
English. The heights show in centimetres and the weight is typed in
kilograms with a decimal comma, a hair over the pound at which its height
scores; the test works the score out itself. A second start under
es_US.UTF-8 speaks Spanish in feet, inches and pounds.

Usage: spanish_run.py PROGRAM KELO_ES_TS
"""

import os
import sys
from decimal import ROUND_HALF_EVEN, Decimal
from xml.etree import ElementTree

from desktop import (accessibility, activate, app_node, fail, find_all, find_one, keys,
                     private_desktop, run_test, start_program, type_text, wait_exit, wait_for,
                     window_size, windows)

PROGRAM = os.path.abspath(sys.argv[1])
MAIN_TITLE = "Kelo Diabetes Risk Calculator v1.10"
BOX_TITLE = "Kelo Diabetes Risk Calculator"
# Qt's own translation of the message box button.
OK_BUTTON = "Aceptar"

# The height list in a metric locale: 4'10'' to 6'4'' in whole centimetres.
CENTIMETRES = [147, 150, 152, 155, 157, 160, 163, 165, 168, 170, 173, 175, 178, 180, 183,
               185, 188, 191, 193]
# 170 cm (5'7''), which scores from 172 pounds.
HEIGHT_ROW, LIMIT_POUNDS = 9, 172
# 171.5002 pounds: 77,7910 kg would be 171.4999 and round down to 171.
KILOGRAMS = "77,7911"
KILOGRAMS_PER_POUND = Decimal("0.45359237")
# Each question, its answers with their points, and the answer chosen.
YES_NO = ["Yes", "No"]
QUESTIONS = [
    ("1. What is your age?",
     ["Less than 45 years old", "Between 45 to 64 years old", "65 years old or more"],
     [0, 5, 9], 1),
    ("2. Do you have any brother or sister suffering from diabetes?", YES_NO, [1, 0], 0),
    ("3. Do you exercise for atleast 3 times week for atleast 30 minutes per day?",
     YES_NO, [0, 5], 0),
    ("4. Are you a woman who gave birth to a baby who weighed 9 pounds or more at birth?",
     YES_NO, [1, 0], 1),
    ("5. Do you have any parent (father or mother) suffering from diabetes?", YES_NO, [1, 0], 1),
]


def finished_translations(path):
    """(context, source) to translation, for the finished messages of a .ts file."""
    found = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation.get("type") is None and translation.text:
                found[(context.findtext("name"), message.findtext("source"))] = translation.text
    return found


TRANSLATIONS = finished_translations(sys.argv[2])


def spanish_texts(context, *sources):
    """The translations of sources as the windows show them, access key marks
    dropped; together they must not read as the English ("No" alone may)."""
    missing = [source for source in sources if (context, source) not in TRANSLATIONS]
    if missing:
        fail("kelo_es.ts has no finished translation of %r" % missing)
    shown = [TRANSLATIONS[(context, source)].replace("&", "") for source in sources]
    if shown == [source.replace("&", "") for source in sources]:
        fail("kelo_es.ts keeps the English of %r" % (sources,))
    return shown


def spanish(context, source):
    return spanish_texts(context, source)[0]


def access_key(context, source):
    translation = TRANSLATIONS[(context, source)]
    return "alt+" + translation[translation.index("&") + 1].lower()


def pounds(kilograms):
    """Whole pounds of a weight typed in kilograms, a half to the even pound."""
    exact = Decimal(kilograms.replace(",", ".")) / KILOGRAMS_PER_POUND
    return int(exact.to_integral_value(rounding=ROUND_HALF_EVEN))


def expected_verdict(total):
    if total <= 2:
        return "You are at a Very Low Risk of having Type 2 Diabetes now."
    if total <= 9:
        return "You are at a Low Risk of having Type 2 Diabetes now."
    return "You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor."


def start(pyatspi, locale):
    for name in [name for name in os.environ if name.startswith("LC_") or name == "LANGUAGE"]:
        del os.environ[name]
    program = start_program(PROGRAM, LANG=locale)
    main = wait_for("the main window", lambda: (windows(program.pid, MAIN_TITLE) or [None])[0])
    return program, app_node(pyatspi, program.pid), main


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
    program, app, main = start(pyatspi, "es_ES.UTF-8")
    bar = wait_for("the menu bar", lambda: find_all(pyatspi, app, "menu bar"))[0]
    entries = [bar.getChildAtIndex(index).name for index in range(bar.childCount)]
    if entries != spanish_texts("frmMain", "&File", "&Help", "&Donate", "Make Money &Online"):
        fail("the menu bar shows %r" % entries)
    find_one(pyatspi, app, "label", spanish("frmMain", "centimetres"))
    find_one(pyatspi, app, "label", spanish("frmMain", "kilograms"))

    print("-- the heights, one by one", flush=True)
    height = showing_list(pyatspi, app)
    activate(main)
    type_text("Ana")
    keys("Tab")
    heights = [height.name]
    for _ in CENTIMETRES[1:]:
        keys("Down")
        wait_for(lambda: "the entry after %r" % heights[-1], lambda: height.name != heights[-1], 5)
        heights.append(height.name)
    if heights != ["%d cm" % centimetres for centimetres in CENTIMETRES]:
        fail("the height list holds %r" % heights)
    keys(*["Up"] * (len(CENTIMETRES) - 1 - HEIGHT_ROW))
    wait_name(height, heights[HEIGHT_ROW])

    print("-- a weight in words: the message in kilograms", flush=True)
    keys("Tab")
    type_text("sesenta")
    start_test = access_key("frmMain", "&Take the Diabetes Risk Test")
    keys(start_test)
    alert = find_one(pyatspi, app, "alert", BOX_TITLE)
    find_one(pyatspi, alert, "label",
             spanish("frmMain", "Please enter a valid weight in kilograms"))
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
    keys(start_test)
    next_question = access_key("frmMain", "Next &Question")
    question_number = spanish("frmMain", "Question %1 of %2")
    for number, (question, options, _, choice) in enumerate(QUESTIONS, 1):
        find_one(pyatspi, app, "label",
                 question_number.replace("%1", str(number)).replace("%2", str(len(QUESTIONS))))
        find_one(pyatspi, app, "label", spanish("Scoring", question))
        answers = spanish_texts("Scoring", *options)
        answer_list = showing_list(pyatspi, app)
        wait_name(answer_list, answers[0])
        if number == 1:
            # The focus is on Next Question; the answer list follows it.
            keys("Tab")
        for answer in answers[1:choice + 1]:
            keys("Down")
            wait_name(answer_list, answer)
        keys(next_question)

    weight_points = 5 if pounds(KILOGRAMS) >= LIMIT_POUNDS else 0
    total = weight_points + sum(points[choice] for _, _, points, choice in QUESTIONS)
    score_line = spanish("Scoring", "Your Score is: %1").replace("%1", str(total))
    verdict = spanish("Scoring", expected_verdict(total))
    print("-- the result: %s %s" % (score_line, verdict), flush=True)
    find_one(pyatspi, app, "label", score_line)
    find_one(pyatspi, app, "label", verdict)
    quit_by_keys(program, main)


def imperial_run(pyatspi):
    print("-- es_US: Spanish, feet, inches and pounds", flush=True)
    program, app, main = start(pyatspi, "es_US.UTF-8")
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
