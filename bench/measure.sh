#!/usr/bin/env bash
# What the running clock costs, beside a minimal Qt window of the same size that repaints
# itself whole once a second and the Xlib floor (bench/floor.c, the least a program can do to
# show the same change), each program on an X server (Xvfb) of its own:
#   - CPU per second, the program's threads and the X server's apart, over an interval after
#     the start-up hint has faded, at 1920x1080 and 3840x2160, for the default settings, a
#     background picture, the second clock style and a slide show of period 1 s;
#   - wake-ups per second (voluntary and involuntary context switches) of the program's main
#     thread and of its other threads over the same interval;
#   - resident memory after 1 and 10 minutes of a slide show of 100 GIFs at 1 s, and the peak,
#     measured alongside the CPU runs;
#   - start-up: "/p" (the whole start-up, then the end) against the minimal window's start and
#     end, the median wall time of several runs.
# It builds both programs in release mode first and prints a Markdown table.
#
#   bench/measure.sh [--quick] [--no-build] [--build-dir DIR] [--dpi N] [--against PROGRAM]
#
# --quick shortens every interval (10 s of CPU, a 2-minute slide show, about 5 minutes in all)
# to try the script out. --dpi sets Xft.dpi on every X server (96 by default), the scale of a
# desktop of more dots per inch. --against measures another build of the clock (an earlier one,
# say) right after each CPU case of this one, so that the two are compared under the same load;
# its rows are marked "earlier".
# CPU time is read from /proc/PID/task/*/schedstat (nanoseconds on the CPU) where the kernel
# has it, else from utime+stime in /proc/PID/task/*/stat (clock ticks, coarse).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
build_dir=$source_dir/build-bench
build=1
cpu_seconds=30
settle_seconds=14
soak_first=60
soak_last=600
startup_runs=11
dpi=96
against=
while (($#)); do
    case $1 in
    --quick) cpu_seconds=10 soak_first=60 soak_last=120 startup_runs=5 ;;
    --no-build) build=0 ;;
    --build-dir) build_dir=$(realpath -m "$2") && shift ;;
    --dpi) dpi=$2 && shift ;;
    --against) against=$(realpath "$2") && shift ;;
    *) echo "usage: $0 [--quick] [--no-build] [--build-dir DIR] [--dpi N] [--against PROGRAM]" >&2 && exit 2 ;;
    esac
    shift
done
screens=(1920x1080 3840x2160)
slide_count=100

for tool in Xvfb convert cmake xrdb; do
    command -v "$tool" >/dev/null || { echo "$tool is needed (see README.md)" >&2; exit 1; }
done

# The build's messages are shown only when it fails.
if ((build)); then
    if ! output=$(cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release \
        -DTIKORA_BUILD_TESTS=OFF -DTIKORA_BUILD_BENCHMARKS=ON 2>&1 &&
        cmake --build "$build_dir" -j2 --target tikora-clock tikora-minimal-window 2>&1); then
        echo "$output" >&2
        exit 1
    fi
fi
clock=$build_dir/tikora-clock
minimal=$build_dir/tikora-minimal-window
[[ -x $clock && -x $minimal ]] || { echo "no programs in $build_dir" >&2; exit 1; }
floor=$build_dir/tikora-floor
cc -O2 -o "$floor" "$here/floor.c" -lX11 -lm

