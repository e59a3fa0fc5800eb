#!/usr/bin/env bash
# Whether two builds of the clock show the same pixels while they tick: each runs "/s" under
# Xvfb from the same faked time of day, the screen is taken every half second for a few
# seconds, and every picture the later build showed must be one the earlier build showed too
# (a tick repaints only what moved, so this compares the repaint areas' painting as well as
# the first full paint). The earlier build is watched a second longer at each end, so that the
# later build's first and last pictures are among its own. Faces: the default, "Equal size"
# with own colours, "Time from start", a background picture, a centre picture of its own, the
# second style, and the default at 120, 144 and 192 dots per inch.
#
#   bench/same-pixels.sh EARLIER_PROGRAM LATER_PROGRAM [--seconds S]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
[[ $# -ge 2 ]] || { echo "usage: $0 EARLIER_PROGRAM LATER_PROGRAM [--seconds S]" >&2; exit 2; }
earlier=$(realpath "$1")
later=$(realpath "$2")
seconds=6
[[ ${3:-} == --seconds ]] && seconds=$4
time_of_day="2026-12-06 10:20:30"
faketime_lib=$(find /usr/lib -name libfaketime.so.1 | head -n1)
[[ -n $faketime_lib ]] || { echo "faketime is needed" >&2; exit 1; }

source "$here/session.sh"
source "$here/settings.sh"
work=$(mktemp -d)
trap 'end_session "$work"' EXIT

# frames FOLDER PROGRAM FIRST SECONDS SIZE DPI SETTING...: the checksums of the screens taken
# from FIRST seconds after the start for SECONDS seconds, one a line.
frames() {
    local folder=$1 program=$2 first=$3 length=$4 size=$5 dpi=$6 && shift 6
    mkdir -p "$folder"
    write_settings "$folder" "$@"
    cp "$work/files/"* "$folder/"
    start_x "$folder" "$size"
    local display=:$(head -n1 "$folder/display")
    [[ $dpi == 96 ]] || echo "Xft.dpi: $dpi" | DISPLAY=$display xrdb -merge
    cp "$program" "$folder/program"
    mkdir -m 0700 "$folder/run"
    (cd "$folder" && DISPLAY=$display TMPDIR=$folder/run XDG_RUNTIME_DIR=$folder/run \
        FAKETIME="@$time_of_day" FAKETIME_DONT_FAKE_MONOTONIC=1 LD_PRELOAD=$faketime_lib \
        exec ./program /s) >/dev/null 2>&1 &
    echo $! >"$folder/program.pid"
    sleep "$first"
    for _ in $(seq $((length * 2))); do
        DISPLAY=$display import -window root rgb:- | md5sum | cut -d' ' -f1
        sleep 0.5
    done | sort -u
    kill "$(cat "$folder/program.pid")" "$(cat "$folder/xvfb.pid")" 2>/dev/null || true
    wait 2>/dev/null || true
}

# The background picture is read from beside the program; the centre picture is named.
mkdir "$work/files"
convert -size 1920x1080 gradient:navy-darkgreen -quality 90 "$work/files/Tikora_Clock_bg.jpg"
convert -size 160x120 "gradient:hsl(30,90%,45%)-hsl(200,90%,70%)" -dither None -colors 64 \
    "$work/files/centre.gif"

status=0
# compare NAME SIZE DPI SETTING...
compare() {
    local name=$1 size=$2 dpi=$3 && shift 3
    local old new unseen
    old=$(frames "$work/$name-earlier" "$earlier" 1 $((seconds + 2)) "$size" "$dpi" "$@")
    new=$(frames "$work/$name-later" "$later" 2 "$seconds" "$size" "$dpi" "$@")
    unseen=$(comm -13 <(echo "$old") <(echo "$new") | wc -l)
    printf '%-10s %s at %s dpi: %s pictures, %s not shown by the earlier build\n' \
        "$name" "$size" "$dpi" "$(echo "$new" | wc -l)" "$unseen"
    [[ $unseen == 0 ]] || status=1
}

compare default 1920x1080 96
compare equal 1920x1080 96 ShapeWidth=1 HColor=65535 MColor=65280 SColor=16776960 CColor=6553600
compare fromstart 1920x1080 96 ViewTime=1
compare background 1920x1080 96 Back=1
compare centre 1920x1080 96 "PicCenter=$work/files/centre.gif"
compare clock2 1024x768 96 Clock2=1
compare dpi120 2048x1536 120
compare dpi144 2048x1536 144
compare dpi192 2048x1536 192
exit $status
