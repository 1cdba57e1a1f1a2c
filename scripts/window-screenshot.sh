#!/usr/bin/env bash
# Renders the main window after converting a line with the shipped glyph library and saves the
# picture: scripts/window-screenshot.sh [output.png] (default docs/window.png).
#
# Needs the windows preset built (build/windows/program/tarumo2.exe, or TARUMO_PROGRAM).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
output=$(realpath -m "${1:-docs/window.png}")
program=$(realpath "${TARUMO_PROGRAM:-build/windows/program/tarumo2.exe}")

source scripts/wine-env.sh

folder=$(mktemp -d)
cp "$program" "$folder/tarumo2.exe"
for class in ext low up data; do
  cp -r "$root/glyphs/$class" "$folder/"
done
printf '[CONFIG]\r\nAutoUpdate=0\r\n' >"$folder/config.ini"
# The line comes in as the file named on the command line, in the program's own code page.
printf 'タルモPART2\r\nでかい文字\r\n' | iconv -f UTF-8 -t CP932 >"$folder/sample.txt"

(cd "$folder" && exec wine ./tarumo2.exe sample.txt) >/dev/null 2>&1 &
wine_pid=$!
trap 'kill $wine_pid 2>/dev/null || true; rm -rf "$folder"' EXIT

window=$(xdotool search --sync --onlyvisible --name 'PART2' | head -1)
sleep 1
xdotool key F5
sleep 3
# Open the output editor's context menu in its empty part, so that both menus show.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 380)) $((Y + 280)) click 3
sleep 1
# The context menu is a window of its own: take the screen and cut the main window out of it.
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$output"
xdotool key Escape
echo "window-screenshot: wrote $output"
