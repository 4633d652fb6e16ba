#!/bin/sh
# Installs what is missing, builds, and runs every test headless; ends with
# CTest's summary and fails when any test fails.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "${KELO_BUILD_DIR:-$root/build}"
exec ctest --output-on-failure --timeout 300
