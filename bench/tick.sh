#!/usr/bin/env bash
# What a tick of the running clock costs beside the least a program can do to show the same
# change: bench/floor.c, a bare Xlib client that clears and redraws three lines, three circles
# and three figures each second. The clock "/s" and the floor run alternately, each on an X
# server (Xvfb) of its own at 1920x1080; after a warm-up the CPU time of all the threads of each
# program and of its X server is read from /proc/PID/task/*/schedstat, and the wake-ups of each
# program's main thread (voluntary and involuntary context switches) are counted. Cases: the
# default settings, a background picture, the second clock style and a slide show at 1 s.
#
#   bench/tick.sh BUILD_DIR [--rounds N] [--seconds S] [--warm-up S] [--cases "default ..."]
#                 [--against EARLIER_BUILD_DIR]
#
# BUILD_DIR holds a built tikora-clock (best a release build). The floor is built with the
# system's C compiler. Each round measures every case once, clock then floor; the table has a
# row per case and round, with the clock's CPU over the floor's. --against measures another
# build of the clock too, right after this one in each case (rows marked "earlier"). Where
# BUILD_DIR holds tikora-minimal-window, each round ends with "Qt's least": that window
# repainting a square of 10 pixels each second, the least a Qt window does to show a change.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
[[ $# -ge 1 ]] || { echo "usage: $0 BUILD_DIR [--rounds N] [--seconds S] [--warm-up S] [--cases LIST]" >&2; exit 2; }
clock=$(realpath "$1/tikora-clock") && shift
rounds=3
seconds=20
warm_up=3
cases="default background clock2 slides"
against=
minimal=$(dirname "$clock")/tikora-minimal-window
while (($#)); do
    case $1 in
    --rounds) rounds=$2 && shift ;;
    --seconds) seconds=$2 && shift ;;
    --warm-up) warm_up=$2 && shift ;;
    --cases) cases=$2 && shift ;;
    --against) against=$(realpath "$2/tikora-clock") && shift ;;
    *) echo "unknown option $1" >&2 && exit 2 ;;
    esac
    shift
done
screen=1920x1080
[[ -x $clock ]] || { echo "no tikora-clock in the build folder" >&2; exit 1; }
for tool in Xvfb convert cc; do
    command -v "$tool" >/dev/null || { echo "$tool is needed" >&2; exit 1; }
done

work=$(mktemp -d)
source "$here/session.sh"
trap 'end_session "$work"' EXIT

cc -O2 -o "$work/floor" "$here/floor.c" -lX11 -lm
source "$here/settings.sh"

# A slide show of small GIFs, each a different gradient.
mkdir -p "$work/slides"
for ((i = 0; i < 20; i++)); do
    convert -size 160x160 "gradient:hsl($((i * 18)),90%,45%)-hsl($(((i * 18 + 150) % 360)),90%,70%)" \
        -dither None -colors 64 "$work/slides/slide$i.gif"
done

setup_default() { write_settings "$1"; }
setup_background() {
    write_settings "$1" Back=1
    convert -size "$screen" gradient:navy-darkgreen -quality 90 "$1/Tikora_Clock_bg.jpg"
}
setup_clock2() { write_settings "$1" Clock2=1 ShapeWidth=1; }
setup_slides() { write_settings "$1" "PicCenter=$work/slides/" SlideShowTime=1; }

# switches PID: the main thread's context switches.
switches() { awk '/^(non)?voluntary_ctxt_switches/ { n += $2 } END { print n }' "/proc/$1/status"; }

# run CASE PROGRAM ARGS...: "own_us_per_s x_us_per_s main_wakeups_per_s threads", the threads
# being the program's at the end (Qt's pool keeps a thread it woke for 30 s).
run() {
    local name=$1 program=$2 && shift 2
    local folder
    folder=$(mktemp -d "$work/run-XXXX")
    "setup_$name" "$folder"
    start_x "$folder" "$screen"
    launch "$folder" "$program" "$@"
    local pid xpid
    pid=$(cat "$folder/program.pid") xpid=$(cat "$folder/xvfb.pid")
    sleep "$warm_up"
    local own0 x0 w0 own1 x1 w1
    own0=$(cpu_ns "$pid") x0=$(cpu_ns "$xpid") w0=$(switches "$pid")
    sleep "$seconds"
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "ended ended ended ended"
    else
        own1=$(cpu_ns "$pid") x1=$(cpu_ns "$xpid") w1=$(switches "$pid")
        awk -v s="$seconds" -v t="$(ls "/proc/$pid/task" | wc -l)" "BEGIN { printf \"%.0f %.0f %.2f \
            %d\n\", ($own1 - $own0) / 1e3 / s, ($x1 - $x0) / 1e3 / s, ($w1 - $w0) / s, t }"
    fi
    kill "$pid" "$xpid" 2>/dev/null || true
    wait "$pid" "$xpid" 2>/dev/null || true
    rm -f "$folder"/*.pid
}

echo "CPU over $seconds s after $warm_up s, at $screen; µs a second; clock and floor alternately."
echo
echo "| case | round | clock own | floor own | own ratio | clock X | floor X | X ratio | clock main wake-ups/s | floor main wake-ups/s | clock threads |"
echo "| --- | --- | --- | --- | --- | --- | --- | --- | --- | --- | --- |"
# row CASE LABEL ROUND PROGRAM ARGS...: one row of the table, the program with the case's
# settings then the floor.
row() {
    local setup=$1 name=$2 round=$3 && shift 3
    local c_own c_x c_w c_t f_own f_x f_w f_t
    echo "[$(date +%H:%M:%S)] $name, round $round" >&2
    read -r c_own c_x c_w c_t <<<"$(run "$setup" "$@")"
    read -r f_own f_x f_w f_t <<<"$(run default "$work/floor")"
    awk -v n="$name" -v r="$round" -v co="$c_own" -v fo="$f_own" -v cx="$c_x" -v fx="$f_x" \
        -v cw="$c_w" -v fw="$f_w" -v ct="$c_t" 'BEGIN {
            printf "| %s | %d | %s | %s | %.2f | %s | %s | %.2f | %s | %s | %s |\n", n, r, co, fo,
                (fo > 0 ? co / fo : 0), cx, fx, (fx > 0 ? cx / fx : 0), cw, fw, ct }'
}

for ((round = 1; round <= rounds; round++)); do
    for name in $cases; do
        row "$name" "$name" "$round" "$clock" /s
        [[ -z $against ]] || row "$name" "$name (earlier)" "$round" "$against" /s
    done
    [[ ! -x $minimal ]] || row default "Qt's least" "$round" "$minimal" --tick
done
