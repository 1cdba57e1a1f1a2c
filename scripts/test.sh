#!/usr/bin/env bash
# Sets up what is missing, builds the presets and runs every test: the native unit tests, the
# same under AddressSanitizer and UndefinedBehaviorSanitizer, a few seconds of every fuzz
# target, the web page's browser tests, and the Windows tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

echo "== native: core, command-line converter, unit tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

echo "== native-asan: the unit tests under the sanitizers"
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan
ctest --preset native-asan

echo "== fuzz: every target for a few seconds on its seed corpus"
bash scripts/fuzz.sh

echo "== web: the page's module, glyph pack and font, and its browser tests in Chromium"
bash scripts/test-web.sh

echo "== windows: tarumo2.exe and its tests under Wine"
source scripts/wine-env.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
