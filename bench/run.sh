#!/bin/sh
# Builds the program, the bare Qt window and the driver in ./build-bench with
# the program's own flags, then measures start-up time and peak memory of both.
# Installs nothing (scripts/install-deps.sh --tests does). Arguments go to the driver:
#   bench/run.sh --runs 40
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${KELO_BENCH_BUILD_DIR:-$root/build-bench}"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKELO_BUILD_TESTS=OFF
fi
cmake --build "$build" --parallel \
    --target kelo_startbench kelo_bare KeloFreeDiabetesRiskCalculator
exec "$build/bench/kelo_startbench" "$@" \
    "$build/src/KeloFreeDiabetesRiskCalculator" "$build/bench/kelo_bare"
