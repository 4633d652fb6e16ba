# What an installation of the program consists of, and checks on it. Sourced
# by the packaging test scripts.

# The application id comes from the build (KELO_APP_ID), through CTest.
APP_ID=${KELO_APP_ID:?run by CTest, which names the application id}
# The printing module, from the prefix and from bin/ (where the program looks).
PRINTING_MODULE=${KELO_PRINTING_MODULE:?run by CTest}
PRINTING_MODULE_FROM_BIN=${KELO_PRINTING_MODULE_FROM_BIN:?run by CTest}
PACKAGE=kelo-diabetes-risk-calculator
EXECUTABLE=KeloFreeDiabetesRiskCalculator
ICON_SIZES="16 22 24 32 48 64 128 256"

PKG_TMP=$(mktemp -d)
trap 'rm -rf "$PKG_TMP"' EXIT INT TERM

FAILURES=0

# fail MESSAGE: records a failed check and goes on, so that one run lists
# every problem; finish ends the script with the verdict.
fail() {
    echo "FAIL: $*" >&2
    FAILURES=$((FAILURES + 1))
}

finish() {
    if [ "$FAILURES" -ne 0 ]; then
        echo "$FAILURES check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}

# expected_files: every file an installation holds, relative to its prefix,
# one a line, sorted.
expected_files() {
    {
        echo "bin/$EXECUTABLE"
        echo "$PRINTING_MODULE"
        echo "share/applications/$APP_ID.desktop"
        echo "share/metainfo/$APP_ID.metainfo.xml"
        for size in $ICON_SIZES; do
            echo "share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
        done
        echo "share/icons/hicolor/scalable/apps/$APP_ID.svg"
        echo "share/man/man1/$EXECUTABLE.1.gz"
        echo "share/doc/$PACKAGE/copyright"
        echo "share/doc/$PACKAGE/changelog.gz"
    } | LC_ALL=C sort
}

# compare_file_lists WHAT EXPECTED ACTUAL: reports files missing from and
# files extra to ACTUAL (both sorted lists, one path a line).
compare_file_lists() {
    LC_ALL=C comm -23 "$2" "$3" | while IFS= read -r path; do
        echo "FAIL: $1 lacks $path" >&2
    done
    LC_ALL=C comm -13 "$2" "$3" | while IFS= read -r path; do
        echo "FAIL: $1 holds unexpected $path" >&2
    done
    cmp -s "$2" "$3" || fail "$1 differs from the expected file list"
}

# build_deb CPACK BUILD_DIR PACKAGE VERSION: makes the Debian package with
# CPack in the scratch folder, so that a package the developer made in the
# build folder is left alone, and sets DEB to its path; ends the script when
# there is no package.
build_deb() {
    (cd "$2" && "$1" --config CPackConfig.cmake -G DEB -B "$PKG_TMP/out") \
        >"$PKG_TMP/cpack.log" 2>&1 || {
        cat "$PKG_TMP/cpack.log" >&2
        echo "FAIL: cpack -G DEB failed" >&2
        exit 1
    }
    DEB="$PKG_TMP/out/${3}_${4}_$(dpkg --print-architecture).deb"
    if [ ! -f "$DEB" ]; then
        ls -l "$PKG_TMP/out" >&2
        echo "FAIL: no $(basename "$DEB")" >&2
        exit 1
    fi
}

# png_header FILE: prints "WIDTH HEIGHT BITDEPTH COLOURTYPE" read from the
# PNG signature and IHDR chunk; fails when FILE does not start like a PNG.
png_header() {
    # shellcheck disable=SC2046
    set -- $(od -An -v -tu1 -N26 "$1")
    [ $# -eq 26 ] || return 1
    [ "$1 $2 $3 $4 $5 $6 $7 $8" = "137 80 78 71 13 10 26 10" ] || return 1
    # Bytes 12-15: the first chunk's type, which must be IHDR.
    [ "${13} ${14} ${15} ${16}" = "73 72 68 82" ] || return 1
    echo "$(( (${17} << 24) | (${18} << 16) | (${19} << 8) | ${20} ))" \
         "$(( (${21} << 24) | (${22} << 16) | (${23} << 8) | ${24} ))" \
         "${25} ${26}"
}

# desktop_key FILE KEY: the value of KEY in the [Desktop Entry] group.
desktop_key() {
    awk -v key="$2" '
        /^\[/ { group = $0; next }
        group == "[Desktop Entry]" && index($0, key "=") == 1 {
            print substr($0, length(key) + 2); exit
        }' "$1"
}

# check_tree PREFIX VERSION: the installed files under PREFIX are what they
# claim to be and point at one another.
check_tree() {
    prefix=$1
    version=$2
    desktop="$prefix/share/applications/$APP_ID.desktop"
    metainfo="$prefix/share/metainfo/$APP_ID.metainfo.xml"

    [ -x "$prefix/bin/$EXECUTABLE" ] || fail "bin/$EXECUTABLE is not executable"
    [ -f "$prefix/bin/$PRINTING_MODULE_FROM_BIN" ] || fail "no bin/$PRINTING_MODULE_FROM_BIN"

    for size in $ICON_SIZES; do
        icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
        [ -f "$icon" ] || continue
        if ! header=$(png_header "$icon"); then
            fail "${size}x${size} icon is not a PNG file"
        # 8 bits per channel, colour type 6 (RGBA): the rounded corners of
        # the tile must stay transparent.
        elif [ "$header" != "$size $size 8 6" ]; then
            fail "${size}x${size} icon has header '$header'" \
                 "(want '$size $size 8 6': width height depth RGBA)"
        fi
    done

    svg="$prefix/share/icons/hicolor/scalable/apps/$APP_ID.svg"
    if [ -f "$svg" ] && ! grep -q '<svg[ >]' "$svg"; then
        fail "the scalable icon is not an SVG document"
    fi

    if [ -f "$desktop" ]; then
        exec_line=$(desktop_key "$desktop" Exec)
        # The first word of Exec, a name looked up in PATH.
        [ "${exec_line%% *}" = "$EXECUTABLE" ] ||
            fail "desktop entry runs '$exec_line', not the installed $EXECUTABLE"
        [ "$(desktop_key "$desktop" Icon)" = "$APP_ID" ] ||
            fail "desktop entry's Icon is not $APP_ID"
        # Qt names the window class after the executable; the desktop
        # matches running windows to the entry by it.
        [ "$(desktop_key "$desktop" StartupWMClass)" = "$EXECUTABLE" ] ||
            fail "desktop entry's StartupWMClass is not $EXECUTABLE"
        [ "$(desktop_key "$desktop" Name)" = "Kelo Diabetes Risk Calculator" ] ||
            fail "desktop entry's Name is '$(desktop_key "$desktop" Name)'"
    fi

    if [ -f "$metainfo" ]; then
        grep -q "<id>$APP_ID</id>" "$metainfo" ||
            fail "metainfo's component id is not $APP_ID"
        grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
            fail "metainfo does not launch $APP_ID.desktop"
        grep -q "<binary>$EXECUTABLE</binary>" "$metainfo" ||
            fail "metainfo does not provide $EXECUTABLE"
        grep -q "<release version=\"$version\"" "$metainfo" ||
            fail "metainfo has no release $version"
        if grep -n '@[A-Za-z_]*@' "$metainfo" >&2; then
            fail "metainfo keeps unconfigured placeholders (above)"
        fi
    fi

    # The changelog is kept by hand: its newest entry must be this version's.
    changelog="$prefix/share/doc/$PACKAGE/changelog.gz"
    if [ -f "$changelog" ]; then
        newest=$(gzip -dc "$changelog" | head -n 1)
        case $newest in
            "$PACKAGE ($version) "*) ;;
            *) fail "changelog's newest entry is '$newest', not $version" ;;
        esac
    fi
}
