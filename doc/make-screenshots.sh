#!/usr/bin/env bash
# Makes the screenshots of the README from the real program under Xvfb, at a fixed time of
# day set with faketime, at 1024x768 (the screen size for which the second style has a dial):
#   default.png   the default settings
#   equal.png     "Equal size" with colours of the user's choice
#   clock2.png    the second clock style with its dial
# and clock2-1280x800.png, the second style on a 1280x800 screen from a file that names it
# without "Equal size", which it reads as the dialog would have saved it.
#
#   doc/make-screenshots.sh [path/to/tikora-clock]
# Needs xvfb, faketime and imagemagick (see the README's test line).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:-$here/../build/tikora-clock}")
out=$here/screenshots
screen=1024x768
time_of_day="2026-12-06 10:08:37"
# The hint in the corner fades over the first seconds; the pictures are taken after it is gone.
wait_seconds=12
faketime_lib=$(find /usr/lib -name libfaketime.so.1 | head -n1)

[[ -x $program ]] || { echo "no executable at $program (build it first)" >&2; exit 1; }
[[ -n $faketime_lib ]] || { echo "faketime is needed (apt-get install faketime)" >&2; exit 1; }

work=$(mktemp -d)
source "$here/../bench/session.sh"
trap 'end_session "$work"' EXIT

# write_settings FOLDER KEY=VALUE...
source "$here/../bench/settings.sh"

# shot NAME SETTING...: one run of the program with the settings changed as given.
shot() {
    local name=$1 && shift
    local folder=$work/$name
    mkdir -p "$folder/run"
    chmod 0700 "$folder/run"
    write_settings "$folder" "$@"
    cp "$program" "$folder/tikora-clock"
    Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$folder/display" 2>/dev/null &
    echo $! >"$work/$name-xvfb.pid"
    for _ in $(seq 100); do
        [[ -s $folder/display ]] && break
        sleep 0.1
    done
    local display
    display=:$(head -n1 "$folder/display")
    (cd "$folder" && DISPLAY=$display TMPDIR=$folder/run XDG_RUNTIME_DIR=$folder/run \
        FAKETIME="@$time_of_day" FAKETIME_DONT_FAKE_MONOTONIC=1 LD_PRELOAD=$faketime_lib \
        exec ./tikora-clock /s) >/dev/null 2>&1 &
    echo $! >"$work/$name-clock.pid"
    sleep "$wait_seconds"
    DISPLAY=$display import -window root "$work/$name.png"
    # Few colours keep the files small; the face has few anyway.
    convert "$work/$name.png" -colors 64 -strip "PNG8:$out/$name.png"
    kill "$(cat "$work/$name-clock.pid")" "$(cat "$work/$name-xvfb.pid")" 2>/dev/null || true
    echo "$out/$name.png"
}

mkdir -p "$out"
shot default
# Yellow hours, green minutes, cyan seconds on dark blue circles, in the settings' packed
# red + 256 x green + 65536 x blue.
shot equal ShapeWidth=1 HColor=65535 MColor=65280 SColor=16776960 CColor=6553600
shot clock2 Clock2=1 ShapeWidth=1
screen=1280x800 shot clock2-1280x800 Clock2=1
