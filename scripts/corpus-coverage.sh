#!/usr/bin/env bash
# How much of two Japanese texts the shipped glyph library draws: the Debian FAQ and the Debian
# Reference in Japanese (Debian's packages debian-faq-ja and debian-reference-ja, installed
# when missing). Usage: scripts/corpus-coverage.sh [--top N]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh debian-faq-ja debian-reference-ja
cmake --preset native >/dev/null
cmake --build --preset native --target tarumo2-cli >/dev/null
cli=build/native/cli/tarumo2-cli

echo "== Debian FAQ in Japanese"
zcat /usr/share/doc/debian/FAQ/debian-faq.ja.txt.gz | "$cli" coverage --glyphs glyphs "$@"
echo "== Debian Reference in Japanese, chapters 1 to 12 without their tags"
cat /usr/share/debian-reference/ch*.ja.html | sed -e 's/<[^>]*>//g' |
  "$cli" coverage --glyphs glyphs "$@"
