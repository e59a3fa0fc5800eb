#!/bin/sh
# Installs the screen saver silently with its installer in a Wine prefix of the test's own, a
# copy of the build's booted one, checks the file in System32 and the registry values, then
# uninstalls it silently with the command that "Apps & features" runs and checks that all are
# gone and that the user's previous screen saver is back:
#   installer-under-wine.sh RUN_IN_WINE BOOTED_PREFIX SCREEN_SAVER SETUP WORK_PREFIX
set -eu
run_in_wine=$1 booted_prefix=$2 screen_saver=$3 setup=$4 prefix=$5
WINEPREFIX=$prefix WINEDEBUG=-all
export WINEPREFIX WINEDEBUG

rm -rf "$prefix"
# The booted prefix is copied once the programs that Wine started in it have ended, so that no
# registry file is copied while one of them changes it.
WINEPREFIX=$booted_prefix wineserver -w 2>/dev/null || true
cp -a "$booted_prefix" "$prefix"
trap 'wineserver -k 2>/dev/null || true' EXIT

failures=0
fail() {
    printf 'FAIL (%s): %s\n' "$case_name" "$*" >&2
    failures=$((failures + 1))
}

wine_run() {
    "$run_in_wine" "$prefix" "$@"
}

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tikora Clock'
desktop_key='HKCU\Control Panel\Desktop'
installed='C:\windows\system32\tikora-clock.scr'
installed_file=$prefix/drive_c/windows/system32/tikora-clock.scr
uninstaller_folder=$prefix/drive_c/Program\ Files/Tikora\ Clock

# The data of a registry value, or "-" when there is no such value.
value_of() {
    wine_run reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2  *REG_[A-Z_]*  *//p" | grep . || echo -
}

set_value() {
    if [ "$3" = - ]; then
        wine_run reg delete "$1" /v "$2" /f >/dev/null 2>&1 || true
    else
        wine_run reg add "$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null
    fi
}

expect_value() {
    actual=$(value_of "$1" "$2")
    [ "$actual" = "$3" ] || fail "$2 under $1 is '$actual', not '$3'"
}

# Each case: its name, the screen saver and ScreenSaveActive before the install ("-": none),
# the screen saver the user chooses after it ("-": the clock stays), and the two values expected
# once the clock is uninstalled.
while read -r case_name saver_before active_before saver_chosen saver_after active_after; do
    set_value "$desktop_key" SCRNSAVE.EXE "$saver_before"
    set_value "$desktop_key" ScreenSaveActive "$active_before"

    wine_run "$setup" /S || fail "the installer ended with status $?"
    cmp -s "$screen_saver" "$installed_file" || fail "System32 holds no copy of the screen saver"
    expect_value "$desktop_key" SCRNSAVE.EXE "$installed"
    expect_value "$desktop_key" ScreenSaveActive 1
    expect_value "$uninstall_key" DisplayName "Tikora Clock"
    expect_value "$uninstall_key" DisplayIcon "$installed,0"
    expect_value "$uninstall_key" Publisher "The Tikora Clock developers"
    expect_value "$uninstall_key" NoModify 0x1
    expect_value "$uninstall_key" NoRepair 0x1
    for name in DisplayVersion EstimatedSize; do
        [ "$(value_of "$uninstall_key" $name)" != - ] || fail "$name is not registered"
    done
    [ "$saver_chosen" = - ] || set_value "$desktop_key" SCRNSAVE.EXE "$saver_chosen"

    # The uninstaller runs from a copy of itself in the temporary folder and ends at once, so the
    # test waits for every program of the prefix to end.
    uninstall=$(value_of "$uninstall_key" UninstallString | tr -d '"')
    wine_run "$uninstall" /S || fail "the uninstaller ended with status $?"
    wineserver -w
    [ ! -e "$installed_file" ] || fail "the screen saver is still in System32"
    [ ! -e "$uninstaller_folder" ] || fail "the uninstaller's folder is still there"
    if wine_run reg query "$uninstall_key" >/dev/null 2>&1; then
        fail "the uninstall key is still there"
    fi
    expect_value "$desktop_key" SCRNSAVE.EXE "$saver_after"
    expect_value "$desktop_key" ScreenSaveActive "$active_after"
done <<'CASES'
none_before - - - - -
previous_put_back C:\windows\system32\previous.scr 0 - C:\windows\system32\previous.scr 0
chosen_later_kept - - C:\windows\system32\chosen.scr C:\windows\system32\chosen.scr 1
CASES

[ "$failures" -eq 0 ] || exit 1
rm -rf "$prefix"
