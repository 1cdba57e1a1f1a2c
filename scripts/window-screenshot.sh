#!/usr/bin/env bash
# Renders the main window after converting one line with the fixture glyph library and saves
# the picture: scripts/window-screenshot.sh [output.png] (default docs/window.png).
#
# Needs the windows preset built (build/windows/program/tarumo2.exe, or TARUMO_PROGRAM). With
# no window manager on the virtual display, Wine draws the window's frame itself: the prefix
# is told so, and gets Wine's Marlett font for the caption buttons.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
output=$(realpath -m "${1:-docs/window.png}")
program=$(realpath "${TARUMO_PROGRAM:-build/windows/program/tarumo2.exe}")

source scripts/wine-env.sh
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
cp -n /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true

folder=$(mktemp -d)
cp "$program" "$folder/tarumo2.exe"
cp -r "$root/tests/fixtures/glyphs/." "$folder/"
printf '[CONFIG]\r\nAutoUpdate=0\r\n' >"$folder/config.ini"

(cd "$folder" && exec wine ./tarumo2.exe) >/dev/null 2>&1 &
wine_pid=$!
trap 'kill $wine_pid 2>/dev/null || true; rm -rf "$folder"' EXIT

window=$(xdotool search --sync --onlyvisible --name 'PART2' | head -1)
sleep 1
# The focus starts in the input editor: type a line that uses every fixture folder, convert it.
xdotool type --delay 80 'aいAb1'
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
