#!/bin/sh
# The picture chooser under Wine on Xvfb at 1024 x 768:
#   chooser-under-wine.sh SCREENSAVER.scr FORMPROBE.exe HOSTILE_PICTURES.py WORK_FOLDER
# The drive list shows C:, which has a label, and Z:, which has none, as Windows' own do. A
# BMP, a JPEG and a GIF of plain colours, each picked in the chooser's lists, are shown in
# the centre at once, and the last one again in the next run after Save; a slide show over
# GIFs of three colours at one a second turns; a slide show over damaged and hostile GIFs, and
# the preview of each damaged or hostile picture, leave the clock running, answering and within
# a bounded memory.
set -eu
scr=$1
probe=$2
hostile=$3
work=$4
# Seconds to wait for a window or the face, and for the end of a run.
show_wait=60
end_wait=10
# Seconds a slide show at one slide a second is watched.
show_seconds=8
# The most memory, in KiB, that the clock may hold while it goes over the hostile pictures: its
# own, some 45 MiB under Wine, and the few MiB that the picture limits let a load hold, with
# room to spare.
most_memory=131072
# A colour read back from a JPEG may differ by this much in each channel.
jpeg_error=8

. "$(dirname "$0")/wine-session.sh"
wineserver -p

# The centre picture, 49 x 49 pixels about the middle of the screen, read at three points.
centre() {
    shot="$work/centre.ppm"
    import -window root -depth 8 "PPM:$shot" 2>/dev/null || return 0
    convert "$shot" -format '%[pixel:p{490,362}] %[pixel:p{512,384}] %[pixel:p{534,406}]' info: |
        awk -v error="$jpeg_error" '{
            gsub(/srgb\(|\)/, ""); split($1, a, ","); split($2, b, ","); split($3, c, ",")
            for (k = 1; k <= 3; ++k)
                if (a[k] - b[k] > error || b[k] - a[k] > error ||
                    a[k] - c[k] > error || c[k] - a[k] > error) { print "mixed"; exit }
            printf "%d,%d,%d\n", b[1], b[2], b[3] }'
}
# Whether the colour "r,g,b" is within the JPEG's error of the wanted one.
alike() {
    echo "$1 $2" | awk -v error="$jpeg_error" '{
        split($1, a, ","); split($2, b, ",")
        for (k = 1; k <= 3; ++k) if (a[k] - b[k] > error || b[k] - a[k] > error) exit 1 }'
}
# Waits until the centre shows the colour.
shows() {
    for _ in $(seq "$show_wait"); do
        seen=$(centre)
        alike "$seen" "$1" && return 0
        sleep 1
    done
    fail "the centre shows $seen, not $1"
}
# Clicks, or with a second argument double-clicks, the row of a list of the chooser.
row() {
    at=$(probe row "File manager" "$1") || fail "$at"
    # shellcheck disable=SC2086
    xdotool mousemove $at click --repeat "${2:-1}" 1
    sleep 0.5
}
# Opens the chooser by the option with the caption. A click just as the clock has come up is
# now and then lost under Wine, as the windows are raised; a user clicks again.
open_chooser() {
    click Options "$1"
    sleep 2
    xdotool search --onlyvisible --name '^File manager$' >/dev/null 2>&1 || click Options "$1"
    window '^File manager$'
}
# Opens the chooser by the option, and goes into the subfolder of the folder it starts in.
choose() {
    open_chooser "$1"
    row "$2" 2
}
# Picks the file in the chooser and confirms it.
pick() {
    row "$1"
    click "File manager" OK
    closed '^File manager$'
}
rss() {
    ps -o rss= -p "$1" | tr -d ' '
}

red=200,0,0
green=0,160,0
blue=0,0,200
mkdir -p "$work/clock/pictures" "$work/clock/slides"
convert -size 49x49 "xc:rgb($green)" "BMP3:$work/clock/pictures/green.bmp"
convert -size 49x49 "xc:rgb($blue)" -quality 95 "$work/clock/pictures/blue.jpg"
convert -size 49x49 "xc:rgb($red)" "$work/clock/pictures/red.gif"
convert -size 49x49 "xc:rgb($red)" "$work/clock/slides/a.gif"
convert -size 49x49 "xc:rgb($green)" "$work/clock/slides/b.gif"
convert -size 49x49 "xc:rgb($blue)" "$work/clock/slides/c.gif"

