#!/bin/sh
# The screen saver's settings dialog under Wine on Xvfb at 1024 x 768:
#   options-under-wine.sh SCREENSAVER.scr FORMPROBE.exe WORK_FOLDER
# "1" over the running clock opens "Options"; a click on "Time from start" and Enter (Save)
# write the settings file the Linux build writes for that choice, and end the run. "/c" shows
# "Options" over the clock, whose "Choose" opens the picture chooser that Escape closes; a click
# on "Russian" turns its captions Russian, and Escape (Cancel) ends the run without a write.
set -eu
scr=$1
probe=$2
work=$3
# Seconds to wait for a window or the face, and for the end of a run.
show_wait=60
end_wait=10

. "$(dirname "$0")/wine-session.sh"
wineserver -p

# "1" opens the dialog over the clock; Save writes the choice and ends the run.
xdotool mousemove 10 10
wine "$work/clock/tikora-clock.scr" /s >"$work/clock.log" 2>&1 &
clock=$!
face
xdotool key 1
window '^Options$'
kill -0 "$clock" 2>/dev/null || fail "the clock ended when the dialog opened"
click Options "Time from start"
xdotool key Return
gone "$clock" "$end_wait" || fail "Save did not end the run"
wine "$probe" settings "$work/clock/Tikora_Clock.ini" ViewTime=1 >"$work/settings.log" 2>&1 ||
    fail "the saved settings: $(cat "$work/settings.log")"
cp "$work/clock/Tikora_Clock.ini" "$work/saved.ini"

# "/c" shows the dialog over the clock, in Russian after a click on "Russian"; Escape cancels.
wine "$work/clock/tikora-clock.scr" /c >"$work/configure.log" 2>&1 &
clock=$!
window '^Options$'
face
click Options Choose
window '^File manager$'
xdotool key Escape
closed '^File manager$'
kill -0 "$clock" 2>/dev/null || fail "the run ended with the picture chooser"
click Options Russian
window '^Установки$'
xdotool key Escape
gone "$clock" "$end_wait" || fail "Escape did not end the run"
cmp -s "$work/clock/Tikora_Clock.ini" "$work/saved.ini" || fail "Cancel changed the settings"
echo "Options by 1 and /c, Save, the chooser, Russian and Escape: passed"
