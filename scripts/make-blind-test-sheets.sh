#!/usr/bin/env bash
# Makes the sheets of a blind reading test: a random sample of glyphs, drawn as a reader sees
# them but numbered instead of named, and the key that names them, kept apart from the sheets.
# Usage: scripts/make-blind-test-sheets.sh CHARACTERS.txt COUNT SEED SHEETS_DIR KEY_FILE [LIBRARY]
#   CHARACTERS.txt  UTF-8 text: the characters to draw the sample from
#   COUNT           how many glyphs the sample holds; 25 go on a sheet
#   SEED            any word: the same seed draws the same sample
# The sheets are drawn at twice the size, every dot a square of four, so that nothing of the
# picture is lost when it is looked at. Set BUILD_DIR to use another build than build/native.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build/native}
[ $# -ge 5 ] || { echo "usage: $0 CHARACTERS.txt COUNT SEED SHEETS_DIR KEY_FILE [LIBRARY]" >&2; exit 2; }
characters=$1 count=$2 seed=$3 sheets=$4 key=$5 library=${6:-$root/glyphs}

[ -f "$build/CMakeCache.txt" ] || cmake --preset native -B "$build" -S "$root" >/dev/null
[ -x "$build/tools/glyphs/render-glyph-gallery" ] ||
  cmake --build "$build" --target render-glyph-gallery -- --no-print-directory >/dev/null
font=$(sed -n 's/^MONA_FONT:FILEPATH=//p' "$build/CMakeCache.txt")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The characters that have a glyph, one a line, shuffled by a stream that the seed alone decides.
for folder in ext low up data; do
  [ -d "$library/$folder" ] && ls "$library/$folder"
done | sed -n 's/\.txt$//p' | sort -u >"$work/drawn.txt"
grep -o . "$characters" | awk '!seen[$0]++' | grep -Fxf "$work/drawn.txt" >"$work/all.txt"
seeded() { openssl enc -aes-256-ctr -pass "pass:$seed" -nosalt -pbkdf2 </dev/zero 2>/dev/null || true; }
shuf -n "$count" --random-source=<(seeded) "$work/all.txt" >"$work/sample.txt"

mkdir -p "$sheets" "$(dirname "$key")"
: >"$key"
split -l 25 -d "$work/sample.txt" "$work/sheet-"
for part in "$work"/sheet-*; do
  sheet=$((10#${part##*-} + 1))
  tr -d '\n' <"$part" >"$work/characters.txt"
  "$build/tools/glyphs/render-glyph-gallery" --numbered --characters "$work/characters.txt" \
    "$font" "$library" "$work/sheet.pgm" >/dev/null
  convert "$work/sheet.pgm" -trim -bordercolor white -border 12 -scale 200% -strip \
    "$sheets/sheet-$sheet.png"
  awk -v sheet="$sheet" '{ print "sheet " sheet ", " NR ": " $0 }' "$part" >>"$key"
done
echo "$(wc -l <"$work/sample.txt") glyphs on $(ls "$work"/sheet-* | wc -l) sheets in $sheets; key in $key"
