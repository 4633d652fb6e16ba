#!/bin/sh
# Start-up in Simplified Chinese and in Arabic against US English: the same
# build started under LANG=zh_CN.UTF-8, then LANG=ar_EG.UTF-8, pair by pair
# with itself under LANG=en_US.UTF-8. With --against REVISION, first this
# build against REVISION's (built from `git archive` in ./build-bench), both
# in US English: English start-up unchanged. Builds like bench/run.sh.
#   bench/languages.sh [--runs N] [--against REVISION]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${KELO_BENCH_BUILD_DIR:-$root/build-bench}"
runs=100
against=
while [ $# -gt 0 ]; do
    case "$1" in
    --runs) runs=${2:?--runs needs a number}; shift 2 ;;
    --against) against=${2:?--against needs a revision}; shift 2 ;;
    *) echo "usage: $0 [--runs N] [--against REVISION]" >&2; exit 2 ;;
    esac
done

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKELO_BUILD_TESTS=OFF
fi
cmake --build "$build" --parallel --target kelo_startbench KeloFreeDiabetesRiskCalculator
driver="$build/bench/kelo_startbench"
program="$build/src/KeloFreeDiabetesRiskCalculator"

if [ -n "$against" ]; then
    commit=$(git -C "$root" rev-parse --verify "$against^{commit}")
    old="$build/against-$commit"
    if [ ! -x "$old/build/src/KeloFreeDiabetesRiskCalculator" ]; then
        rm -rf "$old"
        mkdir -p "$old/source"
        git -C "$root" archive "$commit" | tar -x -C "$old/source"
        cmake -S "$old/source" -B "$old/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DKELO_BUILD_TESTS=OFF -DKELO_BUILD_BENCH=OFF
        cmake --build "$old/build" --parallel --target KeloFreeDiabetesRiskCalculator
    fi
    echo "== en_US: this build against $against ($commit)"
    "$driver" --runs "$runs" --program-env LANG=en_US.UTF-8 --bare-env LANG=en_US.UTF-8 \
        "$program" "$old/build/src/KeloFreeDiabetesRiskCalculator"
fi
for locale in zh_CN ar_EG; do
    echo "== $locale against en_US, this build"
    "$driver" --runs "$runs" --program-env "LANG=$locale.UTF-8" --bare-env LANG=en_US.UTF-8 \
        "$program" "$program"
done