work=$(mktemp -d)
# Every X server and program started leaves its pid in a file under the work folder, also those
# that the soak starts in the background, so that an interrupted run ends them all.
cleanup() {
    local file
    for file in "$work"/*/*.pid; do
        if [[ -e $file ]]; then kill "$(cat "$file")" 2>/dev/null || true; fi
    done
    if [[ -n ${soak_pid:-} ]]; then kill "$soak_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

log() { echo "[$(date +%H:%M:%S)] $*" >&2; }

# ---- material: pictures and settings files ----

make_slides() {
    local folder=$1 args=() i
    mkdir -p "$folder"
    for ((i = 0; i < slide_count; i++)); do
        args+=(\( -size 160x160 "gradient:hsl($((i * 360 / slide_count)),90%,45%)-hsl($(((i * 360 / slide_count + 150) % 360)),90%,70%)" \))
    done
    convert "${args[@]}" -dither None -colors 64 +adjoin "$folder/slide%03d.gif"
}

# write_settings FOLDER KEY=VALUE...
source "$here/settings.sh"
source "$here/session.sh"

# ---- X servers and programs ----

# start_dpi_x FOLDER WxH: an Xvfb for the folder at the desktop's scale: Qt draws at
# Xft.dpi / 96 device pixels to each of its own.
start_dpi_x() {
    start_x "$@" && echo "Xft.dpi: $dpi" | DISPLAY=:$(head -n1 "$1/display") xrdb -merge
}

# snapshot PID: one line per thread: tid, nanoseconds on the CPU, context switches, name.
snapshot() {
    local pid=$1 task ns switches
    for task in /proc/"$pid"/task/*; do
        if [[ -r $task/schedstat ]]; then
            read -r ns _ <"$task/schedstat"
        else
            ns=$(awk -v hz="$(getconf CLK_TCK)" '{ sub(/.*\) /, ""); printf "%d", ($12 + $13) * 1e9 / hz }' \
                "$task/stat")
        fi
        switches=$(awk '/^(non)?voluntary_ctxt_switches/ { n += $2 } END { print n }' "$task/status")
        echo "${task##*/} $ns $switches $(tr ' ' _ <"$task/comm")"
    done 2>/dev/null
}

# usage BEFORE AFTER SECONDS MAINTID: "cpu_ms_per_s main_wakeups_per_s other_wakeups_per_s
# busiest_other_thread".
usage() {
    awk -v seconds="$3" -v main="$4" '
        FNR == NR { ns[$1] = $2; sw[$1] = $3; next }
        {
            cpu += ($2 - ns[$1]) / 1e6
            wakeups = $3 - sw[$1]
            if ($1 == main) { mainw = wakeups } else {
                other += wakeups
                if (wakeups > busiest) { busiest = wakeups; name = $4 }
            }
        }
        END { printf "%.3f %.2f %.2f %s\n", cpu / seconds, mainw / seconds, other / seconds,
              (busiest > 0 ? name : "-") }' "$1" "$2"
}

