#!/bin/sh
# Runs a Windows program under Wine, headless, in a Wine prefix of its own:
#   run-in-wine.sh PREFIX PROGRAM.exe [ARGUMENT...]   runs the program
#   run-in-wine.sh PREFIX --boot                      makes the prefix, unless it is made already
#   run-in-wine.sh PREFIX --stop                      ends the prefix's wineserver, if one runs
# Wine says nothing of its own (WINEDEBUG=-all), leaves out the .NET and HTML engines that it
# would offer to download, and opens no window: console programs need no display.
set -e
if [ $# -lt 2 ]; then
    echo "usage: $0 PREFIX PROGRAM.exe [ARGUMENT...] | PREFIX --boot | PREFIX --stop" >&2
    exit 2
fi
WINEPREFIX=$1
shift
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
unset DISPLAY WAYLAND_DISPLAY

case $1 in
--boot)
    # A new prefix takes some seconds to make. wineserver --wait returns once the programs that
    # Wine started for it have ended; only then does the mark say that the prefix is whole.
    if [ ! -f "$WINEPREFIX/.booted" ]; then
        wine wineboot --init >"$WINEPREFIX.log" 2>&1 || { cat "$WINEPREFIX.log" >&2; exit 1; }
        wineserver --wait
        touch "$WINEPREFIX/.booted"
    fi
    # The server, and the programs that Wine starts with its first program, would hold a test's
    # output open, and so the test, until they end some seconds later. They start here instead,
    # apart from any test's output, and stay for half a minute after the last program has
    # ended (a server that runs already is kept as it is).
    wineserver --persistent=30 </dev/null >/dev/null 2>&1 || true
    exec wine cmd /c exit </dev/null >/dev/null 2>&1
    ;;
--stop)
    # wineserver --kill fails when no server runs, which is no failure here.
    wineserver --kill 2>/dev/null || true
    ;;
*)
    # Wine 8.0 on Debian 12 now and then trips an assertion of the dynamic loader as a process
    # ends ("Inconsistency detected by ld.so: dl-fini.c"), after the program is done; the loader
    # then gives the status 127. Such a run is made once more. A program that gives 127 itself
    # fails the second run alike.
    status=0
    wine "$@" || status=$?
    [ "$status" -eq 127 ] || exit "$status"
    echo "run-in-wine.sh: Wine ended with status 127; running the program again" >&2
    exec wine "$@"
    ;;
esac
