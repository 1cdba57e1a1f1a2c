#!/usr/bin/env bash
# Redraws docs/web.png: the web page on a phone (360 px wide, the whole page) beside the page on
# a desktop (1280 x 780), each with a sample text converted, served on the loopback.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh emscripten python3-fonttools python3-brotli >/dev/null
cmake --preset web >/dev/null
cmake --build --preset web >/dev/null
if ! cmp -s tests/web/package-lock.json tests/web/node_modules/.tarumo-lock.json 2>/dev/null; then
  npm ci --prefix tests/web --no-audit --no-fund
  cp tests/web/package-lock.json tests/web/node_modules/.tarumo-lock.json
fi
port=${TARUMO_WEB_PORT:-47310}
repo=$PWD
work=$(mktemp -d)
trap 'bash "$repo/scripts/web-server.sh" stop; rm -rf "$work"' EXIT
bash scripts/web-server.sh start "$port" >/dev/null
(cd tests/web && TARUMO_SITE_URL="http://127.0.0.1:$port/" node screenshot.js "$work/phone.png" "$work/desktop.png")
convert "$work/phone.png" -size 16x1 xc:'#8a8a8a' "$work/desktop.png" -background '#8a8a8a' \
  -gravity north +append docs/web.png
echo "docs/web.png: $(identify -format '%wx%h' docs/web.png)"
