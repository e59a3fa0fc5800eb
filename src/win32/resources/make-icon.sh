#!/bin/sh
# Draws tikora-clock.ico, the screen saver's icon, with ImageMagick: a black disc with the clock's
# centre circle and its hour, minute and second circles in the default colours, each joined to
# the centre by its line. Every size is drawn four times larger and scaled down, so that the
# edges are smooth; the icon holds 16, 32, 48 and 256 pixels.
#   src/win32/resources/make-icon.sh [OUTPUT.ico]
set -e
output=${1:-$(dirname "$0")/tikora-clock.ico}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The drawing, on a 1024 x 1024 canvas: hours at ten o'clock, minutes at two, seconds at nine.
convert -size 1024x1024 xc:none \
    -fill black -stroke none -draw "circle 512,512 512,8" \
    -fill none -strokewidth 22 \
    -stroke '#FF0000' -draw "line 512,512 330,360" \
    -stroke '#FF8080' -draw "line 512,512 700,330" \
    -stroke '#FFC0C0' -draw "line 512,512 230,560" \
    -fill black -strokewidth 40 \
    -stroke '#FF0000' -draw "circle 300,330 300,200" \
    -stroke '#FF8080' -draw "circle 730,300 730,200" \
    -stroke '#FFC0C0' -draw "circle 200,560 200,480" \
    -fill '#1C2E6E' -stroke '#D4A84A' -strokewidth 36 -draw "circle 512,512 512,412" \
    "$work/large.png"

for size in 16 32 48 256; do
    convert "$work/large.png" -filter Lanczos -resize "${size}x${size}" -depth 8 "PNG32:$work/icon-$size.png"
done
convert "$work/icon-16.png" "$work/icon-32.png" "$work/icon-48.png" "$work/icon-256.png" "$output"
