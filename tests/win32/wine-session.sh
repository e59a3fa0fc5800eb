# Sourced by the scripts that run the screen saver under Wine, with $scr and $work set: makes
# $work afresh with a portable copy of the screen saver in $work/clock, a Wine prefix of its
# own with Wine's fonts in it, and an Xvfb display at 1024 x 768, and ends the wineserver and
# the X server when the script ends, whatever happens. Gives fail() and gone().

rm -rf "$work"
mkdir -p "$work/clock"
cp "$scr" "$work/clock/tikora-clock.scr"
WINEPREFIX=$work/prefix
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT INT TERM

# Whether the process ends within the seconds given.
gone() {
    for _ in $(seq "$2"); do
        sleep 1
        kill -0 "$1" 2>/dev/null || return 0
    done
    return 1
}

# The prefix is made without a display; Debian's Wine leaves its own fonts out of it.
env -u DISPLAY wine wineboot --init >"$work/boot.log" 2>&1 || fail "wineboot: $(cat "$work/boot.log")"
wineserver -w
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
# Without a window manager a managed window takes seconds to close.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=:$(cat "$work/display")
export DISPLAY
