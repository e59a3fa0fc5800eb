#!/bin/sh
# The screen saver under Wine on Xvfb, its clock frozen at 10:20:30:
#   face-under-wine.sh SCREENSAVER.scr FACECHECK.exe WORK_FOLDER
# checks the face against the worked example, that a second copy ends at once while the first
# runs, that a key ends the first, and that a new run ends at the sixth pointer move, not
# before. Then checks the face in the other examples' styles with their settings beside the
# screen saver, and at 192 dots per inch on a screen of twice the pixels, where it keeps its
# size in inches.
set -eu
scr=$1
check=$2
work=$3
# Seconds to wait for the face, and for a second copy's end and the end after a key.
face_wait=60
end_wait=10

. "$(dirname "$0")/wine-session.sh"

wineserver -p
start_frozen
face_at DifferentLater 1
kill -0 "$clock" 2>/dev/null || fail "the clock ended by itself"
[ -f "$work/clock/Tikora_Clock.ini" ] || fail "no settings file beside the portable copy"

# A second copy ends at once, and leaves the first running.
wine "$work/clock/tikora-clock.scr" /s >/dev/null 2>&1 &
gone $! "$end_wait" || fail "a second copy still runs"
kill -0 "$clock" 2>/dev/null || fail "the first copy ended with the second"

end_by_key

# The pointer: five moves are let pass, the sixth ends the run.
xdotool mousemove 10 10
wine "$work/clock/tikora-clock.scr" /s >/dev/null 2>&1 &
clock=$!
for _ in $(seq "$face_wait"); do
    sleep 1
    import -window root -depth 8 "PPM:$shot" 2>/dev/null || continue
    # The seconds change now; the emblem in the middle stands whatever the time.
    [ "$(convert "$shot" -format '%[pixel:p{500,384}]' info:)" != "srgb(0,0,0)" ] && break
done
for move in 1 2 3 4 5; do
    xdotool mousemove $((100 + 40 * move)) 200
    sleep 0.3
done
sleep 1
kill -0 "$clock" 2>/dev/null || fail "the run ended before the sixth pointer move"
xdotool mousemove 400 400
gone "$clock" "$end_wait" || fail "the sixth pointer move did not end the run"

# Another example from a settings file written for it: the example's face, the scale of the
# screen's pixels and the dots per inch that give that scale.
example() {
    if [ "$3" != 96 ]; then
        x_server Xvfb -screen 0 "$((1024 * $2))x$((768 * $2))x24"
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$3" /f \
            >/dev/null 2>&1
        wineserver -w
        wineserver -p
    fi
    wine "$check" settings "$1" "$work/clock/Tikora_Clock.ini"
    start_frozen
    face_at "$1" "$2"
    end_by_key
}
example Equal 1 96
example Clock2 1 96
example DifferentLater 2 192
echo "faces, second copy, key and pointer: passed"
