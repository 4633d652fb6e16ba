#!/bin/sh
# Installs what building and running need, builds the program alone, and
# starts it with the given arguments. A program built before starts even
# where nothing can be installed (no root, no sudo, no network).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
program="${KELO_BUILD_DIR:-$root/build}/src/KeloFreeDiabetesRiskCalculator"
if ! "$root/scripts/install-deps.sh"; then
    if [ -x "$program" ]; then
        echo "run: starting the program built before" >&2
        exec "$program" "$@"
    fi
    echo "run: cannot build the program without those packages" >&2
    exit 1
fi
"$root/scripts/build.sh" --program
exec "$program" "$@"
