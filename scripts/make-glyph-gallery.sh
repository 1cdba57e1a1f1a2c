#!/bin/sh
# Draws every glyph of glyphs/ as a reader sees it into docs/glyphs.png (needs ImageMagick).
# Usage: scripts/make-glyph-gallery.sh [BUILD_DIR] [OUTPUT.png]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
output=${2:-$root/docs/glyphs.png}

[ -f "$build/CMakeCache.txt" ] || cmake --preset native -B "$build" -S "$root" >/dev/null
cmake --build "$build" --target render-glyph-gallery -- --no-print-directory >/dev/null
font=$(sed -n 's/^MONA_FONT:FILEPATH=//p' "$build/CMakeCache.txt")
pgm=$(mktemp --suffix=.pgm)
trap 'rm -f "$pgm"' EXIT
"$build/tools/glyphs/render-glyph-gallery" "$font" "$root/glyphs" "$pgm"
convert "$pgm" -strip "$output"
echo "gallery written to $output"
