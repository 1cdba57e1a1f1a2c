#!/usr/bin/env bash
# Sets up what is missing, builds both presets and runs every test: the native unit tests and
# the Windows tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

echo "== native: core, command-line converter, unit tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

echo "== windows: tarumo2.exe and its tests under Wine"
source scripts/wine-env.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
