#!/usr/bin/env bash
# Sets up what is missing, builds tarumo2 and starts it: the window under Wine when a display
# answers, otherwise a sample line as giant text through tarumo2-cli. Arguments go to the
# window (a text file to open).
#
#   bash scripts/start.sh --web [PORT]   builds the web page and serves build/web/site/ on the
#                                        loopback with nginx (port 47310 by default), until Ctrl+C
#
#   TARUMO_NATIVE_BUILD, TARUMO_WINDOWS_BUILD  the build folders (default build/native and
#                                              build/windows, those of the presets)
set -euo pipefail
cd "$(dirname "$0")/.."

native=${TARUMO_NATIVE_BUILD:-build/native}
windows=${TARUMO_WINDOWS_BUILD:-build/windows}

if [[ ${1:-} == --web ]]; then
  bash scripts/setup.sh emscripten python3-fonttools python3-brotli >&2
  cmake --preset web >/dev/null
  cmake --build --preset web >&2
  exec bash scripts/web-server.sh run "${2:-${TARUMO_WEB_PORT:-47310}}"
fi

bash scripts/setup.sh >&2

if [[ -n ${DISPLAY:-} ]] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
  # Only the program and what lies beside it, not the tests.
  cmake --preset windows -B "$windows" >/dev/null
  cmake --build "$windows" -j2 --target tarumo2 program_glyph_library >&2
  program=$windows/program/tarumo2.exe
  if [[ -f $program ]]; then
    source scripts/wine-env.sh
    cd "$(dirname "$program")"
    exec wine tarumo2.exe "$@"
  fi
  echo "start: $program was not built; showing the converter instead" >&2
fi

cmake --preset native -B "$native" >/dev/null
cmake --build "$native" -j2 --target tarumo2-cli cli_glyph_library >&2

echo "タルモPART2 のサンプル (tarumo2-cli):"
echo "タルモ abc" | "$native/cli/tarumo2-cli"
cat <<HINT

No display answered, so the window was not opened. To open it, run this command again in a
desktop session (with DISPLAY set), or on a virtual display, e.g.
  Xvfb :1 -screen 0 1280x1024x24 & DISPLAY=:1 bash scripts/start.sh
Your own text as giant text:  echo "でかい文字" | $native/cli/tarumo2-cli
On Windows, unzip the release package tarumo2-<version>-win64.zip and double-click tarumo2.exe.
HINT
