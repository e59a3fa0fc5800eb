#!/usr/bin/env bash
# The Windows screen saver under Wine beside the Linux build, for the same seconds: each "/s" on
# an Xvfb of its own at 1920x1080 with the default settings. Over the same window of time it
# reads the CPU of all the threads of each program, of its look-up helper, of wineserver and of
# Wine's other processes of the prefix, and of each X server (/proc/PID/task/*/schedstat); the
# memory of each program at the end (resident, and its proportional share); and when each tick
# reaches each screen, in milliseconds after the wall-clock second (bench/tick-arrival.c, from
# the X server's damage).
#
#   bench/windows-beside-linux.sh BUILD_DIR WINDOWS_BUILD_DIR [--seconds S] [--warm-up S]
#
# BUILD_DIR holds a built tikora-clock, WINDOWS_BUILD_DIR a built tikora-clock.scr. Prints a
# Markdown table; nothing passes or fails.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
usage="usage: $0 BUILD_DIR WINDOWS_BUILD_DIR [--seconds S] [--warm-up S]"
[[ $# -ge 2 ]] || { echo "$usage" >&2; exit 2; }
clock=$(realpath "$1/tikora-clock") scr=$(realpath "$2/tikora-clock.scr") && shift 2
seconds=20
warm_up=15
while (($#)); do
    case $1 in
    --seconds) seconds=$2 && shift ;;
    --warm-up) warm_up=$2 && shift ;;
    *) echo "$usage" >&2 && exit 2 ;;
    esac
    shift
done
for program in "$clock" "$scr"; do
    [[ -f $program ]] || { echo "no $program" >&2; exit 1; }
done
for tool in Xvfb wine wineserver cc; do
    command -v "$tool" >/dev/null || { echo "$tool is needed" >&2; exit 1; }
done

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$here/session.sh"
cleanup() {
    wineserver -k 2>/dev/null || true
    end_session "$work"
}
trap cleanup EXIT

source "$here/settings.sh"
cc -O2 -o "$work/tick-arrival" "$here/tick-arrival.c" -lX11 -lXdamage

# The prefix is made without a display, with Wine's own fonts, and unmanaged windows, as the
# suite's Wine session makes it.
env -u DISPLAY wine wineboot --init >/dev/null 2>&1
wineserver -w
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w

mkdir -p "$work/windows/clock" "$work/linux"
write_settings "$work/windows/clock"
write_settings "$work/linux"
WINEPREFIX= start_x "$work/windows" 1920x1080
WINEPREFIX= start_x "$work/linux" 1920x1080
cp "$scr" "$work/windows/clock/tikora-clock.scr"
(cd "$work/windows/clock" && DISPLAY=:$(head -n1 ../display) exec wine ./tikora-clock.scr /s) \
    >/dev/null 2>&1 &
# The Linux build and its helper are kept out of the prefix's processes.
WINEPREFIX= launch "$work/linux" "$clock" /s
sleep "$warm_up"

# The processes of the prefix, by what they run: the screen saver's own and its helpers (the
# newest first), wineserver, and the rest of Wine's.
prefix_pids() {
    local pid
    for pid in $(pgrep -u "$(id -u)" .); do
        { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" &&
            echo "$pid"
    done
}
windows_scr=() windows_helpers=() windows_server=() windows_rest=()
for pid in $(prefix_pids); do
    command=$({ tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null) || continue
    echo "$pid ${command%% *}" >>"$work/processes"
    case $command in
    *answer-look-ups*) windows_helpers+=("$pid") ;;
    *tikora-clock.scr*) windows_scr+=("$pid") ;;
    *wineserver*) windows_server+=("$pid") ;;
    *) windows_rest+=("$pid") ;;
    esac
done
((${#windows_scr[@]})) || { echo "the screen saver does not run under Wine" >&2; exit 1; }
linux_pid=$(cat "$work/linux/program.pid")
mapfile -t linux_helpers < <(pgrep -P "$linux_pid")
kill -0 "$linux_pid" || { echo "the Linux build does not run" >&2; exit 1; }

# sample: "group pid nanoseconds" for every process measured.
sample() {
    local group pid
    for group in linux_pid linux_helpers linux_x windows_scr windows_helpers windows_server \
        windows_rest windows_x; do
        local -n pids=$group
        for pid in "${pids[@]}"; do echo "$group $pid $(cpu_ns "$pid")"; done
    done
}
linux_x=("$(cat "$work/linux/xvfb.pid")") windows_x=("$(cat "$work/windows/xvfb.pid")")
watchers=()
for side in linux windows; do
    DISPLAY=:$(head -n1 "$work/$side/display") "$work/tick-arrival" "$seconds" >"$work/$side/ticks" &
    watchers+=($!)
done
sample >"$work/before"
sleep "$seconds"
sample >"$work/after"
wait "${watchers[@]}"

# us GROUP: the group's µs on the CPU a second over the window.
us() {
    awk -v group="$1" -v s="$seconds" '$1 != group { next }
        FNR == NR { start[$2] = $3; next } { total += $3 - start[$2] }
        END { printf "%.0f", total / 1e3 / s }' "$work/before" "$work/after"
}
# busiest GROUP: its processes that took most, by name.
busiest() {
    awk -v group="$1" -v s="$seconds" 'FILENAME ~ /processes$/ { name[$1] = $2; next }
        $1 != group { next } FILENAME == ARGV[2] { start[$2] = $3; next }
        { n = name[$2]; sub(/.*\\/, "", n); printf "%s %.0f\n", n, ($3 - start[$2]) / 1e3 / s }' \
        "$work/processes" "$work/before" "$work/after" | sort -k2 -rn | head -n 3 |
        awk '{ printf "%s%s %s", (NR > 1 ? ", " : ""), $1, $2 }'
}
memory() { # PID: "resident MiB / proportional MiB"
    awk '/^Rss:/ { r = $2 } /^Pss:/ { p = $2 } END { printf "%.1f / %.1f", r / 1024, p / 1024 }' \
        "/proc/$1/smaps_rollup"
}
# The first second seen is a partial one; the rest are the ticks.
arrivals() {
    tail -n +2 "$1" | sort -n | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "none"; exit }
        printf "%.1f / %.1f / %.1f (%d ticks)", v[int((NR + 1) / 2)], v[int(NR * 0.9 + 0.5)], v[NR], NR }'
}

echo "Both \"/s\" runs at the same time for $seconds s after $warm_up s, each on an Xvfb of its own"
echo "at 1920x1080, default settings. CPU in µs a second (all threads); memory at the end."
echo
echo "| | Linux build (Qt) | Windows .scr under Wine |"
echo "| --- | --- | --- |"
echo "| the screen saver's own process | $(us linux_pid) | $(us windows_scr) |"
echo "| its look-up helper | $(us linux_helpers) | $(us windows_helpers) |"
echo "| wineserver | – | $(us windows_server) |"
echo "| Wine's other processes (${#windows_rest[@]}) | – | $(us windows_rest): $(busiest windows_rest) |"
echo "| the X server | $(us linux_x) | $(us windows_x) |"
echo "| memory of the screen saver, MiB resident / proportional | $(memory "$linux_pid") | $(memory "${windows_scr[0]}") |"
helper_memory() { if (($#)); then memory "$1"; else echo –; fi; }
echo "| memory of its look-up helper | $(helper_memory "${linux_helpers[@]}") | $(helper_memory "${windows_helpers[@]}") |"
echo "| a tick on the screen, ms after the second: median / 90 % / most | $(arrivals "$work/linux/ticks") | $(arrivals "$work/windows/ticks") |"
