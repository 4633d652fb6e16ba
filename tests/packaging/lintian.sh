#!/bin/sh
# Builds the Debian package with CPack and runs lintian on it: any error or
# warning fails; info and pedantic tags are shown but pass.
# Usage: lintian.sh LINTIAN CPACK BUILD_DIR PACKAGE_NAME VERSION
set -eu
lintian=$1
. "$(dirname "$0")/lib.sh"
build_deb "$2" "$3" "$4" "$5"

# --allow-root: test machines often run as root, where lintian would
# otherwise print a warning of its own on standard error.
"$lintian" --allow-root --fail-on error,warning --display-info --pedantic "$DEB" ||
    fail "lintian exited with status $? (errors or warnings above)"
finish
