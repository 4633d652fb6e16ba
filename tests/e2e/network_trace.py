"""The network calls in a trace that start_program(trace=...) wrote.

strace follows the program and everything it starts; the stand-in browser
and what it starts in turn are told apart from the rest.
"""

import re

from desktop import STAND_IN_BROWSER


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
