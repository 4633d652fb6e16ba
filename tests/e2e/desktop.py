"""A private desktop for driving the real program from outside.

Shared by the end-to-end scripts that run on a private X display (start them
under with_xvfb.sh): folders, session and accessibility buses, the window
manager, a stand-in browser, the program's windows as the window manager
lists them, keys through xdotool and widgets read back through AT-SPI.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TMP = tempfile.mkdtemp(prefix="kelo-e2e-")
CHILDREN = []
# The stand-in browser private_desktop puts first on PATH.
STAND_IN_BROWSER = os.path.join(TMP, "bin", "xdg-open")


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
    --startup command has run.
    The first key sent to a new X server makes it announce a new keyboard
    map, and openbox reloads its key bindings then: a binding pressed
    meanwhile (Alt+F4) is lost. One key goes before it starts."""
    subprocess.run(["xdotool", "key", "shift"], check=True, timeout=30)
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
    """A private session bus and the accessibility bus on it, which programs
    started from here on join."""
    bus = os.path.join(TMP, "bus")
    spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile",
           "--address=unix:path=" + bus])
    wait_for("the session bus", lambda: os.path.exists(bus), 10)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + bus
    spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    # Qt joins the accessibility bus only when told to.
    os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"


def private_home():
    """Empty configuration, cache, data and runtime folders for the program,
    named in the environment. Those of a start before go first, their modes
    put back so that they can."""
    folders = [os.path.join(TMP, name) for name in ("config", "cache", "data", "runtime")]
    subprocess.run(["chmod", "-R", "u+rwX"] + [f for f in folders if os.path.lexists(f)],
                   stderr=subprocess.DEVNULL)
    for folder in folders:
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
    os.chmod(folders[3], 0o700)
    os.environ.update(dict(zip(("XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME",
                                "XDG_RUNTIME_DIR"), folders)), GSETTINGS_BACKEND="memory")


