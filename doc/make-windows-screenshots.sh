#!/bin/sh
# Makes the screenshots of the Windows screen saver under Wine on Xvfb at 1024x768, at the same
# time of day as doc/make-screenshots.sh:
#   windows-clock.png     "/s" with the default settings
#   windows-options.png   "/c": "Options" over the running clock
#   windows-chooser.png   the picture chooser opened by "Choose"
#
#   doc/make-windows-screenshots.sh [BUILD_WINDOWS_DIR]
# The folder holds a built tikora-clock.scr and the tests' FormProbe.exe, which finds a control
# on the screen (cmake -S . -B build-windows --toolchain cmake/mingw-w64.cmake -DTIKORA_BUILD_TESTS=ON).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../build-windows}")
scr=$build/tikora-clock.scr
probe=$build/tests/win32/FormProbe.exe
out=$here/screenshots
time_of_day="2026-12-06 10:08:37"
faketime=$(find /usr/lib -name libfaketime.so.1 | head -n1)
# The hint in the corner fades over the first seconds; Wine's first start takes some more.
wait_seconds=20
[ -f "$scr" ] && [ -f "$probe" ] || { echo "build $scr and $probe first" >&2; exit 1; }

work=$(mktemp -d)
# Sets up a prefix and an Xvfb at 1024x768, and ends both when the script ends.
. "$here/../tests/win32/wine-session.sh"

# shot NAME: the screen now, in few colours to keep the file small.
shot() {
    import -window root "$work/$1.png"
    convert "$work/$1.png" -colors 128 -strip "PNG8:$out/$1.png"
    echo "$out/$1.png"
}

mkdir -p "$out"
wineserver -p
xdotool mousemove 1023 767
run_clock() {
    LD_PRELOAD=$faketime NO_FAKE_STAT=1 FAKETIME="@$time_of_day" \
        wine "$work/clock/tikora-clock.scr" "$1" >/dev/null 2>&1 &
    sleep "$wait_seconds"
}
run_clock /s
shot windows-clock
xdotool key x
sleep 2
run_clock /c
shot windows-options
# shellcheck disable=SC2046
xdotool mousemove $(wine "$probe" point Options Choose | tr -d '\r') click 1
sleep 3
shot windows-chooser
cleanup
rm -rf "$work"
