#!/bin/sh
# What a large JPEG costs the Windows screen saver under Wine, as the centre picture and as the
# background, beside a run on the defaults: the CPU time of the screen saver's process over its
# first seconds and its peak memory (VmHWM), read from /proc. A Markdown table; the figures are
# reported, not judged. Wine's JPEG decoder decodes a file whole, where Windows' decodes it at
# a fraction of its size while the program asks it to.
#
#   bench/wine-large-jpeg.sh build-windows/tikora-clock.scr [WORK_FOLDER]
set -eu
scr=$(realpath "$1")
work=$(realpath -m "${2:-/tmp/tikora-wine-jpeg}")
# Seconds each run is given to come up and load its pictures.
run_seconds=10
here=$(cd "$(dirname "$0")" && pwd)

. "$here/../tests/win32/wine-session.sh"
wineserver -p
ticks=$(getconf CLK_TCK)

# Plain colour gradients, their colours sampled at a quarter as cameras write them, which the
# picture limits let pass up to 50 megapixels, since their coded data is small beside their
# blocks.
convert -size 4000x3000 gradient:red-blue -sampling-factor 4:2:0 -quality 90 "$work/jpeg-4000x3000.jpg"
convert -size 8160x6120 gradient:red-blue -sampling-factor 4:2:0 -quality 90 "$work/jpeg-8160x6120.jpg"

# Runs the screen saver with the settings file as it stands, and prints a row of the table.
measure() {
    wine "$work/clock/tikora-clock.scr" /s >"$work/run.log" 2>&1 &
    clock=$!
    sleep "$run_seconds"
    peak=$(awk '/^VmHWM/ { print int($2 / 1024) }' "/proc/$clock/status")
    cpu=$(awk -v ticks="$ticks" '{ print int(($14 + $15) * 1000 / ticks) }' "/proc/$clock/stat")
    import -window root "BMP3:$work/shot.bmp"
    centre=$(convert "$work/shot.bmp" -format '%[pixel:p{512,384}]' info:)
    corner=$(convert "$work/shot.bmp" -format '%[pixel:p{100,100}]' info:)
    echo "| $1 | $cpu | $peak | $centre | $corner |"
    xdotool key x
    gone "$clock" 10 || kill "$clock"
}
# Changes a line of the settings file, which keeps Windows' line ends.
setting() {
    value=$(printf '%s' "$2" | sed 's/\\/\\\\/g')
    sed -i "s|^$1=.*|$1=$value\r|" "$work/clock/Tikora_Clock.ini"
}

echo "| run | CPU ms in ${run_seconds} s | peak MiB | centre pixel | background pixel |"
echo "|---|---|---|---|---|"
measure defaults
for size in 4000x3000 8160x6120; do
    file="$work/jpeg-$size.jpg"
    setting PicCenter "$(winepath -w "$file" 2>/dev/null)"
    measure "centre $size ($(du -k "$file" | cut -f1) KiB)"
    setting PicCenter Default
    cp "$file" "$work/clock/Tikora_Clock_bg.jpg"
    setting Back 1
    measure "background $size"
    setting Back 0
done