def private_desktop(accessibility=False):
    """Folders, window manager, a recording browser and, when asked, the
    session and accessibility buses. Gives the browser's log."""
    private_home()
    os.makedirs(os.path.join(TMP, "bin"))
    os.environ["NO_AT_BRIDGE"] = "0"
    for name in ("QT_QPA_PLATFORM", "AT_SPI_BUS_ADDRESS", "BROWSER", "DEFAULT_BROWSER",
                 "SESSION_MANAGER", "QT_SCALE_FACTOR", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON"):
        os.environ.pop(name, None)

    if accessibility:
        start_accessibility_buses()

    start_window_manager()

    log = os.path.join(TMP, "opened.log")
    with open(STAND_IN_BROWSER, "w") as script:
        script.write('#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' % log)
    os.chmod(STAND_IN_BROWSER, 0o755)
    return log


def start_program(program, trace=None, log=None, **extra_env):
    """Starts the program, its output going to the file log if given. With
    trace, under strace, which writes the network calls of the program and of
    everything it starts to that file (see network_trace). The child is then
    strace: program_pid gives the program's own process id, which windows and
    the accessibility bus know it by. strace ends with the program's status
    once every process it follows has ended."""
    env = dict(os.environ)
    env["PATH"] = os.path.join(TMP, "bin") + os.pathsep + env["PATH"]
    env.update(extra_env)
    command = [program]
    if trace:
        # Every process the program starts is followed (-f). Only the calls
        # named stop the program (--seccomp-bpf): the network ones, and those
        # that start processes and programs, so that the stand-in browser's
        # own calls can be told apart. -yy names the kind of socket behind
        # each descriptor.
        command = ["strace", "-f", "--seccomp-bpf", "-yy", "-o", trace,
                   "-e", "trace=%network,execve,execveat,fork,vfork,clone,clone3"] + command
    if log is None:
        return spawn(command, env=env)
    with open(log, "w") as output:
        return spawn(command, env=env, output=output)


def program_pid(child):
    """The program's process id: the child's own, or under strace that of
    the child of strace that has become the program (which keeps its id
    through the exec; strace forks short-lived children of its own first, to
    test what the kernel offers)."""
    if os.path.basename(child.args[0]) != "strace":
        return child.pid
    program = os.path.realpath(child.args[-1])
    children = "/proc/%d/task/%d/children" % (child.pid, child.pid)

    def started():
        if child.poll() is not None:
            fail("strace ended with status %d before the program started" % child.returncode)
        with open(children) as pids:
            for pid in pids.read().split():
                try:
                    if os.path.realpath("/proc/%s/exe" % pid) == program:
                        return int(pid)
                except OSError:
                    continue
        return None
    return wait_for("strace to start the program", started, 10)


def wait_end(child, what="the program", seconds=10):
    """Waits for child to end; gives its status. what names it, or is called
    at the failure to describe it."""
    wait_for(lambda: (what() if callable(what) else what) + " to end",
             lambda: child.poll() is not None, seconds)
    return child.returncode


def wait_exit(child, seconds=10, what="the program"):
    status = wait_end(child, what, seconds)
    if status != 0:
        fail("%s ended with status %d" % (what() if callable(what) else what, status))


def quit_by_keys(program, main):
    """Alt+F4 on the main window, then Enter on the exit screen's Exit."""
    activate(main)
    keys("alt+F4")
    exit_screen = wait_for("the exit screen", lambda: [
        w for w in windows(program.pid) if window_size(w)[0] > 600])[0]
    activate(exit_screen)
    keys("Return")
    wait_exit(program)


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


def title(window):
    return run(["xdotool", "getwindowname", window]).rstrip("\n")


def windows(pid, titled=None):
    """The process's client windows, bottom to top; with titled, those
    titled so alone."""
    return [window for window in stacking()
            if run(["xprop", "-id", window, "_NET_WM_PID"]).split("= ")[-1].strip() == str(pid)
            and (titled is None or title(window) == titled)]


def window_with(pid, titled, name, value):
    """The first of the process's windows titled titled whose property name
    holds value, or None."""
    return next((window for window in windows(pid, titled)
                 if value in run(["xprop", "-id", window, name])), None)


def window_size(window):
    """The client area's width and height."""
    info = run(["xwininfo", "-id", window])
    sizes = [re.search(r"\b%s:\s+(\d+)" % key, info) for key in ("Width", "Height")]
    return tuple(int(size.group(1)) if size else 0 for size in sizes)


def active_window():
    return run(["xdotool", "getactivewindow"]).strip()


def is_active(window):
    return active_window() == window


def describe(child, log=None):
    """What the program and the window manager show now, for a failure."""
    text = "%s; windows: %s; active: %s" % (
        "running" if child.poll() is None else "ended with status %d" % child.returncode,
        " ".join('%s "%s"' % (window, title(window)) for window in windows(child.pid)),
        active_window())
    if log and os.path.exists(log):
        with open(log, errors="replace") as output:
            text += "; output: " + output.read().replace("\n", " ")
    return text


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def click(window, x, y):
    """Clicks at x, y in the window's client area."""
    subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1"],
                   check=True)


def activate(window):
    """Gives the window the keyboard; the window manager may still be taking
    it on when it first shows, and a try that hangs is given up and made
    again."""
    def activated():
        try:
            return subprocess.run(["xdotool", "windowactivate", "--sync", window],
                                  capture_output=True, timeout=5).returncode == 0
        except subprocess.TimeoutExpired:
            return False
    wait_for("window %s to become active" % window, activated, 10)


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


def start_in_locale(pyatspi, program_path, title, locale):
    """Starts the program under LANG=locale alone (no LC_ variable, no
    LANGUAGE), and waits for its window titled `title`: the process, its
    accessibility node and the window."""
    for name in [name for name in os.environ if name.startswith("LC_") or name == "LANGUAGE"]:
        del os.environ[name]
    program = start_program(program_path, LANG=locale)
    main = wait_for("the main window", lambda: (windows(program.pid, title) or [None])[0])
    return program, app_node(pyatspi, program.pid), main


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