# Wine reads a drive's label from a file at its root.
echo System >"$WINEPREFIX/drive_c/.windows-label"
wine "$work/clock/tikora-clock.scr" /c >"$work/pick.log" 2>&1 &
clock=$!
window '^Options$'
face
open_chooser Choose
drives=$(probe rows "File manager") || fail "$drives"
echo "$drives" | grep -qx 'c: \[System\]' || fail "the drive list: $drives"
echo "$drives" | grep -qx 'z:' || fail "the drive list: $drives"
xdotool key Escape
closed '^File manager$'

# Each kind picked is shown at once; Save keeps the last for the next run.
for picture in green.bmp:$green blue.jpg:$blue red.gif:$red; do
    choose Choose pictures
    pick "${picture%%:*}"
    shows "${picture#*:}"
done
click Options Save
gone "$clock" "$end_wait" || fail "Save did not end the run"
wine "$work/clock/tikora-clock.scr" /s >"$work/saved.log" 2>&1 &
clock=$!
shows "$red"
xdotool key x
gone "$clock" "$end_wait" || fail "a key did not end the run"

# A slide show at one slide a second goes through the colours of its GIFs.
wine "$work/clock/tikora-clock.scr" /c >"$work/slides.log" 2>&1 &
clock=$!
window '^Options$'
face
choose "Slide show" ..
row slides 2
at=$(probe point "File manager" 5) || fail "$at"
# shellcheck disable=SC2086
xdotool mousemove $at click 1 key End BackSpace type 1
click "File manager" OK
closed '^File manager$'
seen=""
for _ in $(seq "$show_seconds"); do
    sleep 1
    colour=$(centre)
    case " $seen " in *" $colour "*) ;; *) seen="$seen $colour" ;; esac
done
for colour in $red $green $blue; do
    case " $seen " in *" $colour "*) ;; *) fail "the slide show never showed $colour:$seen" ;; esac
done
xdotool key Escape
gone "$clock" "$end_wait" || fail "Escape did not end the run"

# Damaged and hostile pictures: a slide show over the GIFs, then each previewed in the chooser.
folder="$work/clock/hostile"
python3 "$hostile" "$folder"
convert -size 49x49 "xc:rgb($green)" "$folder/plain.gif"
head -c 40 "$work/clock/slides/a.gif" >"$folder/truncated.gif"
printf '\377\330\377\340\000\020JFIF garbage' >"$folder/broken.jpg"
head -c 200 /dev/zero >>"$folder/broken.jpg"
wine "$probe" write "$work/clock/Tikora_Clock.ini" \
    "PicCenter=$(winepath -w "$folder" 2>/dev/null)\\" SlideShowTime=1 >/dev/null 2>&1 ||
    fail "the settings file with the hostile slide show"
wine "$work/clock/tikora-clock.scr" /s >"$work/hostile.log" 2>&1 &
clock=$!
face
most=0
for _ in $(seq "$show_seconds"); do
    sleep 1
    kill -0 "$clock" 2>/dev/null || fail "the clock ended in the slide show over hostile GIFs"
    now=$(rss "$clock")
    [ "$now" -gt "$most" ] && most=$now
done
xdotool key 1
window '^Options$'
click Options Choose
window '^File manager$'
for file in "$folder"/*; do
    row "$(basename "$file")"
    sleep 1
    kill -0 "$clock" 2>/dev/null || fail "the clock ended at the preview of $(basename "$file")"
    now=$(rss "$clock")
    [ "$now" -gt "$most" ] && most=$now
done
echo "most memory over the hostile pictures: $most KiB"
[ "$most" -le "$most_memory" ] || fail "the clock held $most KiB over the hostile pictures"
xdotool key Escape
closed '^File manager$'
xdotool key Escape
gone "$clock" "$end_wait" || fail "Escape did not end the run after the hostile pictures"
echo "pictures picked, saved, a slide show and hostile pictures: passed"
