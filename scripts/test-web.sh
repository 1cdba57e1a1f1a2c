#!/usr/bin/env bash
# Builds the web page (the web preset) and runs its browser tests: Playwright (tests/web,
# installed with npm ci) driving Debian's Chromium against build/web/site/ served on the
# loopback by nginx, with tarumo2-cli (the native preset's) as the yardstick.
#   TARUMO_WEB_PORT  the server's port (default 47310)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh emscripten python3-fonttools python3-brotli
# Node.js and npm run the browser tests; the machine may bring its own.
command -v npm >/dev/null || bash scripts/setup.sh nodejs npm

cmake --preset native >/dev/null
cmake --build --preset native --target tarumo2-cli >/dev/null
cmake --preset web >/dev/null
cmake --build --preset web

# The pinned Playwright, unless it is there already from the same lock file.
if ! cmp -s tests/web/package-lock.json tests/web/node_modules/.tarumo-lock.json 2>/dev/null; then
  npm ci --prefix tests/web --no-audit --no-fund
  cp tests/web/package-lock.json tests/web/node_modules/.tarumo-lock.json
fi

port=${TARUMO_WEB_PORT:-47310}
repo=$PWD
trap 'bash "$repo/scripts/web-server.sh" stop' EXIT
bash scripts/web-server.sh start "$port" >/dev/null
cd tests/web
TARUMO_SITE_URL="http://127.0.0.1:$port/" node --test page.test.js
