#!/usr/bin/env bash
# Runs every fuzz target for a bounded time, from the committed seeds, and prints
# its executions and coverage. Usage: tools/run_fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
root="$(cd "$(dirname "$0")/.." && pwd)"
for target in phrase substitution letter_check; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    log="$build/$target.log"
    if ! "$build/fuzz/${target}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/$target-" "$corpus" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz $target: FAILED (see $log)"
        exit 1
    fi
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*')
    echo "fuzz $target: $runs executions in ${seconds} s, coverage $cov edges, no failure"
done
