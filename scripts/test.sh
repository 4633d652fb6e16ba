#!/bin/sh
# Installs what is missing, builds, and runs every test headless: the test
# suites built with AddressSanitizer and UBSan (<build>-asan), a short run of
# each fuzz target (<build>-fuzz), then the normal build's suites. Ends with
# the normal build's CTest summary and fails when any stage failed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" --tests
"$root/scripts/build.sh"
build="${KELO_BUILD_DIR:-$root/build}"

# Each stage goes on to the next when it fails, so that one run shows every
# failure; the failed stages are named before the final summary.
sanitizer_stage() {
    cmake -S "$root" -B "$build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKELO_SANITIZE=ON || return 1
    cmake --build "$build-asan" --parallel || return 1
    (cd "$build-asan" && ctest --output-on-failure --timeout 300 --parallel 2) || return 1
}

fuzz_stage() {
    cmake -S "$root" -B "$build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DKELO_FUZZ=ON -DKELO_BUILD_TESTS=OFF \
        -DKELO_BUILD_BENCH=OFF || return 1
    cmake --build "$build-fuzz" --parallel || return 1
    (cd "$build-fuzz" && ctest --output-on-failure --parallel 2) || return 1
}

failed=""
sanitizer_stage || failed="$failed sanitizer"
fuzz_stage || failed="$failed fuzz"
if [ -n "$failed" ]; then
    echo "test: failed stages:$failed (see above)" >&2
fi

cd "$build"
status=0
# Two at a time: the end-to-end tests mostly wait on other processes, and
# the reproducible-build test, which builds the program twice, starts first.
ctest --output-on-failure --timeout 300 --parallel 2 || status=$?
if [ -n "$failed" ] && [ "$status" -eq 0 ]; then
    status=1
fi
exit "$status"
