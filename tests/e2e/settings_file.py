"""The program's settings file and instance lock, where a private home
(desktop.private_home) puts them.

Keys and values are kept scrambled: every character moved three codes up,
one that would leave single-byte codes dropped.
"""

import os

APP_NAME = "KeloFreeDiabetesRiskCalculator"
OFFSET = 3


def _shifted(text, offset):
    return "".join(chr(ord(c) + offset) for c in text
                   if ord(c) <= 0xFF and 0 <= ord(c) + offset <= 0xFF)


def scramble(text):
    return _shifted(text, OFFSET)


def unscramble(text):
    return _shifted(text, -OFFSET)


def path():
    return os.path.join(os.environ["XDG_CONFIG_HOME"], APP_NAME, APP_NAME + ".ini")


def lock_path():
    return os.path.join(os.environ["XDG_RUNTIME_DIR"], APP_NAME + ".lock")


def write(install, date):
    """A settings file of an earlier start: its install count and date."""
    os.makedirs(os.path.dirname(path()), exist_ok=True)
    with open(path(), "w") as ini:
        ini.write("[Settings]\n%s=%s\n%s=%s\n" % (
            scramble("Duration"), scramble(date.isoformat()),
            scramble("Install"), scramble(install)))


def entries():
    """The entries, as stored; none while there is no file."""
    if not os.path.isfile(path()):
        return {}
    with open(path(), encoding="latin-1") as ini:
        return dict(line.rstrip("\n").split("=", 1) for line in ini if "=" in line)
