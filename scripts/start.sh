#!/usr/bin/env bash
# Sets up what is missing, builds tarumo2 and starts it: the window under Wine when a display
# answers, otherwise a sample line as giant text through tarumo2-cli.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh >&2
cmake --preset native >/dev/null
cmake --build --preset native --target tarumo2-cli >&2

program=build/windows/program/tarumo2.exe
if [[ -n ${DISPLAY:-} ]] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
  cmake --preset windows >/dev/null
  cmake --build --preset windows >&2
  if [[ -f $program ]]; then
    source scripts/wine-env.sh
    cd "$(dirname "$program")"
    exec wine "$(basename "$program")" "$@"
  fi
  echo "start: $program was not built; showing the converter instead" >&2
fi

echo "タルモPART2 のサンプル (tarumo2-cli):"
echo "タルモ abc" | build/native/cli/tarumo2-cli
cat <<'HINT'

No display answered, so the window was not opened. To see it, run this command again with
a display, e.g. in a desktop session, or with a virtual one:
  Xvfb :1 & DISPLAY=:1 bash scripts/start.sh
On Windows, unzip the release package and double-click tarumo2.exe.
HINT
