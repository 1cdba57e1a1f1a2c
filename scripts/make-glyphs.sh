#!/bin/sh
# Remakes the glyph library's class folders (glyphs/low, up, data) from the designs in
# tools/glyphs/designs/, then checks the result. Usage: scripts/make-glyphs.sh [BUILD_DIR]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/native}

[ -f "$build/CMakeCache.txt" ] || cmake --preset native -B "$build" -S "$root" >/dev/null
cmake --build "$build" --target make-glyph-files tarumo2-cli -- --no-print-directory >/dev/null
"$build/tools/glyphs/make-glyph-files" "$root/glyphs" "$root"/tools/glyphs/designs/*.txt
"$build/cli/tarumo2-cli" check-glyphs "$root/glyphs"
