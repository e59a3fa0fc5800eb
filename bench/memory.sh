#!/usr/bin/env bash
# Peak and current resident memory of the real clock after it has run for a few seconds.
# It runs a copy of the program in a fresh folder (so its settings file and lock stay there)
# on its own Xvfb server, reads VmHWM and VmRSS from /proc, then stops both.
#
#   bench/memory.sh [path/to/tikora-clock] [seconds] [screen WxH]
set -euo pipefail

program=${1:-build/tikora-clock}
seconds=${2:-5}
screen=${3:-1920x1080}

[[ -x $program ]] || { echo "no executable at $program (build it first)" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "Xvfb is needed (apt-get install xvfb)" >&2; exit 1; }

folder=$(mktemp -d)
xvfb_pid=
clock_pid=
cleanup() {
    [[ -n $clock_pid ]] && kill "$clock_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$folder"
}
trap cleanup EXIT

cp "$program" "$folder/tikora-clock"
export TMPDIR=$folder

# Xvfb picks a free display itself and writes its number to the file.
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$folder/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do
    [[ -s $folder/display ]] && break
    sleep 0.1
done
[[ -s $folder/display ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$folder/display")

(cd "$folder" && exec ./tikora-clock /s) >/dev/null 2>&1 &
clock_pid=$!
sleep "$seconds"

if ! kill -0 "$clock_pid" 2>/dev/null; then
    echo "the clock ended before $seconds s had passed" >&2
    exit 1
fi
status=/proc/$clock_pid/status
mib() { awk -v key="$1:" '$1 == key { printf "%.1f", $2 / 1024 }' "$status"; }
echo "screen $screen, after $seconds s: peak RSS (VmHWM) $(mib VmHWM) MiB, RSS (VmRSS) $(mib VmRSS) MiB"
