#!/bin/sh
# The screen saver under Wine on Xvfb at 1024 x 768, its clock frozen at 10:20:30:
#   face-under-wine.sh SCREENSAVER.scr FACECHECK.exe WORK_FOLDER
# checks the face against the worked example, that a second copy ends at once while the first
# runs, that a key ends the first, and that a new run ends at the sixth pointer move, not
# before.
set -eu
scr=$1
check=$2
work=$3
frozen="2026-12-06 10:20:30"
faketime=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
# Seconds to wait for the face, for a second copy's end and for the end after a key.
face_wait=60
end_wait=10

. "$(dirname "$0")/wine-session.sh"

# The server runs on the true time, so that its timers run; the program sees the frozen one.
wineserver -p
LD_PRELOAD=$faketime NO_FAKE_STAT=1 FAKETIME=$frozen \
    wine "$work/clock/tikora-clock.scr" /s >"$work/clock.log" 2>&1 &
clock=$!

shot="$work/screen.bmp"
shown=no
for _ in $(seq "$face_wait"); do
    sleep 1
    import -window root "BMP3:$shot" 2>/dev/null || continue
    if wine "$check" "$shot" >"$work/check.log" 2>&1; then
        shown=yes
        break
    fi
done
[ "$shown" = yes ] || fail "the face at 10:20:30: $(cat "$work/check.log")"
kill -0 "$clock" 2>/dev/null || fail "the clock ended by itself"
[ -f "$work/clock/Tikora_Clock.ini" ] || fail "no settings file beside the portable copy"

# A second copy ends at once, and leaves the first running.
second=no
wine "$work/clock/tikora-clock.scr" /s >/dev/null 2>&1 &
copy=$!
for _ in $(seq "$end_wait"); do
    sleep 1
    kill -0 "$copy" 2>/dev/null || { second=yes; break; }
done
[ "$second" = yes ] || fail "a second copy still runs"
kill -0 "$clock" 2>/dev/null || fail "the first copy ended with the second"

# A key ends the run.
xdotool key x
ended=no
for _ in $(seq "$end_wait"); do
    sleep 1
    kill -0 "$clock" 2>/dev/null || { ended=yes; break; }
done
[ "$ended" = yes ] || fail "a key did not end the run"

# The pointer: five moves are let pass, the sixth ends the run.
xdotool mousemove 10 10
wine "$work/clock/tikora-clock.scr" /s >/dev/null 2>&1 &
clock=$!
for _ in $(seq "$face_wait"); do
    sleep 1
    import -window root "BMP3:$shot" 2>/dev/null || continue
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
ended=no
for _ in $(seq "$end_wait"); do
    sleep 1
    kill -0 "$clock" 2>/dev/null || { ended=yes; break; }
done
[ "$ended" = yes ] || fail "the sixth pointer move did not end the run"
echo "face, second copy, key and pointer: passed"
