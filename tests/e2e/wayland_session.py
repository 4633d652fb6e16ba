#!/usr/bin/python3
"""The real program on a Wayland desktop: mutter, headless, with Xwayland.

With an X server at hand (DISPLAY set beside WAYLAND_DISPLAY) the program
must run through it, so that its exit screen stays on top; with Wayland alone
it must run natively. Which platform plugin a run loaded is read from the
process's memory map; its windows are read back through Xwayland (xdotool,
xprop) and the accessibility tree (AT-SPI), and driven through AT-SPI actions.
(weston will not do here: its X window manager drops every window state but
full screen and maximised.)

Exits with 77 (skipped) only when mutter itself cannot start.

Usage: wayland_session.py PROGRAM
"""

import glob
import os
import shutil
import subprocess
import sys

from desktop import (TMP, app_node, fail, find_all, run_test, spawn,
                     start_accessibility_buses, wait_for)

PROGRAM = os.path.abspath(sys.argv[1])
TITLE = "Kelo Diabetes Risk Calculator v1.10"
SOCKET = "kelo-wayland"
SKIP = 77


def logged(args, log, env=None):
    """Starts args with its output going to the file log."""
    with open(log, "w") as sink:
        return spawn(args, env=env, output=sink)


def read(path):
    try:
        with open(path, errors="replace") as text:
            return text.read()
    except FileNotFoundError:
        return ""


def run(args, display):
    env = dict(os.environ, DISPLAY=display)
    return subprocess.run(args, env=env, capture_output=True, text=True).stdout


# ---------------------------------------------------------------- desktop

def private_session():
    for folder in ("config-x", "config-wayland", "cache", "data", "runtime", "bin"):
        os.makedirs(os.path.join(TMP, folder))
    os.chmod(os.path.join(TMP, "runtime"), 0o700)
    os.environ.update({
        "XDG_CACHE_HOME": os.path.join(TMP, "cache"),
        "XDG_DATA_HOME": os.path.join(TMP, "data"),
        "XDG_RUNTIME_DIR": os.path.join(TMP, "runtime"),
        "GSETTINGS_BACKEND": "memory",
        "NO_AT_BRIDGE": "0",
    })
    # Only what each run is given below may tell the program where it is.
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "XAUTHORITY",
                 "QT_QPA_PLATFORM", "AT_SPI_BUS_ADDRESS", "BROWSER", "DEFAULT_BROWSER",
                 "SESSION_MANAGER"):
        os.environ.pop(name, None)

    start_accessibility_buses()

    # The stand-in browser notes each address and the platform it was handed.
    opener = os.path.join(TMP, "bin", "xdg-open")
    with open(opener, "w") as script:
        script.write('#!/bin/sh\nprintf "%%s QT_QPA_PLATFORM=%%s\\n" "$1" '
                     '"${QT_QPA_PLATFORM-(unset)}" >> "%s"\n'
                     % os.path.join(TMP, "opened.log"))
    os.chmod(opener, 0o755)


def start_mutter():
    """Starts mutter; gives the X display of its Xwayland and its key."""
    if shutil.which("mutter") is None:
        print("SKIP: mutter is not installed", file=sys.stderr)
        sys.exit(SKIP)
    log = os.path.join(TMP, "mutter.log")
    mutter = logged(["mutter", "--headless", "--wayland", "--wayland-display=" + SOCKET,
                     "--virtual-monitor", "1280x1024", "--sm-disable"], log)
    runtime = os.environ["XDG_RUNTIME_DIR"]

    def display():
        if mutter.poll() is not None:
            print("SKIP: mutter cannot start here (status %d):\n%s"
                  % (mutter.returncode, read(log)), file=sys.stderr)
            sys.exit(SKIP)
        keys = glob.glob(os.path.join(runtime, ".mutter-Xwaylandauth.*"))
        for line in read(log).splitlines():
            if "Using public X11 display :" in line and keys and os.path.exists(
                    os.path.join(runtime, SOCKET)):
                return line.split("display ", 1)[1].split(",")[0], keys[0]
        return None
    x_display, key = wait_for("mutter and its X display", display, 30)
    os.environ["XAUTHORITY"] = key
    # The X side is managed once mutter has marked the root window.
    wait_for("Xwayland and its window manager", lambda: "window id" in run(
        ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], x_display), 30)
    return x_display


# ---------------------------------------------------------------- program

def start_program(case, **where):
    env = {name: value for name, value in os.environ.items() if name != "XAUTHORITY"}
    # As a Wayland session sets them; X only where a run is given DISPLAY.
    env.update(WAYLAND_DISPLAY=SOCKET, XDG_SESSION_TYPE="wayland", **where)
    env["PATH"] = os.path.join(TMP, "bin") + os.pathsep + env["PATH"]
    env["XDG_CONFIG_HOME"] = os.path.join(TMP, "config-" + case)
    log = os.path.join(TMP, case + ".stderr")
    return logged([PROGRAM], log, env=env), log


