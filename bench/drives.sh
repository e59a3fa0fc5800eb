#!/usr/bin/env bash
# The cost of the chooser's drive list on a machine with many mounts, as containers and snaps
# make them: runs the drive-list benchmark in a mount namespace of its own (root only) with
# COUNT extra file-system mounts, 1,000 and 2,000 unless told otherwise.
#
#   bench/drives.sh BUILD_DIR [COUNT...]
set -euo pipefail
program=${1:?usage: $0 BUILD_DIR [COUNT...]}/bench/tikora_bench_drives
shift
counts=("${@:-1000}")
(($#)) || counts=(1000 2000)
[[ -x $program ]] || { echo "no $program: build with -DTIKORA_BUILD_BENCHMARKS=ON" >&2; exit 1; }
for count in "${counts[@]}"; do
    echo "== $count mounts"
    unshare -m bash -c '
        set -e
        base=$(mktemp -d)
        mount -t tmpfs bench "$base"
        for ((i = 0; i < $1; ++i)); do
            mkdir "$base/m$i"
            mount --bind "$base/m$i" "$base/m$i"
        done
        "$2" --benchmark_filter="DrivesOfThisMachine|VolumesAskedOneByOne"
    ' _ "$count" "$program"
done
"$program" --benchmark_filter=DrivesFromTable
