#!/bin/sh
# Configures and builds in ./build (or $KELO_BUILD_DIR).
#
#   build.sh            the program, its test suites and the benchmark
#   build.sh --program  the program alone (with its printing module); a new
#                       build folder is configured without tests and bench
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${KELO_BUILD_DIR:-$root/build}"

configure() {
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
}

case "${1:-}" in
    --program)
        # A folder configured before, with tests or without, is kept as it is.
        if [ ! -f "$build/CMakeCache.txt" ]; then
            configure -DKELO_BUILD_TESTS=OFF -DKELO_BUILD_BENCH=OFF
        fi
        cmake --build "$build" --parallel --target KeloFreeDiabetesRiskCalculator
        ;;
    "")
        if ! grep -q '^KELO_BUILD_TESTS:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null ||
            ! grep -q '^KELO_BUILD_BENCH:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
            configure -DKELO_BUILD_TESTS=ON -DKELO_BUILD_BENCH=ON
        fi
        cmake --build "$build" --parallel
        ;;
    *)
        echo "usage: build.sh [--program]" >&2
        exit 2
        ;;
esac
