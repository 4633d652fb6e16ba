#!/bin/sh
# Re-renders the PNG icons and cursors from the SVG sources in
# resources/artwork. Needs ImageMagick with its SVG coder (Debian:
# imagemagick and libmagickcore-6.q16-6-extra).
#
# Each SVG is drawn by ImageMagick's own SVG renderer (msvg:) at 8 times the
# largest output size and then box-filtered down, so the result does not
# depend on which external SVG tools happen to be installed and small sizes
# get clean, evenly weighted edges.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
art="$root/resources/artwork"

if ! command -v convert >/dev/null 2>&1; then
    echo "render-artwork: ImageMagick 'convert' not found" >&2
    exit 1
fi
if ! convert -list format 2>/dev/null | grep -q '^ *MSVG'; then
    echo "render-artwork: ImageMagick lacks its SVG coder" \
         "(Debian: apt-get install libmagickcore-6.q16-6-extra)" >&2
    exit 1
fi

# render SVG SIZE OUTPUT
# The viewBox of every source is 32 units wide, and ImageMagick maps one
# unit to one pixel at 96 dpi, so 96 * SIZE / 32 * 8 dpi draws at 8x SIZE.
render() {
    density=$(( 96 * $2 / 32 * 8 ))
    mkdir -p "$(dirname "$3")"
    convert -background none -density "$density" "msvg:$1" \
        -filter box -resize "$2x$2" -strip "png32:$3"
    echo "render-artwork: $3"
}

render "$art/app-icon.svg"    32  "$root/resources/icons/app-icon-32.png"
render "$art/app-icon.svg"    256 "$root/resources/icons/app-icon-256.png"
render "$art/hand-cursor.svg" 32  "$root/resources/cursors/hand.png"

# The icon theme sizes installed with the program (packaging/CMakeLists.txt),
# which names them after the application id when it installs them.
for size in 16 22 24 32 48 64 128 256; do
    render "$art/app-icon.svg" "$size" "$root/packaging/icons/hicolor/${size}x${size}/apps/app.png"
done
