#!/usr/bin/env bash
# Checks tarumo2-cli's --width and its posts on the whole of a Japanese text: the Debian
# Reference in Japanese (Debian's package debian-reference-ja, installed when missing), its
# chapters without their tags, as scripts/corpus-coverage.sh reads them, with the shipped
# glyph library. Usage: scripts/check-fitting.sh [PX...] (default 360 600 1000)
#
# For each width: every row set is at most PX dots wide in the reader's font (a single
# character wider than that aside), and the row sets hold every character of their line in
# order, blanks at breaks aside (build/native/tools/fitcheck/fit-check). Then, for posts of
# 2,048 bytes and 32 lines and of 4,096 bytes and 60 lines: every post is within its limits,
# counted here apart from the converter, no further row set would have fitted, the summary line
# tells the same sizes, and the posts joined, with the spacing line at every cut, give the
# un-cut giant text back.
set -euo pipefail
cd "$(dirname "$0")/.."
widths=("$@")
((${#widths[@]})) || widths=(360 600 1000)
bash scripts/setup.sh debian-reference-ja
cmake --preset native >/dev/null
cmake --build --preset native --target tarumo2-cli fit-check >/dev/null
cli=$PWD/build/native/cli/tarumo2-cli
check=$PWD/build/native/tools/fitcheck/fit-check
work=$PWD/build/check-fitting
mkdir -p "$work"

# The text in code page 932, without the few characters it cannot hold.
python3 - "$work/reference.txt" /usr/share/debian-reference/ch*.ja.html <<'PY'
import re, sys
def convertible(ch):
    try:
        return bool(ch.encode("cp932"))
    except UnicodeEncodeError:
        return False
lines = []
for chapter in sys.argv[2:]:
    for line in open(chapter, encoding="utf-8").read().splitlines():
        line = re.sub(r"<[^>]*>", "", line)
        lines.append("".join(ch for ch in line if convertible(ch)))
open(sys.argv[1], "w", encoding="cp932", newline="\n").write("\n".join(lines) + "\n")
print(f"the text: {len(lines)} lines, {sum(map(len, lines))} characters")
PY

status=0
for px in "${widths[@]}"; do
  "$cli" --glyphs glyphs --encoding cp932 --blank 1 --width "$px" "$work/reference.txt" \
    >"$work/width-$px.txt" 2>/dev/null
  "$check" glyphs "$px" "$work/reference.txt" "$work/width-$px.txt" || status=1
  for limits in "2048 32" "4096 60"; do
    read -r bytes lines <<<"$limits"
    posts=$work/posts-$px-$bytes-$lines.txt
    "$cli" --glyphs glyphs --encoding cp932 --blank 1 --width "$px" --post-bytes "$bytes" \
      --post-lines "$lines" "$work/reference.txt" >"$posts" 2>"$posts.err" || status=1
    python3 - "$work/width-$px.txt" "$posts" "$bytes" "$lines" <<'PY' || status=1
import sys
uncut_file, posts_file, max_bytes, max_lines = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
uncut = open(uncut_file, "rb").read()
text = open(posts_file, "rb").read()
summary = open(posts_file + ".err", "rb").read().decode("utf-8", "replace").splitlines()[-1]
posts = text.split(b"\f\n")
def size(lines):  # as a board counts: bytes, CR LF breaks, entities
    entity = {ord("<"): 3, ord(">"): 3, ord("&"): 4, ord('"'): 5}
    count = sum(len(line) + sum(entity.get(b, 0) for b in line) for line in lines)
    return count + 2 * (len(lines) - 1), len(lines)
faults = []
sizes = []
for i, post in enumerate(posts):
    lines = post.split(b"\n")
    if lines[-1] != b"":
        faults.append(f"post {i + 1} does not end with a line end")
    lines = lines[:-1]
    sizes.append(size(lines))
    if sizes[-1][0] > max_bytes or sizes[-1][1] > max_lines:
        faults.append(f"post {i + 1} is over the limits: {sizes[-1]}")
    if i > 0:  # the post before it could not have taken this one's first row set
        first = size(lines[:3])
        before = sizes[-2]
        if before[0] + 4 + first[0] <= max_bytes and before[1] + 1 + first[1] <= max_lines:
            faults.append(f"post {i} could have taken the next row set")
joined = b"\n".join(posts) + b"\n" == uncut
if not joined:
    faults.append("the posts joined are not the un-cut giant text")
told = f"{len(posts)} posts (bytes/lines): " + " ".join(f"{b}/{l}" for b, l in sizes)
if summary != told:
    faults.append("the summary line tells other sizes: " + summary[:200])
print(f"  posts of at most {max_bytes} bytes and {max_lines} lines: {len(posts)} posts, the largest"
      f" {max(s[0] for s in sizes)} bytes, {max(s[1] for s in sizes)} lines at most;"
      f" joined, the un-cut text: {'yes' if joined else 'NO'};"
      f" faults {len(faults)}")
for fault in faults[:20]:
    print("  " + fault)
sys.exit(1 if faults else 0)
PY
  done
done
exit $status
