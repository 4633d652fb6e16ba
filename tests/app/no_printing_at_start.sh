#!/bin/sh
# The program does not load Qt PrintSupport, or anything that brings it in,
# when it starts: only the printing module, loaded on first use, needs it.
# Usage: no_printing_at_start.sh PROGRAM MODULE
set -eu
program=$1
module=$2

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# libraries FILE: every shared library FILE loads, its own and theirs.
libraries() {
    found=$(ldd "$1") || fail "ldd cannot read $1"
    echo "$found" | awk '{ print $1 }'
}

program_libraries=$(libraries "$program")
module_libraries=$(libraries "$module")
! echo "$program_libraries" | grep -q libQt6PrintSupport ||
    fail "$program loads Qt PrintSupport at start"
echo "$module_libraries" | grep -q libQt6PrintSupport ||
    fail "$module does not link Qt PrintSupport: is it the printing module?"
echo "Qt PrintSupport comes with $(basename "$module") only"
