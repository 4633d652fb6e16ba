#!/usr/bin/python3
"""Screenshots of the main window with a result, one per language.

Starts the real program on a private Xvfb display with openbox (the
end-to-end tests' desktop, tests/e2e), once per locale with a first start's
empty folders, takes the risk test by keys alone (Tab, the arrows and Space,
so that no access key of any language is needed): a name, the height 170 cm
or 5'7'', a weight over its limit in the locale's units and form, the five
answers; then saves the main window, once it has stopped changing, as
packaging/screenshots/<locale>.png (ImageMagick's import -window, without
the date chunks, so that an unchanged window gives the same file).

Usage: scripts/screenshots.py [PROGRAM] [LOCALE...]
PROGRAM defaults to build/src/KeloFreeDiabetesRiskCalculator; the locales
to all of those below. Needs /usr/bin/python3 with pyatspi, Xvfb, openbox,
xdotool and ImageMagick (scripts/install-deps.sh --tests).
"""

import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
from high_risk_run import CHOICES, HEIGHT_ROW, MAIN_TITLE

# Each locale's name typed, and a weight over the limit of 170 cm as the
# locale writes it: pounds in the United States, kilograms elsewhere.
LOCALES = {
    "en_US": ("Ann", "180"),
    "es_ES": ("Ana", "80,5"),
    "fr_FR": ("Marie", "80,5"),
    "pt_BR": ("Ana", "80,5"),
    "zh_CN": ("Li", "80.5"),
    "hi_IN": ("Asha", "80.5"),
    "ar_EG": ("Ann", "80.5"),
}
OUTPUT = os.path.join(ROOT, "packaging", "screenshots")


def focused(pyatspi, desktop, app, role):
    return next((node for node in desktop.find_all(pyatspi, app, role)
                 if node.getState().contains(pyatspi.STATE_FOCUSED)), None)


def window_image(window):
    return subprocess.run(["import", "-window", window, "-strip", "-define",
                           "png:exclude-chunks=date,time", "png:-"],
                          capture_output=True, timeout=30, check=True).stdout


def take_test(pyatspi, desktop, program, name, weight):
    """The details, the five answers; gives the main window at the result."""
    main = desktop.wait_for("the main window",
                            lambda: (desktop.windows(program.pid, MAIN_TITLE) or [None])[0])
    app = desktop.app_node(pyatspi, program.pid)
    name_box = desktop.wait_for("the focus in the name box",
                                lambda: focused(pyatspi, desktop, app, "text"))
    desktop.activate(main)
    desktop.type_text(name)
    desktop.wait_for("the name typed", lambda: name_box.queryText().getText(0, -1) == name, 5)
    desktop.keys("Tab", *["Down"] * HEIGHT_ROW, "Tab")
    desktop.type_text(weight)
    desktop.wait_for("the weight typed", lambda: (
        focused(pyatspi, desktop, app, "text") or name_box).queryText().getText(0, -1) == weight, 5)
    desktop.keys("Tab", "space")
    # The focus goes to Next Question, and after the fifth answer to the
    # result's Main Screen.
    next_question = desktop.wait_for("the focus on Next Question",
                                     lambda: focused(pyatspi, desktop, app, "push button"))
    for choice in CHOICES:
        desktop.wait_for("the focus on Next Question", lambda: (
            focused(pyatspi, desktop, app, "push button") or name_box).name == next_question.name, 5)
        desktop.keys("Tab", *["Down"] * choice, "shift+Tab", "space")
    desktop.wait_for("the result", lambda: (focused(pyatspi, desktop, app, "push button")
                                            or next_question).name != next_question.name, 10)
    return main


def screenshot(pyatspi, desktop, program_path, locale):
    name, weight = LOCALES[locale]
    for variable in [v for v in os.environ if v.startswith("LC_") or v == "LANGUAGE"]:
        del os.environ[variable]
    program = desktop.start_program(program_path, LANG=locale + ".UTF-8")
    main = take_test(pyatspi, desktop, program, name, weight)
    # No pointer over a link; the window must look the same twice running.
    subprocess.run(["xdotool", "mousemove", "0", "0"], check=True)
    shots = [window_image(main)]

    def steady():
        shots.append(window_image(main))
        return shots[-1] == shots[-2]
    desktop.wait_for("the window to stop changing", steady, 10)
    path = os.path.join(OUTPUT, locale + ".png")
    with open(path, "wb") as png:
        png.write(shots[-1])
    print("%s: %s" % (locale, path), flush=True)
    desktop.quit_by_keys(program, main)


def main():
    args = sys.argv[1:]
    program = os.path.abspath(args.pop(0) if args and os.path.sep in args[0] else
                              os.path.join(ROOT, "build", "src", "KeloFreeDiabetesRiskCalculator"))
    locales = args or list(LOCALES)
    unknown = [locale for locale in locales if locale not in LOCALES]
    if unknown:
        sys.exit("screenshots: no name and weight for %s; known: %s"
                 % (", ".join(unknown), " ".join(LOCALES)))
    if "KELO_SCREENSHOTS_DISPLAY" not in os.environ:
        # Again, on a private display of its own.
        os.environ["KELO_SCREENSHOTS_DISPLAY"] = "1"
        os.execv("/bin/sh", ["sh", os.path.join(ROOT, "tests", "e2e", "with_xvfb.sh"),
                             "/usr/bin/python3", os.path.abspath(__file__), program, *locales])
    import desktop

    def take_all():
        desktop.private_desktop(accessibility=True)
        pyatspi = desktop.accessibility()
        for locale in locales:
            screenshot(pyatspi, desktop, program, locale)
    desktop.run_test(take_all)


if __name__ == "__main__":
    main()
