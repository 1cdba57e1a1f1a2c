#!/usr/bin/env bash
# Times tarumo2-cli against figlet on the same 10,000 lines, then tarumo2-cli with --width 360
# --post-bytes 2048 against its plain conversion: alternating runs, medians. (Its memory on
# 1 GB from a pipe: scripts/bad-input.sh --cli --gigabyte.)
# The texts are made in build/benchmark-cli: 10,000 lines of 40 printable ASCII characters
# (random, seed 42), and 10,000 lines of 40 characters of the Debian FAQ in Japanese (kana,
# kanji, ASCII; some characters without a glyph), both in UTF-8.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh figlet debian-faq-ja
cmake --preset native >/dev/null
cmake --build --preset native --target tarumo2-cli >/dev/null
cli=$PWD/build/native/cli/tarumo2-cli
work=$PWD/build/benchmark-cli
mkdir -p "$work"

python3 - "$work" <<'PY'
import gzip, random, sys
work = sys.argv[1]
rng = random.Random(42)
ascii_lines = ["".join(chr(rng.randint(0x21, 0x7E)) for _ in range(40)) for _ in range(10000)]
open(f"{work}/ascii.txt", "w").write("\n".join(ascii_lines) + "\n")
with gzip.open("/usr/share/doc/debian/FAQ/debian-faq.ja.txt.gz", "rt", encoding="utf-8") as faq:
    def convertible(ch):  # what code page 932 holds; the FAQ has a few signs it does not
        try:
            return bool(ch.encode("cp932"))
        except UnicodeEncodeError:
            return False
    prose = "".join(ch for ch in faq.read() if not ch.isspace() and convertible(ch))
lines = []
while len(lines) < 10000:
    for start in range(0, len(prose) - 40, 40):
        lines.append(prose[start:start + 40])
open(f"{work}/japanese.txt", "w", encoding="utf-8").write("\n".join(lines[:10000]) + "\n")
PY

# Alternating runs after two warm-ups; the medians and their ratio.
python3 - "$cli" "$work" <<'PY'
import statistics, subprocess, sys, time
cli, work = sys.argv[1:]
def seconds(command, text):
    with open(text, "rb") as source:
        start = time.perf_counter()
        run = subprocess.run(command, stdin=source, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
        taken = time.perf_counter() - start
    if run.returncode != 0:
        sys.exit(f"{command[0]} failed on {text} with status {run.returncode}")
    return taken
def compare(text, commands):
    times = {label: [] for label in commands}
    for run in range(17):
        for label, command in commands.items():
            taken = seconds(command, text)
            if run >= 2:
                times[label].append(taken)
    return [statistics.median(times[label]) for label in commands]
plain = [cli, "--glyphs", "glyphs"]
fitted = plain + ["--width", "360", "--post-bytes", "2048"]
for name in ("ascii", "japanese"):
    text = f"{work}/{name}.txt"
    ours, theirs = compare(text, {"tarumo2-cli": plain, "figlet": ["figlet"]})
    print(f"10,000 lines of {name}: tarumo2-cli {ours * 1000:.1f} ms, figlet {theirs * 1000:.1f} ms"
          f" (medians of 15), ratio {ours / theirs:.4f}")
for name in ("ascii", "japanese"):
    text = f"{work}/{name}.txt"
    cut, whole = compare(text, {"fitted": fitted, "plain": plain})
    print(f"10,000 lines of {name}: --width 360 --post-bytes 2048 {cut * 1000:.1f} ms, plain"
          f" {whole * 1000:.1f} ms (medians of 15), ratio {cut / whole:.3f}")
PY
