#!/usr/bin/env bash
# Fuzzes each target of a ROTAVEX_FUZZ build for a bounded time, starting
# from the examples, the seeds and every input kept from earlier findings.
# Prints each target's executions. An input that breaks a rule is copied
# under tests/fuzz/regressions/<target>/ (commit it: it stays under test in
# every build), printed in hex, and fails the run.
#   scripts/fuzz.sh BUILD_DIR [SECONDS_PER_TARGET]
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: scripts/fuzz.sh BUILD_DIR [SECONDS_PER_TARGET]}
seconds=${2:-8}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
for target in fuzz_pricing fuzz_field_reading fuzz_data_file_round_trip fuzz_reference_file fuzz_lot_file fuzz_revision_file; do
    corpus=$work/$target/corpus
    findings=$work/$target/findings
    mkdir -p "$corpus" "$findings"
    cp examples/* tests/fuzz/regressions/$target/* "$corpus"/ 2>/dev/null
    [ -d tests/fuzz/seeds/$target ] && cp tests/fuzz/seeds/$target/* "$corpus"/
    log=$work/$target/log
    "$build/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$target: ${runs:-?} executions in ${seconds} s"
    if [ "$status" -ne 0 ]; then
        failed=1
        grep -E "rule broken|ERROR|runtime error|SUMMARY" "$log" | head -n 20
        for finding in "$findings"/*; do
            [ -e "$finding" ] || continue
            kept=tests/fuzz/regressions/$target/$(basename "$finding")
            cp "$finding" "$kept"
            echo "  kept as $kept:"
            od -A x -t x1z -v "$finding" | head -n 40 | sed 's/^/    /'
        done
    fi
done
exit "$failed"
