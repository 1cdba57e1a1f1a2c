#!/bin/sh
# Draws the glyphs of some design files as a reader sees them, in the order they are drawn, so
# that a glyph maker can look at a block of work before it goes into the library.
# Usage: scripts/preview-glyph-designs.sh OUTPUT.png DESIGN... (all of tools/glyphs/designs/
# is read, so that parts and glyphs drawn elsewhere can be used; only the named files' glyphs
# are drawn). Set BUILD_DIR to use another build than build/native.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build/native}
[ $# -ge 2 ] || { echo "usage: $0 OUTPUT.png DESIGN..." >&2; exit 2; }
output=$1
shift

[ -f "$build/CMakeCache.txt" ] || cmake --preset native -B "$build" -S "$root" >/dev/null
[ -x "$build/tools/glyphs/make-glyph-files" ] && [ -x "$build/tools/glyphs/render-glyph-gallery" ] ||
  cmake --build "$build" --target make-glyph-files render-glyph-gallery -- --no-print-directory >/dev/null
font=$(sed -n 's/^MONA_FONT:FILEPATH=//p' "$build/CMakeCache.txt")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every design file once, the named ones included even when they lie elsewhere.
designs=$(for file in "$root"/tools/glyphs/designs/*.txt "$@"; do realpath "$file"; done | sort -u)
# shellcheck disable=SC2086
"$build/tools/glyphs/make-glyph-files" "$work/library" $designs >/dev/null
sed -n 's/^== \([^~ ][^ ]*\).*/\1/p' "$@" | tr -d '\n' >"$work/characters.txt"
"$build/tools/glyphs/render-glyph-gallery" --characters "$work/characters.txt" "$font" \
  "$work/library" "$work/gallery.pgm" >/dev/null
convert "$work/gallery.pgm" -strip "$output"
echo "$(wc -m <"$work/characters.txt") glyphs drawn into $output"
