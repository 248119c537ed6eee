#!/usr/bin/env bash
# Runs every fuzzer of a fuzz build for a bounded time, starting from its
# saved corpus under fuzz/corpus/NAME (fresh finds go to a scratch folder).
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for f in "$build"/fuzz/fuzz_*; do
    [ -f "$f" ] && [ -x "$f" ] || continue
    name=$(basename "$f"); name=${name#fuzz_}
    scratch=$(mktemp -d)
    seeds=()
    [ -d "$root/fuzz/corpus/$name" ] && seeds+=("$root/fuzz/corpus/$name")
    echo "== fuzzing $name for ${seconds}s"
    if ! QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$root/fuzz/lsan-suppressions.txt" "$f" -max_total_time="$seconds" -rss_limit_mb=2048 \
            -timeout=10 -max_len=65536 "$scratch" "${seeds[@]}" >"$scratch.log" 2>&1; then
        tail -n 60 "$scratch.log"
        status=1
    else
        tail -n 2 "$scratch.log"
    fi
    rm -rf "$scratch" "$scratch.log"
done
exit $status
