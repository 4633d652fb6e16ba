#!/bin/sh
# Installs a built tree with cmake --install into a scratch staging folder
# (DESTDIR, as distributions do) and checks the result: exactly the expected
# files under the prefix and nothing outside it, the icons real PNGs of their
# sizes, and the desktop entry and metainfo naming the installed program and
# icon.
# Usage: install_layout.sh CMAKE BUILD_DIR VERSION
set -eu
cmake=$1
build=$2
version=$3
. "$(dirname "$0")/lib.sh"

# Staged, an install rule with an absolute destination lands in the scratch
# folder too, outside the prefix, instead of writing into this machine's /etc.
stage="$PKG_TMP/stage"
prefix=/usr/local
DESTDIR=$stage "$cmake" --install "$build" --prefix "$prefix" \
    >"$PKG_TMP/install.log" 2>&1 || {
    cat "$PKG_TMP/install.log" >&2
    echo "FAIL: cmake --install failed" >&2
    exit 1
}

expected_files | sed "s|^|${prefix#/}/|" >"$PKG_TMP/expected"
(cd "$stage" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$PKG_TMP/actual"
compare_file_lists "the installed tree" "$PKG_TMP/expected" "$PKG_TMP/actual"

check_tree "$stage$prefix" "$version"
finish
