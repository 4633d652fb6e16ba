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
    with open(STAND_IN_BROWSER, "w") as script:
        script.write('#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' % log)
    os.chmod(STAND_IN_BROWSER, 0o755)
    return log


def start_program(program, trace=None, **extra_env):
    """Starts the program; with trace, under strace, which writes the network
    calls of the program and of everything it starts to that file (see
    internet_socket_calls). The child is then strace: program_pid gives the
    program's own process id, which windows and the accessibility bus know it
    by. strace ends with the program's status once every process it follows
    has ended."""
    env = dict(os.environ)
    env["PATH"] = os.path.join(TMP, "bin") + os.pathsep + env["PATH"]
    # Qt joins the accessibility bus only when told to.
    env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
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
    return spawn(command, env=env)


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


def wait_exit(child, seconds=10):
    wait_for("the program to end", lambda: child.poll() is not None, seconds)
    if child.returncode != 0:
        fail("the program ended with status %d" % child.returncode)


def opened(log):
    if not os.path.exists(log):
        return []
    with open(log) as lines:
        return [line.rstrip("\n") for line in lines]


# ---------------------------------------------------------------- network

TRACE_LINE = re.compile(r"^(\d+) +(.*)$")
# An internet address family in a call's arguments (socket, connect, bind,
# sendto, sendmsg...), or a descriptor that strace -yy found to be an
# internet socket, however the process came by it.
INTERNET = re.compile(r"\b[AP]F_INET6?\b|<(?:TCP|UDP|UDPLITE|RAW|SCTP|DCCP|MPTCP|PING)(?:v6)?:")
EXECS = ("execve", "execveat")
STARTS = ("fork", "vfork", "clone", "clone3")


def call_name(body):
    """The call a trace line is about, also when it resumes an unfinished
    call ("<... clone resumed>"), and whether it is the resumed half."""
    match = re.match(r"(?:<\.\.\. )?(\w+)(?:\(| resumed>)", body)
    return (match.group(1) if match else None), body.startswith("<... ")


def returned(body):
    """The value a finished call returned, or None."""
    values = re.findall(r"\)\s+=\s+(-?\d+)", body)
    return int(values[-1]) if values else None


def internet_socket_calls(trace, stand_in=STAND_IN_BROWSER):
    """Reads a trace written by start_program(trace=...) and gives the lines
    that use an internet socket, of any process but the stand-in browser: a
    process counts as the stand-in from its exec of stand_in on, and so does
    every process it starts from then on. Also gives how many processes
    became the stand-in, and whether any process connected to a Unix socket,
    which shows that network calls were traced at all."""
    calls = []
    with open(trace, errors="replace") as lines:
        for line in lines:
            match = TRACE_LINE.match(line.rstrip("\n"))
            if match:
                calls.append((int(match.group(1)), match.group(2)))

    # Where each process became the stand-in, and who started whom, where.
    stand_in_from = {}
    exec_of_stand_in = {}
    started = []
    for index, (pid, body) in enumerate(calls):
        name, resumed = call_name(body)
        if name in EXECS:
            if not resumed:
                path = re.search(r'"((?:[^"\\]|\\.)*)"', body)
                exec_of_stand_in[pid] = bool(path) and path.group(1) == stand_in
            if returned(body) == 0 and exec_of_stand_in.pop(pid, False):
                stand_in_from.setdefault(pid, index)
        elif name in STARTS:
            child = returned(body)
            if child is not None and child > 0:
                started.append((index, pid, child))
    # What the stand-in starts belongs to it from its start.
    for index, parent, child in started:
        if stand_in_from.get(parent, len(calls)) <= index:
            stand_in_from[child] = -1

    offending = ["%d %s" % (pid, body) for index, (pid, body) in enumerate(calls)
                 if INTERNET.search(body) and index < stand_in_from.get(pid, len(calls))]
    stand_ins = sum(1 for start in stand_in_from.values() if start >= 0)
    unix = any(call_name(body)[0] == "connect" and "AF_UNIX" in body for _, body in calls)
    return offending, stand_ins, unix


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
