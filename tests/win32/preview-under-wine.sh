#!/bin/sh
# The screen saver's preview under Wine on Xvfb:
#   preview-under-wine.sh SCREENSAVER.scr PREVIEWHOST.exe WORK_FOLDER
# PreviewHost plays the little monitor of Screen Saver Settings and checks the preview from
# beside it: in its window and of its size, beside a full-screen run, and ended with the window.
set -eu
scr=$1
host=$2
work=$3

. "$(dirname "$0")/wine-session.sh"
wineserver -p

wine "$host" "$work/clock/tikora-clock.scr" >"$work/host.log" 2>&1 ||
    fail "$(tr -d '\r' <"$work/host.log")"
tr -d '\r' <"$work/host.log"
