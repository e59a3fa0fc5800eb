#!/bin/sh
# The screen saver under Wine on two monitors side by side, the outputs of an Xorg server with
# the dummy driver, for Wine sees a single monitor on Xvfb whatever its screens:
#   monitors-under-wine.sh SCREENSAVER.scr FACECHECK.exe WORK_FOLDER
# "/s", its clock frozen at 10:20:30, shows the worked example's face on the primary monitor
# and covers the other, right of it, in black; a key ends both.
set -eu
scr=$1
check=$2
work=$3
# Seconds to wait for the face and for the end after a key.
face_wait=60
end_wait=10
# The second monitor, and a place right of the first that no monitor shows.
second=800x600+1024+0
nowhere=800x168+1024+600

. "$(dirname "$0")/wine-session.sh"

# One dummy screen wide enough for both monitors; xrandr turns its second output on. Xorg reads
# nothing of the system's devices, and writes its log here, so that it runs as any user.
cat >"$work/xorg.conf" <<'CONF'
Section "ServerFlags"
    Option "AutoAddDevices" "false"
EndSection
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 16384
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 1824 768
    EndSubSection
EndSection
CONF
mkdir -p "$work/xorg.conf.d"
x_server Xorg -config "$work/xorg.conf" -configdir "$work/xorg.conf.d" -logfile "$work/xorg.log" \
    -noreset
xrandr --addmode DUMMY1 800x600
xrandr --output DUMMY0 --mode 1024x768 --primary --output DUMMY1 --mode 800x600 --right-of DUMMY0
# Until a client asks the server to probe its outputs, the second one counts as disconnected
# for a client that asks for the current state only, as Wine does.
xrandr >/dev/null
# A white root, so that black on a monitor can come only from a window over it.
xsetroot -solid white

# The lowest and highest channel of the part of the last screenshot given.
range() {
    convert "$shot" -crop "$1" +repage -format '%[fx:minima] %[fx:maxima]' info:
}

xdotool mousemove 10 10
wineserver -p
start_frozen
face_at DifferentLater 1
[ "$(range "$second")" = "0 0" ] || fail "the second monitor is not black: $(range "$second")"
[ "$(range "$nowhere")" = "1 1" ] || fail "a window stands where no monitor is"
end_by_key
import -window root -depth 8 "PPM:$shot"
[ "$(range "$second")" = "1 1" ] || fail "the second monitor's cover stays after the end"
echo "face on the primary monitor, the other covered, a key ends both: passed"
