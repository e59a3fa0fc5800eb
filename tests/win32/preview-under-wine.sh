#!/bin/sh
# The screen saver's preview under Wine on Xvfb:
#   preview-under-wine.sh SCREENSAVER.scr PREVIEWHOST.exe WORK_FOLDER
# "/p" with no window, or with a handle that is no window, ends at once. PreviewHost plays the
# little monitor of Screen Saver Settings: "/p" with its window's handle must come in that
# window and of its size, must leave a full-screen run free to start (its face shows), must run
# while the window stands and must end with status 0 when the window is destroyed.
set -eu
scr=$1
host=$2
work=$3
# Seconds to wait for the host's lines or the face, and for the end of a run.
show_wait=60
end_wait=10

. "$(dirname "$0")/wine-session.sh"
wineserver -p

for handle in "" 1234567; do
    # shellcheck disable=SC2086
    wine "$work/clock/tikora-clock.scr" /p $handle >/dev/null 2>&1 &
    gone $! "$end_wait" || fail "\"/p${handle:+ $handle}\" without a window still runs"
done

# Waits until the host has printed the line given, and fails with what it printed if it ends.
said() {
    for _ in $(seq "$show_wait"); do
        tr -d '\r' <"$work/host.log" | grep -qx "$1" && return 0
        kill -0 "$host_run" 2>/dev/null || fail "$(tr -d '\r' <"$work/host.log" | tail -n 1)"
        sleep 1
    done
    fail "the host never printed $1"
}
xdotool mousemove 10 10
wine "$host" "$work/stop" >"$work/host.log" 2>&1 &
host_run=$!
said '[0-9][0-9]*'
wine "$work/clock/tikora-clock.scr" /p "$(tr -d '\r' <"$work/host.log" | head -n 1)" \
    >"$work/preview.log" 2>&1 &
preview=$!
said shown

wine "$work/clock/tikora-clock.scr" /s >"$work/clock.log" 2>&1 &
face
kill -0 "$preview" 2>/dev/null || fail "the preview ended while its window stood"
touch "$work/stop"
wait "$host_run" || fail "$(tr -d '\r' <"$work/host.log" | tail -n 1)"
gone "$preview" "$end_wait" || fail "the preview still runs after its window was destroyed"
wait "$preview" || fail "the preview did not end cleanly with its window"
echo "preview: /p alone, in the window, beside a full-screen run, ended with the window: passed"
