#!/usr/bin/env bash
# Renders the browser preview page of a conversion with the shipped glyph library in headless
# Chromium and saves the picture: scripts/preview-screenshot.sh [output.png] (default
# docs/preview.png).
#
# Needs the native preset built (build/native/cli/tarumo2-cli, or TARUMO_CLI), which writes
# the page as the window does (tarumo2-cli --page), and Chromium (scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
output=$(realpath -m "${1:-docs/preview.png}")
cli=$(realpath "${TARUMO_CLI:-build/native/cli/tarumo2-cli}")
browser=$(command -v chromium || command -v chromium-browser)

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

printf 'タルモPART2\nでかい文字！\n' >"$folder/in.txt"
"$cli" --glyphs "$root/glyphs" --page "$folder/in.txt" >"$folder/___tarumo.html"

# A fresh profile, nothing fetched from the network; the page in the browser's own default
# font, at twice the pixels so that the strokes stay sharp.
"$browser" --headless --no-sandbox --disable-gpu --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$folder/profile" --hide-scrollbars --force-device-scale-factor=2 \
  --window-size=470,180 --screenshot="$output" "file://$folder/___tarumo.html" >/dev/null 2>&1
[[ -s $output ]]
echo "preview-screenshot: wrote $output"
