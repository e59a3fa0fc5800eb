# Sourced by the scripts that run the screen saver under Wine, with $scr and $work set: makes
# $work afresh with a portable copy of the screen saver in $work/clock, a Wine prefix of its
# own with Wine's fonts in it, and an Xvfb display at 1024 x 768, and ends the wineserver and
# the X server when the script ends, whatever happens. Gives fail(), gone() and x_server(),
# which puts another X server in place of the display; for the scripts that drive the dialogs
# with $probe, $show_wait and $end_wait set: window(), closed(), click() and face(); and for
# those that check the face with $check (FaceCheck), $face_wait and $end_wait set:
# start_frozen(), face_at() and end_by_key().

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
    [ -n "${x_server_pid:-}" ] && kill "$x_server_pid" 2>/dev/null || true
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

# Waits for a visible window whose title matches the pattern.
window() {
    for _ in $(seq "$show_wait"); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0
        sleep 1
    done
    fail "no window titled $1"
}
# Waits until no window whose title matches the pattern is on the screen.
closed() {
    for _ in $(seq "$end_wait"); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 1
    done
    fail "the window titled $1 stays"
}
# Prints what the probe prints, without Wine's line ends.
probe() {
    if wine "$probe" "$@" </dev/null >"$work/probe.out" 2>&1; then status=0; else status=$?; fi
    tr -d '\r' <"$work/probe.out"
    return "$status"
}
# Clicks the control with the caption in the window with the title, where it stands on screen.
click() {
    at=$(probe point "$1" "$2") || fail "$at"
    # shellcheck disable=SC2086
    xdotool mousemove $at click 1
}
# Waits for the emblem in the middle of the face.
face() {
    shot="$work/screen.ppm"
    for _ in $(seq "$show_wait"); do
        sleep 1
        import -window root -depth 8 "PPM:$shot" 2>/dev/null || continue
        [ "$(convert "$shot" -format '%[pixel:p{500,384}]' info:)" != "srgb(0,0,0)" ] && return 0
    done
    fail "no face"
}

# The prefix is made without a display; Debian's Wine leaves its own fonts out of it.
env -u DISPLAY wine wineboot --init >"$work/boot.log" 2>&1 || fail "wineboot: $(cat "$work/boot.log")"
wineserver -w
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
# Without a window manager a managed window takes seconds to close.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w

# Runs the X server given with its arguments on a display of its own, in place of the one
# before and of the wineserver whose windows stood on it, and waits until it answers.
x_server() {
    wineserver -k 2>/dev/null || true
    if [ -n "${x_server_pid:-}" ]; then
        kill "$x_server_pid" 2>/dev/null || true
        wait "$x_server_pid" 2>/dev/null || true
    fi
    rm -f "$work/display"
    "$@" -displayfd 3 -nolisten tcp 3>"$work/display" >>"$work/x-server.log" 2>&1 &
    x_server_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || fail "the X server $1 did not start: $(tail -5 "$work/x-server.log")"
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
}
x_server Xvfb -screen 0 1024x768x24

shot="$work/screen.ppm"
# Starts a run whose clock is frozen at 10:20:30 and sets $clock; the wineserver, started
# before, runs on the true time, so that its timers run.
start_frozen() {
    LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 NO_FAKE_STAT=1 \
        FAKETIME="2026-12-06 10:20:30" \
        wine "$work/clock/tikora-clock.scr" /s >"$work/clock.log" 2>&1 &
    clock=$!
}
# Waits until the screen shows the worked example's face at the scale given.
face_at() {
    for _ in $(seq "$face_wait"); do
        sleep 1
        import -window root -depth 8 "PPM:$shot" 2>/dev/null || continue
        wine "$check" "$1" "$2" "$shot" >"$work/check.log" 2>&1 && return 0
    done
    fail "the face $1 at 10:20:30, $2 times the pixels: $(cat "$work/check.log")"
}
# A key ends the run.
end_by_key() {
    xdotool key x
    gone "$clock" "$end_wait" || fail "a key did not end the run"
}
