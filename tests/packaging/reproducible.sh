#!/bin/sh
# Builds the Debian package twice and requires the two .deb files to be the
# same bytes. The first build is of SOURCE_DIR, in a new folder outside it;
# the second starts when the first has finished, of a fresh copy of the
# source (another path, every file modified anew, as a later checkout would
# be), in a folder inside that copy, under another umask and time zone. Each
# builds only what the package needs (no tests, no benchmark).
# Usage: reproducible.sh CMAKE CPACK SOURCE_DIR GENERATOR CXX_COMPILER CONFIG
#                        PACKAGE_NAME VERSION
set -eu
cmake=$1
cpack=$2
source=$3
generator=$4
compiler=$5
config=$6
package=$7
version=$8
. "$(dirname "$0")/lib.sh"
deb_name="${package}_${version}_$(dpkg --print-architecture).deb"

# build_package SOURCE BUILD_DIR COPY: configures SOURCE and builds it in
# BUILD_DIR, packs, and moves the package to COPY.
build_package() {
    echo "building $1 in $2"
    {
        "$cmake" -S "$1" -B "$2" -G "$generator" -DCMAKE_BUILD_TYPE="$config" \
            -DCMAKE_CXX_COMPILER="$compiler" -DKELO_BUILD_TESTS=OFF -DKELO_BUILD_BENCH=OFF &&
            "$cmake" --build "$2" --parallel
    } >"$PKG_TMP/build.log" 2>&1 || {
        cat "$PKG_TMP/build.log" >&2
        echo "FAIL: the build in $2 failed" >&2
        exit 1
    }
    build_deb "$cpack" "$2" "$package" "$version"
    mv "$DEB" "$3"
}

(umask 022 && TZ=UTC0 && export TZ &&
    build_package "$source" "$PKG_TMP/one/build" "$PKG_TMP/first.deb")

# The copy leaves out build folders (./build, ./build-asan, ...) and takes
# the git metadata, which gives the time stamp; tar -m: files get the time
# of the copy.
copy="$PKG_TMP/two/kelo-source"
mkdir -p "$copy"
tar -C "$source" --exclude='./build*' -cf - . | tar -C "$copy" -xmf -
(umask 002 && TZ=JST-9 && export TZ &&
    build_package "$copy" "$copy/obj-build" "$PKG_TMP/second.deb")

if cmp "$PKG_TMP/first.deb" "$PKG_TMP/second.deb"; then
    echo "both builds gave the same $deb_name"
else
    fail "the two builds gave different packages"
    if command -v diffoscope >/dev/null 2>&1; then
        diffoscope "$PKG_TMP/first.deb" "$PKG_TMP/second.deb" >&2 || true
    else
        # Without diffoscope: the archive headers, the file lists and the
        # files that differ.
        for n in first second; do
            ar tvO "$PKG_TMP/$n.deb" >"$PKG_TMP/$n.ar"
            dpkg-deb -c "$PKG_TMP/$n.deb" >"$PKG_TMP/$n.list"
            dpkg-deb -x "$PKG_TMP/$n.deb" "$PKG_TMP/$n"
        done
        {
            diff "$PKG_TMP/first.ar" "$PKG_TMP/second.ar"
            diff "$PKG_TMP/first.list" "$PKG_TMP/second.list" | head -n 20
            diff -r "$PKG_TMP/first" "$PKG_TMP/second"
        } >&2 || true
    fi
fi
finish
