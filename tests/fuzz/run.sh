#!/usr/bin/env bash
# Runs every fuzz target of a build for a bounded time each, starting from its seeds in
# tests/fuzz/corpus/<name>/. New inputs go to a scratch folder, never into the repository.
# Usage: tests/fuzz/run.sh BUILD_DIR SECONDS_EACH
set -euo pipefail
build=${1:?build folder}
seconds=${2:?seconds for each target}
corpus="$(cd "$(dirname "$0")" && pwd)/corpus"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
shopt -s nullglob
targets=("$build"/tests/fuzz/tikora_fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz targets in $build (configure it with CXX=clang++ -DTIKORA_FUZZ=ON)" >&2
    exit 1
fi
for target in "${targets[@]}"; do
    name=${target##*/tikora_fuzz_}
    mkdir -p "$scratch/$name"
    echo "fuzzing $name for $seconds s"
    # Leak checks stay on: the code under test owns every byte it takes.
    "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$scratch/" "$scratch/$name" "$corpus/$name" 2>"$scratch/$name.log" || {
        tail -n 60 "$scratch/$name.log"
        for crash in "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$scratch"/oom-*; do
            echo "failing input $crash:" && od -c "$crash" | head -n 20
        done
        exit 1
    }
    grep -E '^stat::number_of_executed_units|^#[0-9]+ *DONE' "$scratch/$name.log" || true
done
echo "fuzzing: ${#targets[@]} passed, 0 failed"
