#!/usr/bin/env bash
# Builds the fuzz targets (preset `fuzz`, clang with libFuzzer) and runs each in turn on its
# seed corpus from tests/fuzz/corpus:
#   scripts/fuzz.sh                 every target for 5 seconds (what CI runs)
#   scripts/fuzz.sh --seconds 60    every target for 60 seconds
#   scripts/fuzz.sh --runs 1000000  every target for a million executions
#   scripts/fuzz.sh ... TARGET...   only the targets named (glyph_rows, text_file, ...)
# The corpus grows in build/fuzz/corpus, never in the repository; inputs that fail are kept
# in build/fuzz/findings. One line per target: executions, coverage (cov, ft), time. Exits 1
# on the first finding.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=(-max_total_time=5)
targets=()
while (($#)); do
  case $1 in
    --seconds) limit=(-max_total_time="$2"); shift 2 ;;
    --runs) limit=(-runs="$2"); shift 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
((${#targets[@]})) || mapfile -t targets <build/fuzz/fuzz-targets.txt

for target in "${targets[@]}"; do
  [[ -n $target ]] || continue
  corpus=build/fuzz/corpus/$target
  findings=build/fuzz/findings/$target
  mkdir -p "$corpus" "$findings"
  log=build/fuzz/$target.log
  start=$(date +%s%3N)
  if ! nice -n 19 "build/fuzz/tests/fuzz/fuzz_$target" "${limit[@]}" -max_len=4096 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "tests/fuzz/corpus/$target" \
      >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz: $target found a failing input, kept in $findings" >&2
    exit 1
  fi
  elapsed=$(($(date +%s%3N) - start))
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  coverage=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -n 1)
  printf 'fuzz: %-16s %10s executions  %-20s %d.%03d s\n' "$target" "$executions" "$coverage" \
    $((elapsed / 1000)) $((elapsed % 1000))
done
