#!/bin/sh
# Installs what is missing, builds, and starts the program.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
exec "${KELO_BUILD_DIR:-$root/build}/src/KeloFreeDiabetesRiskCalculator" "$@"