rss_mib() { awk -v key="$2:" '$1 == key { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }

# cpu_case NAME WxH PROGRAM ARGS...: prepares the folder with setup_NAME, lets the program
# settle, then measures it and its own X server and prints a row of the table. A name with a
# word after a blank ("default earlier") is set up as the name before it.
cpu_case() {
    local name=$1 screen=$2 program=$3 && shift 3
    local folder=$work/cpu-${name// /-}-$screen
    mkdir -p "$folder"
    "setup_${name%% *}" "$folder" "$screen"
    start_dpi_x "$folder" "$screen"
    launch "$folder" "$program" "$@"
    local pid xpid
    pid=$(cat "$folder/program.pid") xpid=$(cat "$folder/xvfb.pid")
    sleep "$settle_seconds"
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "| $screen | $name | ended early | | | | | |"
        kill "$xpid" 2>/dev/null || true
        return
    fi
    snapshot "$pid" >"$folder/p0" && snapshot "$xpid" >"$folder/x0"
    sleep "$cpu_seconds"
    snapshot "$pid" >"$folder/p1" && snapshot "$xpid" >"$folder/x1"
    local own x rss
    read -r -a own <<<"$(usage "$folder/p0" "$folder/p1" "$cpu_seconds" "$pid")"
    read -r -a x <<<"$(usage "$folder/x0" "$folder/x1" "$cpu_seconds" "$xpid")"
    rss=$(rss_mib "$pid" VmRSS)
    kill "$pid" "$xpid" 2>/dev/null || true
    wait "$pid" "$xpid" 2>/dev/null || true
    printf '| %s | %s | %.2f | %.2f | %.2f | %.1f | %.1f (%s) | %s |\n' "$screen" "$name" \
        "${own[0]}" "${x[0]}" "$(awk "BEGIN { print ${own[0]} + ${x[0]} }")" "${own[1]}" \
        "${own[2]}" "${own[3]}" "$rss"
}

setup_default() { write_settings "$1"; }
setup_background() {
    write_settings "$1" Back=1
    convert -size "$2" gradient:navy-darkgreen -quality 90 "$1/Tikora_Clock_bg.jpg"
}
setup_clock2() { write_settings "$1" Clock2=1 ShapeWidth=1; }
setup_slides() { write_settings "$1" "PicCenter=$work/slides/" SlideShowTime=1; }
setup_minimal() { :; }
setup_floor() { :; }

# ---- the slide show soak, alongside the CPU runs ----

soak() {
    local folder=$work/soak
    mkdir -p "$folder"
    setup_slides "$folder"
    start_dpi_x "$folder" 1920x1080
    launch "$folder" "$clock" /s
    local pid first last peak
    pid=$(cat "$folder/program.pid")
    sleep "$soak_first"
    first=$(rss_mib "$pid" VmRSS)
    sleep $((soak_last - soak_first))
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "the clock ended during the slide show" >"$folder/result"
        return
    fi
    last=$(rss_mib "$pid" VmRSS) peak=$(rss_mib "$pid" VmHWM)
    kill "$pid" "$(cat "$folder/xvfb.pid")" 2>/dev/null || true
    echo "$first $last $peak" >"$folder/result"
}

# ---- start-up ----

# elapsed_ms COMMAND...: wall time of one run in milliseconds.
elapsed_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

startup() {
    local folder=$work/startup
    mkdir -p "$folder/clock" "$folder/minimal"
    mkdir -m 0700 "$folder/run"
    start_dpi_x "$folder" 1920x1080
    cp "$clock" "$folder/clock/tikora-clock"
    cp "$minimal" "$folder/minimal/tikora-minimal-window"
    write_settings "$folder/clock"
    local i
    DISPLAY=:$(head -n1 "$folder/display")
    export DISPLAY TMPDIR=$folder/run XDG_RUNTIME_DIR=$folder/run
    # One untimed run of each fills the page cache and fontconfig's cache.
    elapsed_ms "$folder/clock/tikora-clock" /p >/dev/null
    elapsed_ms "$folder/minimal/tikora-minimal-window" --quit >/dev/null
    for ((i = 0; i < startup_runs; i++)); do
        elapsed_ms "$folder/clock/tikora-clock" /p >>"$folder/clock.ms"
        elapsed_ms "$folder/minimal/tikora-minimal-window" --quit >>"$folder/minimal.ms"
    done
    kill "$(cat "$folder/xvfb.pid")" 2>/dev/null || true
    echo "$(median <"$folder/clock.ms") $(median <"$folder/minimal.ms")"
}

# ---- the run ----

log "making $slide_count slides"
make_slides "$work/slides"
log "slide show soak started ($soak_last s)"
soak &
soak_pid=$!

for screen in "${screens[@]}"; do
    for name in default background clock2 slides minimal floor; do
        log "CPU: $name at $screen"
        if [[ $name == minimal || $name == floor ]]; then
            cpu_case "$name" "$screen" "${!name}" >>"$work/rows"
        else
            cpu_case "$name" "$screen" "$clock" /s >>"$work/rows"
            if [[ -n $against ]]; then
                cpu_case "$name earlier" "$screen" "$against" /s >>"$work/rows"
            fi
        fi
    done
done
log "start-up"
read -r clock_start minimal_start <<<"$(startup)"
log "waiting for the slide show soak"
wait "$soak_pid" || true
soak_result=$(cat "$work/soak/result" 2>/dev/null || echo "no result")

echo
echo "CPU over ${cpu_seconds} s once the hint has faded, at Xft.dpi $dpi; \"minimal\" is the whole-repaint window, \"floor\" the Xlib floor."
echo
echo "| screen | run | program ms/s | X server ms/s | total ms/s | main thread wake-ups/s | other threads wake-ups/s (busiest) | RSS MiB |"
echo "| --- | --- | --- | --- | --- | --- | --- | --- |"
cat "$work/rows"
echo
echo "| measure | clock | minimal window |"
echo "| --- | --- | --- |"
echo "| start-up and end, median of $startup_runs (ms) | $clock_start (\"/p\") | $minimal_start |"
read -r first last peak <<<"$soak_result"
echo "| RSS after $((soak_first / 60)) min of a slide show of $slide_count GIFs at 1 s (MiB) | $first | — |"
echo "| RSS after $((soak_last / 60)) min (MiB) | ${last:-—} | — |"
echo "| peak RSS, VmHWM (MiB) | ${peak:-—} | — |"
