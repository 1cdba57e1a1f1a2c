#!/bin/sh
# Draws every glyph of glyphs/ as a reader sees it, one page per class of characters:
# docs/glyphs-ascii.png, glyphs-kana.png, glyphs-symbols.png, glyphs-kanji-1.png to
# glyphs-kanji-6.png (by school year), glyphs-kanji-frequent.png, glyphs-greek-cyrillic.png,
# glyphs-row13.png, glyphs-kanji-level1-1.png to -5.png (the rest of the first level),
# glyphs-kanji-level2.png and glyphs-other.png (needs ImageMagick). Usage: scripts/make-glyph-gallery.sh [BUILD_DIR] [OUTPUT_FOLDER]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}
output=${2:-$root/docs}

[ -f "$build/CMakeCache.txt" ] || cmake --preset native -B "$build" -S "$root" >/dev/null
cmake --build "$build" --target render-glyph-gallery -- --no-print-directory >/dev/null
font=$(sed -n 's/^MONA_FONT:FILEPATH=//p' "$build/CMakeCache.txt")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tools/glyphs/render-glyph-gallery" --pages "$font" "$root/glyphs" "$work"
rm -f "$output"/glyphs-*.png
for page in "$work"/glyphs-*.pgm; do
  name=$(basename "$page" .pgm)
  convert "$page" -strip "$output/$name.png"
done
echo "gallery pages written to $output"
