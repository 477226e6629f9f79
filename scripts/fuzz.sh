#!/usr/bin/env bash
# Runs each libFuzzer target of a TAMBERLO_FUZZ build for a bounded time.
# Usage: scripts/fuzz.sh BUILD_DIR SECONDS
# Seeds: the sample files and the readers' test data; what a target learns is kept in
# BUILD_DIR/corpus/<target>. An input that fails is written to BUILD_DIR/crashes/ and the
# script fails: fix the cause and add the input to tests/fuzz/regressions/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=$2

status=0
for target in fuzz_code_file fuzz_library fuzz_text_stream; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus" "$build/crashes"
    echo "== $target: $seconds s"
    if ! "$build/tests/fuzz/$target" -max_total_time="$seconds" -max_len=16384 -timeout=25 \
        -dict=tests/fuzz/readers.dict \
        -print_final_stats=1 -artifact_prefix="$build/crashes/$target-" \
        "$corpus" examples tests/codes/data tests/fuzz/regressions \
        >"$build/$target.log" 2>&1; then
        status=1
        grep -E -A20 "ERROR|SUMMARY" "$build/$target.log" || tail -20 "$build/$target.log"
    fi
    grep -E "^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)" \
        "$build/$target.log" || true
done
[[ $status -eq 0 ]] && echo "fuzz: no crashes" || echo "fuzz: crashes in $build/crashes"
exit $status
