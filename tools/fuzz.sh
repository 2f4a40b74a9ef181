#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time on a copy of its seed corpus.
# Any finding (crash, sanitizer report, leak, timeout) fails the run; the input that caused it
# is kept under build-fuzz/findings/ to become a unit test.
# Usage: tools/fuzz.sh [seconds per target (20)] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
shift || true

packages=(clang libclang-rt-14-dev)
tools/install-missing.sh "${packages[@]}"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in tests/fuzz/corpus/*/; do
        targets+=("$(basename "$dir")")
    done
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]}"

work="build-fuzz/work"
findings="build-fuzz/findings"
rm -rf "$work"
mkdir -p "$findings"
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen

failed=()
for target in "${targets[@]}"; do
    mkdir -p "$work/$target"
    log="build-fuzz/$target.log"
    # New inputs go to the work folder; the committed seeds are only read.
    if "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/$target-" -print_final_stats=1 \
        "$work/$target" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
        echo "fuzz $target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs, no finding"
    else
        echo "fuzz $target: FINDING (log: $log)"
        tail -n 40 "$log"
        failed+=("$target")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzz findings in: ${failed[*]} (inputs under $findings/)"
    exit 1
fi
