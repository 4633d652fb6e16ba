#!/bin/sh
# Builds the Debian package with CPack and inspects it with dpkg-deb: its
# name, version and architecture, the dependencies dpkg-shlibdeps found, the
# recommended Wayland plugin, and its content under /usr, which must be the
# same files a plain installation gives.
# Usage: deb_package.sh CPACK BUILD_DIR PACKAGE_NAME VERSION
set -eu
cpack=$1
build=$2
package=$3
version=$4
. "$(dirname "$0")/lib.sh"

build_deb "$cpack" "$build" "$package" "$version"
deb=$DEB
arch=$(dpkg --print-architecture)

dpkg-deb -I "$deb" >"$PKG_TMP/info"
cat "$PKG_TMP/info"

# field NAME: a control field's value as dpkg-deb -I shows it.
field() {
    sed -n "s/^ $1: //p" "$PKG_TMP/info"
}

[ "$(field Package)" = "$package" ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Section)" ] || fail "no Section"
[ -n "$(field Description)" ] || fail "no Description"

# names FIELD: the package names in FIELD, one a line (versions and
# alternatives off).
names() {
    # shellcheck disable=SC2020
    field "$1" | tr ',|' '\n\n' | sed 's/(.*//; s/ //g' | grep . || true
}
# libqt6gui6 also holds the xcb platform plugin, without which the program
# cannot open a window on X11; libqt6printsupport6 comes from the printing
# module.
names Depends >"$PKG_TMP/depends"
for dependency in libc6 libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6; do
    grep -qx "$dependency" "$PKG_TMP/depends" || fail "Depends lacks $dependency"
done
# The Wayland platform plugin, and the fonts of the Chinese translation's
# glyphs and of the scripts to come.
names Recommends >"$PKG_TMP/recommends"
for recommended in qt6-wayland fonts-noto-cjk fonts-noto-core; do
    grep -qx "$recommended" "$PKG_TMP/recommends" || fail "Recommends lacks $recommended"
done

# dpkg-deb -c: mode owner size date time path. Every entry lies under /usr
# (an absolute install destination would leak a build path) and is root's.
dpkg-deb -c "$deb" >"$PKG_TMP/content"
awk '$6 !~ /^\.\/usr\// && $6 != "./" { print $6 }' "$PKG_TMP/content" |
    while IFS= read -r path; do echo "FAIL: outside /usr: $path" >&2; done
if awk '$6 !~ /^\.\/usr\// && $6 != "./" { bad = 1 } END { exit !bad }' "$PKG_TMP/content"; then
    fail "the package holds files outside /usr"
fi
if awk '$2 != "root/root" { bad = 1 } END { exit !bad }' "$PKG_TMP/content"; then
    fail "the package holds files not owned by root/root"
fi
grep -q "^-rwxr-xr-x .* \./usr/bin/$EXECUTABLE\$" "$PKG_TMP/content" ||
    fail "usr/bin/$EXECUTABLE is missing or not executable by all"

expected_files >"$PKG_TMP/expected"
awk '$1 !~ /^d/ { sub(/^\.\/usr\//, "", $6); print $6 }' "$PKG_TMP/content" |
    LC_ALL=C sort >"$PKG_TMP/actual"
compare_file_lists "the package" "$PKG_TMP/expected" "$PKG_TMP/actual"

# The unpacked files themselves, as for a plain installation.
dpkg-deb -x "$deb" "$PKG_TMP/root"
check_tree "$PKG_TMP/root/usr" "$version"
finish
