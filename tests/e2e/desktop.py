"""A private desktop for driving the real program from outside.

Shared by the end-to-end scripts that run on a private X display (start them
under with_xvfb.sh): folders, session and accessibility buses, the window
manager, a stand-in browser, the program's windows as the window manager
lists them, keys through xdotool and widgets read back through AT-SPI.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TMP = tempfile.mkdtemp(prefix="kelo-e2e-")
CHILDREN = []


def fail(message):
    print("FAIL: " + message, file=sys.stderr, flush=True)
    sys.exit(1)


def wait_for(what, condition, seconds=15.0):
    """Polls condition until it gives something true; fails after seconds.
    what names the wait, or is called at the failure to describe it."""
    deadline = time.monotonic() + seconds
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            fail("timed out waiting for " + (what() if callable(what) else what))
        time.sleep(0.05)


def run(args):
    return subprocess.run(args, capture_output=True, text=True, timeout=30).stdout


def spawn(args, env=None, output=subprocess.DEVNULL):
    # Each in a process group of its own, so that what it starts in turn (the
    # accessibility bus launcher starts a bus daemon) goes with it.
    child = subprocess.Popen(args, env=env, stdout=output, stderr=output,
                             start_new_session=True)
    CHILDREN.append(child)
    return child


def end(child):
    if child.poll() is None:
        # Asked first: a compositor takes its own X server and sockets down.
        child.terminate()
        try:
            child.wait(5)
        except subprocess.TimeoutExpired:
            pass
    try:
        os.killpg(child.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    child.wait()


def cleanup():
    for child in reversed(CHILDREN):
        end(child)
    shutil.rmtree(TMP, ignore_errors=True)


def run_test(body):
    """Runs body on a clean slate and ends everything it started."""
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    started = time.monotonic()
    try:
        body()
    finally:
        cleanup()
    print("PASS in %.1f s" % (time.monotonic() - started))


# ---------------------------------------------------------------- desktop

def start_window_manager():
    """Under load openbox now and then cannot open the display and exits at
    once; it is started again, a few times. Its output goes to the log.
    Openbox names itself on the root window before it has finished starting,
    and a key pressed in between can be lost: it counts as up once its
    --startup command has run."""
    started = os.path.join(TMP, "wm-started")
    for attempt in range(1, 6):
        if os.path.exists(started):
            os.remove(started)
        wm = spawn(["openbox", "--sm-disable", "--startup", "touch '%s'" % started],
                   output=None)
        deadline = time.monotonic() + 10
        while wm.poll() is None and time.monotonic() < deadline:
            if os.path.exists(started) and "window id" in run(
                    ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]):
                return
            time.sleep(0.05)
        print("the window manager did not come up (try %d); starting it again"
              % attempt, file=sys.stderr, flush=True)
        end(wm)
    fail("the window manager did not start")


def start_accessibility_buses():
    """A private session bus and the accessibility bus on it."""
    bus = os.path.join(TMP, "bus")
    spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile",
           "--address=unix:path=" + bus])
    wait_for("the session bus", lambda: os.path.exists(bus), 10)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + bus
    spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])


def private_desktop(accessibility=False):
    """Folders, window manager, a recording browser and, when asked, the
    session and accessibility buses. Gives the browser's log."""
    for folder in ("config", "cache", "data", "runtime", "bin"):
        os.makedirs(os.path.join(TMP, folder))
    os.chmod(os.path.join(TMP, "runtime"), 0o700)
    os.environ.update({
        "XDG_CONFIG_HOME": os.path.join(TMP, "config"),
        "XDG_CACHE_HOME": os.path.join(TMP, "cache"),
        "XDG_DATA_HOME": os.path.join(TMP, "data"),
        "XDG_RUNTIME_DIR": os.path.join(TMP, "runtime"),
        "GSETTINGS_BACKEND": "memory",
        "NO_AT_BRIDGE": "0",
    })
    for name in ("QT_QPA_PLATFORM", "AT_SPI_BUS_ADDRESS", "BROWSER",
                 "DEFAULT_BROWSER", "SESSION_MANAGER", "QT_SCALE_FACTOR"):
        os.environ.pop(name, None)

    if accessibility:
        start_accessibility_buses()

    start_window_manager()

    log = os.path.join(TMP, "opened.log")
    opener = os.path.join(TMP, "bin", "xdg-open")
    with open(opener, "w") as script:
        script.write('#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' % log)
    os.chmod(opener, 0o755)
    return log


def start_program(program, **extra_env):
    env = dict(os.environ)
    env["PATH"] = os.path.join(TMP, "bin") + os.pathsep + env["PATH"]
    # Qt joins the accessibility bus only when told to.
    env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    env.update(extra_env)
    return spawn([program], env=env)


def wait_exit(child, seconds=10):
    wait_for("the program to end", lambda: child.poll() is not None, seconds)
    if child.returncode != 0:
        fail("the program ended with status %d" % child.returncode)


def opened(log):
    if not os.path.exists(log):
        return []
    with open(log) as lines:
        return [line.rstrip("\n") for line in lines]


# ---------------------------------------------------------------- windows

def stacking():
    """The window manager's client windows, bottom to top, read at once so
    that windows being destroyed elsewhere hide none of them."""
    line = run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"])
    if "#" not in line:
        return []
    return [str(int(w, 16)) for w in line.split("#", 1)[1].replace(",", " ").split()]


def windows(pid, title):
    """The process's client windows titled title, bottom to top."""
    found = []
    for window in stacking():
        if run(["xprop", "-id", window, "_NET_WM_PID"]).split("= ")[-1].strip() != str(pid):
            continue
        if run(["xdotool", "getwindowname", window]).rstrip("\n") == title:
            found.append(window)
    return found


def window_width(window):
    for line in run(["xwininfo", "-id", window]).splitlines():
        if line.strip().startswith("Width:"):
            return int(line.split()[1])
    return 0


def active_window():
    return run(["xdotool", "getactivewindow"]).strip()


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def activate(window):
    wait_for("window %s to become active" % window, lambda: subprocess.run(
        ["xdotool", "windowactivate", "--sync", window],
        capture_output=True, timeout=30).returncode == 0, 10)


# ---------------------------------------------------------------- AT-SPI

def accessibility():
    # pyatspi binds to the session bus of the environment it is imported in.
    import pyatspi
    return pyatspi


def app_node(pyatspi, pid):
    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            node = desktop.getChildAtIndex(index)
            try:
                if node is not None and node.get_process_id() == pid:
                    return node
            except Exception:
                continue
        return None
    return wait_for("the program on the accessibility bus", find, 15)


def showing(pyatspi, node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def find_all(pyatspi, root, role=None, name=None, only_showing=True):
    found = []

    def walk(node, depth=0):
        if node is None or depth > 40:
            return
        try:
            matches = ((role is None or node.getRoleName() == role)
                       and (name is None or node.name == name))
        except Exception:
            return
        if matches and (not only_showing or showing(pyatspi, node)):
            found.append(node)
        for index in range(node.childCount):
            walk(node.getChildAtIndex(index), depth + 1)
    walk(root)
    return found


def find_one(pyatspi, root, role, name, seconds=10):
    return wait_for("%s %r" % (role, name),
                    lambda: (find_all(pyatspi, root, role, name) or [None])[0],
                    seconds)
