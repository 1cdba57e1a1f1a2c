#!/usr/bin/env bash
# Bad input end to end, measured: files of 5 MB and 50 MB, a binary file, invalid Shift-JIS,
# glyph files with NUL bytes, of 10,000 lines, a folder and a FIFO named like glyph files; each
# through tarumo2-cli and (under Wine) the window. One line per run: what happened, the time
# and the peak memory.
#   scripts/bad-input.sh               tarumo2-cli and the window
#   scripts/bad-input.sh --cli         tarumo2-cli only
#   scripts/bad-input.sh --gigabyte    also 1 GB of text through a pipe into tarumo2-cli, plain
#                                      and with --width 360 --post-bytes 2048
# TARUMO_WINDOW_MINUTES (default 20) bounds each conversion in the window.
set -euo pipefail
cd "$(dirname "$0")/.."

window=1
gigabyte=0
for argument in "$@"; do
  case $argument in
    --cli) window=0 ;;
    --gigabyte) gigabyte=1 ;;
    *) echo "usage: bad-input.sh [--cli] [--gigabyte]" >&2; exit 2 ;;
  esac
done

bash scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native --target tarumo2-cli
cli=$PWD/build/native/cli/tarumo2-cli
work=$PWD/build/bad-input
rm -rf "$work"
mkdir -p "$work"

# Inputs. Text: whole lines of Japanese, ASCII and digits up to the size asked, in UTF-8 for
# the converter and in code page 932 with CR LF for the window.
line='あいうえお漢字のテスト abc ABC 123 ｶﾀｶﾅ'
bytes_per_line=$(($(printf '%s\n' "$line" | wc -c)))
# `yes` ends on the broken pipe, which is no failure here.
repeat() {  # text count
  { yes "$1" || true; } | head -n "$2"
}
text_of_size() {  # bytes file
  repeat "$line" $(($1 / bytes_per_line)) >"$2"
}
cp932_line=$(printf '%s\r' "$line" | iconv -f UTF-8 -t CP932)
cp932_bytes_per_line=$(($(printf '%s\n' "$cp932_line" | wc -c)))
cp932_text_of_size() {  # bytes file
  repeat "$cp932_line" $(($1 / cp932_bytes_per_line)) >"$2"
}
for size in 5 50; do
  text_of_size $((size * 1024 * 1024)) "$work/text-${size}mb.utf8"
  cp932_text_of_size $((size * 1024 * 1024)) "$work/text-${size}mb.txt"
done
# 1 MB of bytes drawn from a fixed seed: NULs, lone lead bytes, controls.
LC_ALL=C awk 'BEGIN { srand(14); for (i = 0; i < 1048576; i++) printf "%c", int(rand() * 256) }' \
  >"$work/binary.bin"
# Lead bytes without a trail byte, trail bytes out of range and 0xFD to 0xFF in Shift-JIS.
printf 'ok\r\n\x82\r\n\x81\x7f\xfd\xfe\xff\r\n\x82\xa0\x82' >"$work/invalid-sjis.txt"

# A glyph library with one bad glyph file each: あ with NUL bytes, い of 10,000 lines, う a
# folder, え a FIFO; each character converted alone.
library=$work/glyphs
cp -r tests/fixtures/glyphs "$library"
printf '\x81\xa1\x00\r\nb\r\nc\r\n' >"$library/data/あ.txt"
repeat '■' 10000 | sed 's/$/\r/' >"$library/data/い.txt"
mkdir -p "$library/data/う.txt"
mkfifo "$library/data/え.txt"

measure() {  # name command...: the command's status, time and peak memory
  local name=$1
  shift
  local status=0
  /usr/bin/time -f '%e %M' -o "$work/time" timeout 1800 "$@" >"$work/out" 2>"$work/err" || status=$?
  read -r seconds kilobytes < <(tail -n 1 "$work/time") || true
  printf 'cli:    %-26s status %s; %s s, peak %d MB; %s\n' "$name" "$status" "$seconds" \
    $((${kilobytes:-0} / 1024)) "$(head -n 1 "$work/err" | head -c 100 | iconv -c -f UTF-8 -t UTF-8)"
}

# Whole texts with the shipped library; the spoilt one serves the glyph-file runs.
measure "5 MB text" "$cli" --glyphs glyphs "$work/text-5mb.utf8"
measure "50 MB text" "$cli" --glyphs glyphs "$work/text-50mb.utf8"
measure "binary file" "$cli" --glyphs "$library" "$work/binary.bin"
measure "binary file as cp932" "$cli" --glyphs "$library" --encoding cp932 "$work/binary.bin"
measure "invalid Shift-JIS" "$cli" --glyphs "$library" --encoding cp932 "$work/invalid-sjis.txt"
for glyph in "あ NUL bytes" "い 10,000 lines" "う a folder" "え a FIFO"; do
  printf '%s\n' "${glyph%% *}" >"$work/one-character.txt"
  measure "glyph file: ${glyph#* }" "$cli" --glyphs "$library" "$work/one-character.txt"
done
if ((gigabyte)); then
  # Plain, and broken to a phone's width and cut into posts.
  for options in "" "--width 360 --post-bytes 2048"; do
    status=0
    /usr/bin/time -f '%e %M' -o "$work/time" bash -c \
      "yes '$line' | head -n $((1024 * 1024 * 1024 / bytes_per_line)) | '$cli' --glyphs glyphs $options >/dev/null 2>'$work/err'" \
      || status=$?
    read -r seconds kilobytes < <(tail -n 1 "$work/time") || true
    printf 'cli:    %-26s status %s; %s s, peak %d MB\n' "1 GB through a pipe${options:+ $options}" \
      "$status" "$seconds" $((${kilobytes:-0} / 1024))
  done
fi

if ((window)); then
  source scripts/wine-env.sh
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target window_bad_input
  TARUMO_BAD_INPUT=$(winepath -w "$work") WINEDEBUG=-all \
    wine build/windows/tests/ui/window_bad_input.exe 2>/dev/null |
    iconv -c -f CP932 -t UTF-8 | grep --line-buffered '^window:'
fi