def platform_plugins(program):
    """The platform plugins mapped into the program's memory."""
    maps = read("/proc/%d/maps" % program.pid)
    return sorted({name for name in ("libqxcb.so", "libqwayland-generic.so")
                   if "/platforms/" + name in maps})


def ends_cleanly(program, log):
    """Waits for the program's end: status 0, no complaint from Qt's platform."""
    wait_for("the program to end", lambda: program.poll() is not None, 15)
    if program.returncode != 0:
        fail("the program ended with status %d:\n%s" % (program.returncode, read(log)))
    warnings = [line for line in read(log).splitlines() if "qt.qpa" in line]
    if warnings:
        fail("platform warnings:\n" + "\n".join(warnings))


def x_windows(pid, display):
    ids = run(["xdotool", "search", "--onlyvisible", "--pid", str(pid),
               "--name", "."], display).split()
    return [w for w in ids if run(["xdotool", "getwindowname", w], display).strip() == TITLE]


def window_width(window, display):
    for line in run(["xwininfo", "-id", window], display).splitlines():
        if line.strip().startswith("Width:"):
            return int(line.split()[1])
    return 0


# ---------------------------------------------------------------- AT-SPI

def shown_windows(pyatspi, app):
    """The program's windows that are on screen, as the accessibility tree
    has them."""
    def shown(node):
        try:
            return node.name == TITLE and node.getState().contains(pyatspi.STATE_SHOWING)
        except Exception:
            return False
    return [node for node in app if shown(node)]


def press(pyatspi, app, role, name, only_showing=True):
    """Runs the named control's Press action, as a click would."""
    node = wait_for("%s %r" % (role, name), lambda: (
        find_all(pyatspi, app, role, name, only_showing) or [None])[0], 10)
    action = node.queryAction()
    names = [action.getName(index) for index in range(action.nActions)]
    if "Press" not in names:
        fail("%s %r offers no Press action: %r" % (role, name, names))
    action.doAction(names.index("Press"))


# ---------------------------------------------------------------- the runs

def start_shown(pyatspi, case, plugin, **where):
    """Starts the program; waits for its main window and checks which
    platform plugin it loaded."""
    program, log = start_program(case, **where)
    app = app_node(pyatspi, program.pid)
    wait_for("the main window", lambda: shown_windows(pyatspi, app))
    plugins = platform_plugins(program)
    if plugins != [plugin]:
        fail("platform plugins loaded: %r" % plugins)
    return program, log, app


def through_xwayland(pyatspi, display):
    print("-- WAYLAND_DISPLAY and DISPLAY: the program runs through Xwayland", flush=True)
    program, log, app = start_shown(pyatspi, "x", "libqxcb.so", DISPLAY=display,
                                    XAUTHORITY=os.environ["XAUTHORITY"])
    wait_for("the main window on Xwayland", lambda: x_windows(program.pid, display))

    # Qt was told "xcb" for this process only; the browser makes its own choice.
    press(pyatspi, app, "menu item", "Online Help", only_showing=False)
    opened = os.path.join(TMP, "opened.log")
    wait_for("the help page", lambda: read(opened))
    if not read(opened).endswith(" QT_QPA_PLATFORM=(unset)\n"):
        fail("the browser was started with %r" % read(opened))

    press(pyatspi, app, "menu item", "Exit", only_showing=False)
    exit_screen = wait_for("the exit screen on Xwayland", lambda: [
        w for w in x_windows(program.pid, display) if window_width(w, display) > 600])[0]
    wait_for("the exit screen to stay on top", lambda: "_NET_WM_STATE_ABOVE" in run(
        ["xprop", "-id", exit_screen, "_NET_WM_STATE"], display), 10)
    press(pyatspi, app, "push button", "Exit")
    ends_cleanly(program, log)


def natively(pyatspi):
    print("-- WAYLAND_DISPLAY alone: the program runs natively on Wayland", flush=True)
    program, log, app = start_shown(pyatspi, "wayland", "libqwayland-generic.so")
    press(pyatspi, app, "menu item", "Exit", only_showing=False)
    press(pyatspi, app, "push button", "Exit")
    ends_cleanly(program, log)


def main():
    private_session()
    display = start_mutter()
    # pyatspi binds to the session bus it finds when first imported.
    import pyatspi
    through_xwayland(pyatspi, display)
    natively(pyatspi)


if __name__ == "__main__":
    run_test(main)
