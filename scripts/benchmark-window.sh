#!/usr/bin/env bash
# Times the window under Wine: F5 to "100%" for 100, 1,000 and 2,000 input lines against one
# WM_SETTEXT of the same output, and the start-up against the smallest window program.
# Usage: scripts/benchmark-window.sh [LINES...]
#        scripts/benchmark-window.sh --costs   (what the output editor's control costs per line)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/setup.sh
source scripts/wine-env.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target tarumo2 program_glyph_library window_benchmark \
  minimal_window settext_hook richedit_costs >/dev/null

if [[ ${1:-} == --costs ]]; then
  exec wine build/windows/tests/windowbenchmark/richedit_costs.exe
fi

# A program folder of its own: the program, the shipped glyph library, no first-run question.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp build/windows/program/tarumo2.exe "$folder/"
for class in ext low up data; do cp -r "$root/glyphs/$class" "$folder/"; done
printf '[CONFIG]\r\nAutoUpdate=0\r\n' >"$folder/config.ini"

wine build/windows/tests/windowbenchmark/window_benchmark.exe "$(winepath -w "$folder")" \
  "$(winepath -w build/windows/tests/windowbenchmark/minimal_window.exe)" "$@"
