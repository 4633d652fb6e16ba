#!/bin/sh
# Builds the Debian package with CPack and checks the packaged program with
# hardening-check (devscripts): position independent, stack protector,
# read-only relocations bound at start-up; the printing module the same,
# except that a library is not an executable. Stack-clash protection passes as
# "unknown" where no function has a frame large enough to need probes. The
# build types that do not ship (Debug) are not hardened and skip.
# Usage: hardening.sh HARDENING_CHECK CPACK BUILD_DIR PACKAGE_NAME VERSION CONFIG
set -eu
hardening_check=$1
build=$3
config=$6
case $config in
    Release | RelWithDebInfo | MinSizeRel) ;;
    *)
        echo "SKIP: a '$config' build is not hardened (cmake/KeloHardening.cmake)"
        exit 77
        ;;
esac
. "$(dirname "$0")/lib.sh"
build_deb "$2" "$build" "$4" "$5"
dpkg-deb -x "$DEB" "$PKG_TMP/root"

# --nocfprotection: Debian 12 cannot mark an executable for control-flow
# protection (IBT, SHSTK): its glibc start files (Scrt1.o, crti.o, crtn.o),
# which every program links, carry no such property, so the linker drops it
# whatever -fcf-protection asks, and its dpkg-buildflags does not ask.
# --nofortify: checked libc calls (__memcpy_chk and the like) appear only
# where the compiler knows the size of the buffer. The program's own code
# calls no such function; the memcpy and memmove that libstdc++ inlines copy
# run-time sizes, so hardening-check finds only unchecked calls and says
# "no" even though _FORTIFY_SOURCE is set. The compile commands show it is.
for binary in "bin/$EXECUTABLE" "$PRINTING_MODULE"; do
    "$hardening_check" --nocfprotection --nofortify "$PKG_TMP/root/usr/$binary" ||
        fail "hardening-check found the packaged $binary unhardened (above)"
done

commands="$build/compile_commands.json"
grep '"command":' "$commands" >"$PKG_TMP/commands" || fail "no compile command in $commands"
for flag in -D_FORTIFY_SOURCE=2 -fstack-protector-strong -fstack-clash-protection; do
    if grep -v -F -e " $flag " "$PKG_TMP/commands" >"$PKG_TMP/without"; then
        first=$(head -n 1 "$PKG_TMP/without" | sed 's/.* -c //; s/",*$//')
        fail "$(wc -l <"$PKG_TMP/without") of $(wc -l <"$PKG_TMP/commands")" \
             "compile commands lack $flag (the first: $first)"
    fi
done
finish
