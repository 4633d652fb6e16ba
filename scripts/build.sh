#!/bin/sh
# Configures and builds the program and its tests in ./build.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${KELO_BUILD_DIR:-$root/build}"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --parallel
