#!/usr/bin/env bash
# Builds and runs the converter benchmark (warm file system): characters and bytes a second
# against a memory copy of the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native --target conversion_benchmark
exec build/native/tests/benchmark/conversion_benchmark --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true "$@"
