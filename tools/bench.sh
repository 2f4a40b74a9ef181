#!/usr/bin/env bash
# Builds the benchmarks in release (preset "bench", folder build-bench), runs them with
# repetitions and prints the medians; every figure goes to build/bench/results.json.
# Usage: tools/bench.sh [Google Benchmark flags, e.g. --benchmark_filter=Keystroke]
# REPETITIONS (default 5) sets the number of runs a median is taken over.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

cmake --preset bench
cmake --build --preset bench -j "$(nproc)"

out="$root/build/bench"
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen WIZARD_BENCH_TRACE_DIR="$root/build-bench/bench" \
    build-bench/bench/wizard_bench \
    --benchmark_repetitions="${REPETITIONS:-5}" \
    --benchmark_report_aggregates_only=true \
    --benchmark_out="$out/results.json" --benchmark_out_format=json \
    "$@" | tee "$out/results.txt"

echo
echo "Medians (build/bench/results.json):"
grep -E '^Benchmark|_median|BM_QWizard/pages:500' "$out/results.txt" \
    | grep -vE '_(mean|stddev|cv) ' || true
