#!/bin/sh
# Installs what a fresh Debian 12 machine lacks, skipping packages that are
# already there. Works as root or via sudo.
#
#   install-deps.sh          what building and running the program need
#   install-deps.sh --tests  that, and the tools and locales the tests use
set -eu

# The compiler, CMake, Qt and its translation tools, cairo (the printing
# module writes the result's PDF with it); the fonts the windows
# are drawn in (DejaVu Sans for Verdana, Liberation Sans for MS Sans Serif),
# Qt's own texts in the user's language, and Qt's Wayland platform for a
# desktop without X.
program_packages="
  build-essential
  cmake
  ninja-build
  qt6-base-dev
  libcairo2-dev
  qt6-l10n-tools
  qt6-tools-dev
  qt6-translations-l10n
  qt6-wayland
  fonts-dejavu-core
  fonts-liberation2
"

# What only the tests, the benchmark and the packaging checks use: a private
# X display and window manager, keys and the accessibility tree, Orca on a
# silent speech-dispatcher, a headless Wayland desktop, the fake clock and
# the tracer, the package validators, clang and its sanitizer runtime for
# the fuzz targets, pdftotext, the X libraries of the benchmark, and the
# Chinese, Devanagari and Arabic fonts the translated windows are drawn in.
test_packages="
  libxcb1-dev
  libxcb-damage0-dev
  xvfb
  xauth
  x11-utils
  xdotool
  strace
  faketime
  openbox
  imagemagick
  dbus
  at-spi2-core
  python3
  python3-pyatspi
  gir1.2-atspi-2.0
  orca
  speech-dispatcher
  speech-dispatcher-espeak-ng
  espeak-ng
  mutter
  xwayland
  desktop-file-utils
  appstream
  dpkg-dev
  lintian
  devscripts
  clang
  libclang-rt-14-dev
  poppler-utils
  locales
  fonts-noto-cjk
  fonts-noto-core
"

# The locales the tests start the program in: English, Spanish with metric
# and with US units, French, Brazilian Portuguese, Simplified Chinese, Hindi
# and Egyptian Arabic.
test_locales="en_US.UTF-8 es_ES.UTF-8 es_US.UTF-8 fr_FR.UTF-8 pt_BR.UTF-8 zh_CN.UTF-8 hi_IN.UTF-8 ar_EG.UTF-8"

case "${1:-}" in
    "")
        packages=$program_packages
        locales=""
        ;;
    --tests)
        packages="$program_packages $test_packages"
        locales=$test_locales
        ;;
    *)
        echo "usage: install-deps.sh [--tests]" >&2
        exit 2
        ;;
esac

missing=""
for pkg in $packages; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $pkg"
    fi
done

missing_locales=""
for name in $locales; do
    short=$(echo "$name" | sed 's/UTF-8/utf8/')
    if ! locale -a 2>/dev/null | grep -qx "$short"; then
        missing_locales="$missing_locales $name"
    fi
done

if [ -z "$missing" ] && [ -z "$missing_locales" ]; then
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "install-deps: need root or sudo to install:$missing$missing_locales" >&2
    exit 1
fi

if [ -n "$missing" ]; then
    echo "install-deps: installing$missing"
    $as_root apt-get update -q
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -q --no-install-recommends $missing
fi

for name in $missing_locales; do
    echo "install-deps: generating the locale $name"
    $as_root sed -i "s/^# *\($name UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$name UTF-8" /etc/locale.gen || echo "$name UTF-8" | $as_root tee -a /etc/locale.gen >/dev/null
done
if [ -n "$missing_locales" ]; then
    $as_root locale-gen
fi
