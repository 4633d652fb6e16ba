"""The program's settings file and instance lock, where a private home
(desktop.private_home) puts them, read and written through settings_tool
(its path in KELO_SETTINGS_TOOL): Qt reads the file and the program's own
store writes it, so that nothing here repeats QSettings' INI rules or the
scrambling.

Keys and values are kept scrambled.
"""

import json
import os
import subprocess

APP_NAME = "KeloFreeDiabetesRiskCalculator"
SECTION = "Settings"


def _tool(*arguments):
    done = subprocess.run([os.environ["KELO_SETTINGS_TOOL"], *arguments],
                          stdout=subprocess.PIPE, check=True, timeout=30)
    return json.loads(done.stdout) if done.stdout else None


def scramble(text):
    return _tool("scramble", text)[0]


def unscramble(text):
    return _tool("unscramble", text)[0]


def path():
    return os.path.join(os.environ["XDG_CONFIG_HOME"], APP_NAME, APP_NAME + ".ini")


def lock_path():
    return os.path.join(os.environ["XDG_RUNTIME_DIR"], APP_NAME + ".lock")


def write(**plain):
    """Entries as an earlier start of the program saved them, by plain key
    and value: write(Install="7", Duration="2026-11-23")."""
    _tool("write", path(), *[text for pair in plain.items() for text in pair])


def all_entries():
    """Every entry of the program's settings file as stored, by QSettings'
    full key; none while there is no file."""
    return _tool("read", path())


def entries():
    """The program's entries, as stored (scrambled), by their stored key."""
    prefix = SECTION + "/"
    return {key[len(prefix):]: value for key, value in all_entries().items()
            if key.startswith(prefix)}
