#!/bin/sh
# Counts the instructions of the program and of the bare window from exec
# until the window has gone quiet, thread by thread, under callgrind: unlike
# times, the counts repeat from run to run whatever else the machine does.
# Then, for the functions named (Qt's, fontconfig's or the program's), the
# instructions spent in them and in what they call, on each thread.
#   bench/instructions.sh [FUNCTION...]
# Builds like bench/run.sh; needs valgrind. Keeps the callgrind files in
# ./build-bench/callgrind for callgrind_annotate.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${KELO_BENCH_BUILD_DIR:-$root/build-bench}"
out="$build/callgrind"

if [ $# -eq 0 ]; then
    set -- ':QApplication::QApplication(' ':FcInit [' ':QFontDatabase::families(' \
        ':QFontconfigDatabase::setupFontEngine(' ':QTextEngine::shapeText(' \
        ':QFontEngineFT::loadGlyph(' ':frmMain::frmMain(' ':QWidgetRepaintManager::sync('
fi

rm -rf "$out"
mkdir -p "$out"
# One start of each; the first paint under callgrind is slow, so the quiet
# time and the limit are long.
"$root/bench/run.sh" --runs 1 --warmup 0 --quiet-ms 2000 --timeout-ms 120000 \
    --under "valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file=$out/callgrind.%p" \
    >"$out/driver.log"

# The files of each process: callgrind.PID-NN, NN its thread (01 the main
# one). A process the program forks (libdbus starting its bus launcher, say)
# writes files of its own; the lowest PID of each program is the one started.
seen=""
for pid in $(ls "$out" | sed -n 's/^callgrind\.\([0-9]*\)-01$/\1/p' | sort -n); do
    program=$(sed -n 's/^cmd: *//p' "$out/callgrind.$pid-01" | head -n 1)
    case " $seen " in *" $program "*) continue ;; esac
    seen="$seen $program"
    for file in "$out/callgrind.$pid"-*; do
        total=$(sed -n 's/^totals: *//p; s/^summary: *//p' "$file" | head -n 1)
        printf '%s, thread %s: %s instructions\n' "$(basename "$program")" "${file##*-}" "$total"
        callgrind_annotate --inclusive=yes --auto=no --threshold=100 "$file" >"$out/inclusive" \
            2>/dev/null
        for function in "$@"; do
            grep -F -- "$function" "$out/inclusive" | head -n 1 |
                sed -E 's/^ *([0-9,]+) \([^)]*\) +[^:]*:([^[]*[^[ ]).*$/    \1  \2/'
        done
    done
done
