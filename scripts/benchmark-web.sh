#!/usr/bin/env bash
# The web page's figures for docs/performance.md: builds the site and tarumo2-cli, serves the
# site on the loopback and measures in headless Chromium (tests/web/benchmark.js): time to
# ready and bytes loaded on a first visit, 1,000 lines converted and shown, and the module's
# conversion against tarumo2-cli on the same texts. Then the glyph pack of a library grown to
# 3,300 and 3,900 glyphs, made by joining the rows of two shipped glyphs for each new one, as
# many kanji are drawn. Usage: scripts/benchmark-web.sh [RUNS] (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}

bash scripts/setup.sh emscripten python3-fonttools python3-brotli >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native --target tarumo2-cli >/dev/null
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
(cd tests/web && TARUMO_SITE_URL="http://127.0.0.1:$port/" node benchmark.js "$runs")

for size in 3300 3900; do
  python3 - glyphs "$work/grown-$size" "$size" <<'PY'
import os, random, shutil, sys
source, target, size = sys.argv[1], sys.argv[2], int(sys.argv[3])
shutil.copytree(source, target)
data = os.path.join(target, "data")
names = sorted(os.listdir(data))
rows = [open(os.path.join(data, n), "rb").read().split(b"\r\n")[:3] for n in names]
have = set(names)
rng = random.Random(size)
count = sum(len(os.listdir(os.path.join(target, f))) for f in ("ext", "low", "up", "data"))
lead, trail = 0x88, 0x9F
while count < size:
    name = bytes([lead, trail]).decode("cp932", errors="ignore") + ".txt"
    trail += 1
    if trail > 0xFC:
        lead, trail = lead + 1, 0x40
    if name == ".txt" or name in have:
        continue
    a, b = rng.choice(rows), rng.choice(rows)
    glyph = b"\r\n".join(x + y for x, y in zip(a, b)) + b"\r\n"
    open(os.path.join(data, name), "wb").write(glyph)
    count += 1
PY
  python3 tools/web/pack-glyphs.py "$work/grown-$size" "$work/grown-$size.pack.gz" \
    "$work/grown-$size.characters" | sed "s/^pack-glyphs:/a library grown to $size glyphs:/"
done
