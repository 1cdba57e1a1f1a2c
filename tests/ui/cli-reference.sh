#!/usr/bin/env bash
# The command-line converter's giant text of a large input, for the window's to be held against
# it: writes OUT_DIR/large-input.txt (code page 932, 200 lines of kana, kanji, ASCII, symbols,
# characters without a glyph and empty lines) and OUT_DIR/large-output.txt (the converter's
# output with the shipped glyph library and one spacing line, code page 932 with CR LF).
# Usage: tests/ui/cli-reference.sh OUT_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$1
mkdir -p "$out"

# The converter of the native build, brought up to date.
if [[ ! -f $root/build/native/CMakeCache.txt ]]; then
  (cd "$root" && cmake --preset native >/dev/null)
fi
cmake --build "$root/build/native" --target tarumo2-cli >/dev/null

sample=(
  "巨大文字を作ろう！ Giant text 2026 で、掲示板に書き込む。"
  "カタカナ・ひらがな・漢字（かんじ）をまぜて一行に四十字ほど"
  "めずらしい字も: 鬱 麒麟 ※ ① ★ ♪ ━━ ┃ ◎ ～"
  ""
  "ASCII: The quick brown fox jumps over the lazy dog!? #1 & @2"
)
for ((i = 0; i < 40; i++)); do printf '%s\r\n' "${sample[@]}"; done |
  iconv -f UTF-8 -t CP932 >"$out/large-input.txt"
"$root/build/native/cli/tarumo2-cli" --glyphs "$root/glyphs" --encoding cp932 --crlf --blank 1 \
  "$out/large-input.txt" >"$out/large-output.txt" 2>/dev/null
