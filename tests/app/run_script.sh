#!/bin/sh
# scripts/run.sh on a machine with what building and running need and none
# of the test tools, with a package manager, sudo and CMake that only record
# what they are asked: it asks about no test tool, installs nothing,
# configures without tests, builds the program alone and starts it. Then,
# with a package it needs missing and no way to install it, it still starts
# the program built before.
# Usage: run_script.sh SOURCE_DIR PROGRAM
set -eu
root=$1
real_program=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
stubs="$scratch/stubs"
log="$scratch/log"
mkdir "$stubs"
: >"$log"

fail() {
    echo "FAIL: $*" >&2
    echo "-- what was asked:" >&2
    cat "$log" >&2
    exit 1
}

# stub NAME BODY: a command on PATH that runs BODY.
stub() {
    printf '#!/bin/sh\n%s\n' "$2" >"$stubs/$1"
    chmod +x "$stubs/$1"
}
# dpkg-query -W -f=... PACKAGE: installed, unless a test tool or one named
# in MISSING.
stub dpkg-query 'pkg=$(eval echo \${$#})
echo "dpkg-query $pkg" >>"'"$log"'"
for tool in orca mutter lintian clang speech-dispatcher strace faketime xvfb xdotool \
        poppler-utils python3-pyatspi $MISSING; do
    [ "$pkg" = "$tool" ] && { echo "unknown ok not-installed"; exit 0; }
done
echo "install ok installed"'
stub apt-get 'echo "apt-get $*" >>"'"$log"'"; exit 100'
stub sudo 'echo "sudo $*" >>"'"$log"'"; echo "sudo: a password is required" >&2; exit 1'
stub id '[ "${1:-}" = -u ] && { echo "$UID_SEEN"; exit 0; }; exec /usr/bin/id "$@"'
# cmake: records; a build puts the real program where it would be built.
stub cmake 'echo "cmake $*" >>"'"$log"'"
if [ "$1" = --build ]; then
    mkdir -p "$2/src" && ln -sf "'"$real_program"'" "$2/src/KeloFreeDiabetesRiskCalculator"
fi'

export PATH="$stubs:$PATH" KELO_BUILD_DIR="$scratch/build"
export XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# A fresh machine, as root: nothing missing but the test tools.
MISSING="" UID_SEEN=0 sh "$root/scripts/run.sh" --version >"$scratch/out" 2>&1 ||
    fail "run.sh did not start the program: $(cat "$scratch/out")"
grep -q '^Kelo Diabetes Risk Calculator 1\.' "$scratch/out" ||
    fail "the program did not answer: $(cat "$scratch/out")"
grep -q '^dpkg-query qt6-base-dev$' "$log" || fail "run.sh never asked for Qt"
for tool in orca mutter lintian clang speech-dispatcher strace faketime xvfb; do
    ! grep -q "^dpkg-query $tool\$" "$log" || fail "run.sh asked for the test tool $tool"
done
! grep -q -e '^apt-get' -e '^sudo' "$log" || fail "run.sh installed something"
grep -q -e '-DKELO_BUILD_TESTS=OFF' "$log" || fail "run.sh configured the tests"
grep -q -e '-DKELO_BUILD_BENCH=OFF' "$log" || fail "run.sh configured the benchmark"
grep -q -e '--build .* --target KeloFreeDiabetesRiskCalculator$' "$log" ||
    fail "run.sh built more than the program"

# Built before; a package the program needs is gone, and an ordinary user
# cannot install it.
: >"$log"
MISSING=qt6-wayland UID_SEEN=1000 sh "$root/scripts/run.sh" --version >"$scratch/out" 2>&1 ||
    fail "run.sh did not start the program built before: $(cat "$scratch/out")"
grep -q '^Kelo Diabetes Risk Calculator 1\.' "$scratch/out" ||
    fail "the program did not answer: $(cat "$scratch/out")"
grep -q '^sudo apt-get' "$log" || fail "run.sh did not try to install qt6-wayland"
! grep -q '^cmake' "$log" || fail "run.sh built without its packages"
echo "run.sh starts the program without the test tools"
