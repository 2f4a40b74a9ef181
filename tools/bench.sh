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
echo "Medians over the repetitions (time on the wall clock and on the CPU; full figures in"
echo "build/bench/results.json):"
if command -v python3 >/dev/null; then
    python3 - "$out/results.json" <<'PY'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
rows = {}
for r in runs:
    name = r["run_name"]
    single = r.get("run_type") == "iteration" and r.get("repetitions", 1) == 1
    if r.get("aggregate_name") == "median" or single:
        rows[name] = r
print(f"{'benchmark':<52} {'wall':>11} {'cpu':>11}  counters")
for name, r in rows.items():
    unit = r["time_unit"]
    counters = "  ".join(f"{k}={r[k]:.4g}" for k in ("cpu_ms", "rss_MB", "heap_MB", "next_ms", "next_cpu_ms") if k in r)
    print(f"{name:<52} {r['real_time']:>8.3g} {unit:<2} {r['cpu_time']:>8.3g} {unit:<2}  {counters}")
PY
else
    grep -E '_median|BM_QWizard/pages:500' "$out/results.txt" | grep -vE '_(mean|stddev|cv) ' || true
fi
