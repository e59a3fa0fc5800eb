#!/usr/bin/env bash
# The clock's peak memory and CPU time against pictures and settings that a careless reader would
# load whole. Two tables, both in Markdown; the figures are reported, not judged: nothing here
# passes or fails.
#
# The first takes one load of each picture file, hostile and ordinary, as the centre picture and
# the chooser's preview load it (fitted to 49 x 49) and as the background does (cut to a screen
# of 1920 x 1080), each in a process of its own (bench/PictureLoad.cpp): its peak memory (VmHWM)
# above the same process before the load, and the CPU time of the load.
#
# The second runs the clock itself on one Xvfb, a run at a time: font names of 10 and 50 MB,
# damaged and hostile files as the centre and background pictures, GIFs of 7999 x 7999 pixels
# (a header alone, and a whole one) and of 2000 x 2000, and slide shows that pass over such
# files. It gives each run's peak, how far it stands above a run on the defaults, and the CPU
# time the run took a second once started (utime and stime of /proc/PID/stat, after the first
# two seconds).
#
#   bench/memory.sh [--no-build] [--build-dir DIR] [--loads-only] [BUILD_DIR]
#
# It builds what it runs in release mode first, in build-bench/ (as bench/measure.sh does) or in
# BUILD_DIR, an existing build folder, which it configures with the benchmarks added.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
build_dir=$source_dir/build-bench
build=1
loads_only=0
configure=(-DCMAKE_BUILD_TYPE=Release -DTIKORA_BUILD_TESTS=OFF -DTIKORA_BUILD_BENCHMARKS=ON)
run_seconds=4
slide_seconds=12
settle_seconds=2
while (($#)); do
    case $1 in
    --no-build) build=0 ;;
    --build-dir) build_dir=$(realpath -m "$2") && shift ;;
    --loads-only) loads_only=1 ;;
    -*) echo "usage: $0 [--no-build] [--build-dir DIR] [--loads-only] [BUILD_DIR]" >&2 && exit 2 ;;
    *) build_dir=$(realpath -m "$1") && configure=(-DTIKORA_BUILD_BENCHMARKS=ON) ;;
    esac
    shift
done
for tool in Xvfb convert cjpeg python3 cmake; do
    command -v "$tool" >/dev/null || { echo "$tool is needed (see README.md)" >&2; exit 1; }
done
if ((build)); then
    if ! output=$(cmake -S "$source_dir" -B "$build_dir" "${configure[@]}" 2>&1 &&
        cmake --build "$build_dir" -j2 --target tikora-clock tikora-picture-load 2>&1); then
        echo "$output" >&2
        exit 1
    fi
fi
clock=$build_dir/tikora-clock
loader=$build_dir/tikora-picture-load
for program in "$clock" "$loader"; do
    [[ -x $program ]] || { echo "no $(basename "$program") in $build_dir" >&2; exit 1; }
done

work=$(mktemp -d)
source "$here/session.sh"
trap 'end_session "$work"' EXIT

# write_settings FOLDER KEY=VALUE...
source "$here/settings.sh"

# hostile FOLDER STEM: damaged and hostile files, one of each kind, named STEM-KIND.EXT.
hostile() {
    local folder=$1 stem=$2
    mkdir -p "$folder"
    : >"$folder/$stem-empty.gif"
    convert -size 49x49 xc:red "GIF:$work/whole.gif"
    head -c $(($(stat -c %s "$work/whole.gif") / 2)) "$work/whole.gif" >"$folder/$stem-truncated.gif"
    { printf '\xFF\xD8\xFF\xE0\x00\x10JFIF garbage' && head -c 200 /dev/zero | tr '\0' Z; } \
        >"$folder/$stem-broken.jpg"
    echo "This is a letter, not a picture." >"$folder/$stem-text.gif"
    # A logical screen and an image of 30000 x 30000 pixels, with one pixel of data.
    printf 'GIF89a\x30\x75\x30\x75\x80\x00\x00\xFF\x00\x00\x00\x00\x00' >"$folder/$stem-huge.gif"
    printf '\x2C\x00\x00\x00\x00\x30\x75\x30\x75\x00\x02\x02\x44\x01\x00\x3B' \
        >>"$folder/$stem-huge.gif"
    mkfifo "$folder/$stem-pipe.gif"
    ln -s /dev/zero "$folder/$stem-zero.gif"
}

# bytes VALUE...: writes each value as one byte.
bytes() {
    local text
    printf -v text '\\x%02x' "$@"
    printf "$text"
}

# solid_gif WIDTH HEIGHT FILE: a GIF of one colour whose every pixel is coded, in the longest
# runs that LZW allows, so that a canvas of many megapixels takes some tens of KiB.
solid_gif() {
    local width=$1 height=$2 file=$3
    local left=$((width * height)) bits=0 held=0 size=3 next=6 run=1 take at
    local -a data=()
    put() { # CODE: appends a code of the current size, least significant bit first.
        held=$((held | $1 << bits)) && bits=$((bits + size))
        while ((bits >= 8)); do
            data+=($((held & 255))) && held=$((held >> 8)) && bits=$((bits - 8))
        done
    }
    put 4
    while ((left > 0)); do
        # After a clear code the colour itself covers one pixel, and every later code one more,
        # each a new entry of the decoder's table; codes grow a bit at each power of two.
        if ((run == 1)); then
            put 1 && left=$((left - 1)) && run=2 && continue
        fi
        take=$((left < run ? left : run))
        if ((take == 1)); then put 1; else put $((take + 4)); fi
        left=$((left - take)) && run=$((run + 1)) && next=$((next + 1))
        while ((next >= 1 << size && size < 12)); do size=$((size + 1)); done
        if ((next >= 4000 && left > 0)); then put 4 && size=3 && next=6 && run=1; fi
    done
    put 5
    if ((bits > 0)); then data+=($((held & 255))); fi
    {
        printf GIF89a
        bytes $((width & 255)) $((width >> 8)) $((height & 255)) $((height >> 8)) 0x81 0 0
        bytes 0 0 0 255 0 0 0 0 0 255 255 255
        bytes 0x2C 0 0 0 0 $((width & 255)) $((width >> 8)) $((height & 255)) $((height >> 8)) 0 2
        for ((at = 0; at < ${#data[@]}; at += 255)); do
            local block=("${data[@]:at:255}")
            bytes "${#block[@]}" "${block[@]}"
        done
        bytes 0 0x3B
    } >"$file"
}

# header_gif WIDTH HEIGHT FILE: a GIF whose header and image claim WIDTH x HEIGHT pixels, with
# the data of one pixel.
header_gif() {
    local width=$1 height=$2 file=$3
    {
        printf GIF89a
        bytes $((width & 255)) $((width >> 8)) $((height & 255)) $((height >> 8)) 0x80 0 0
        bytes 255 0 0 0 0 0
        bytes 0x2C 0 0 0 0 $((width & 255)) $((width >> 8)) $((height & 255)) $((height >> 8)) 0
        bytes 2 2 0x44 1 0 0x3B
    } >"$file"
}

# cpu_ticks PID: the time the process has had on the CPU so far, in clock ticks.
cpu_ticks() { awk '{ sub(/.*\) /, ""); print $12 + $13 }' "/proc/$1/stat" 2>/dev/null || echo 0; }

# peak NAME SECONDS SETUP...: runs "/s" in a fresh folder that SETUP prepares (called with the
# folder), and prints the run's peak memory in KiB after SECONDS, or "ended" when it ended, and
# its CPU time in ms a second after the first seconds.
peak() {
    local name=$1 seconds=$2 && shift 2
    local folder=$work/$name
    mkdir -p "$folder" && mkdir -m 0700 "$folder/run"
    "$@" "$folder"
    cp "$clock" "$folder/tikora-clock"
    (cd "$folder" && DISPLAY=$display TMPDIR=$folder/run XDG_RUNTIME_DIR=$folder/run \
        exec ./tikora-clock /s) >/dev/null 2>&1 &
    local pid=$!
    echo "$pid" >"$folder/program.pid"
    sleep "$settle_seconds"
    local ticks
    ticks=$(cpu_ticks "$pid")
    sleep $((seconds - settle_seconds))
    local kib
    kib=$(awk '$1 == "VmHWM:" { print $2 }' "/proc/$pid/status" 2>/dev/null || echo ended)
    echo "$kib" $((($(cpu_ticks "$pid") - ticks) * 1000 / $(getconf CLK_TCK) / (seconds - settle_seconds)))
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

plain() { write_settings "$1"; }
# font_name MEGABYTES FOLDER: the defaults with a font name of that size, in place of line 12.
font_name() {
    local file=$2/Tikora_Clock.ini
    write_settings "$2"
    { sed -n 1,11p "$file" && printf FName= && head -c $(($1 << 20)) /dev/zero | tr '\0' W &&
        printf '\r\n' && sed -n 13p "$file"; } >"$file.new"
    mv "$file.new" "$file"
}
# centre KIND FOLDER: the hostile file of KIND as the centre picture and, a file of the same
# kind, as the background picture.
centre() {
    local kind=$1 folder=$2
    local path
    path=$(ls -d "$work/hostile/centre-$kind".*)
    write_settings "$folder" "PicCenter=$path" Back=1
    case $kind in
    pipe) mkfifo "$folder/Tikora_Clock_bg.jpg" ;;
    zero) ln -s /dev/zero "$folder/Tikora_Clock_bg.jpg" ;;
    *) cp "$path" "$folder/Tikora_Clock_bg.jpg" ;;
    esac
}
slides() {
    convert -size 49x49 xc:green "GIF:$work/slides/a-good.gif"
    write_settings "$1" "PicCenter=$work/slides/" SlideShowTime=1
}
# shown PATH FOLDER: the picture at PATH, or the slide show of the folder PATH at 1 s, at the
# centre.
shown() {
    if [[ -d $1 ]]; then
        write_settings "$2" "PicCenter=$1/" SlideShowTime=1
    else
        write_settings "$2" "PicCenter=$1"
    fi
}

# solid_ppm WIDTH HEIGHT: a black picture as a binary PPM, for cjpeg.
solid_ppm() {
    printf 'P6\n%d %d\n255\n' "$1" "$2"
    head -c $(($1 * $2 * 3)) /dev/zero
}

# pictures FOLDER: the hostile picture files and ordinary ones, in FOLDER.
pictures() {
    local folder=$1
    python3 "$here/hostile_pictures.py" "$folder"
    solid_ppm 8000 8000 | cjpeg -progressive -sample 1x1 >"$folder/jpeg-progressive-444.jpg"
    solid_ppm 8000 8000 | cjpeg -progressive >"$folder/jpeg-progressive-420.jpg"
    solid_ppm 8000 8000 | cjpeg -sample 1x1 >"$folder/jpeg-baseline-444.jpg"
    solid_ppm 1000 1000 | cjpeg -progressive -sample 1x1 >"$work/progressive.jpg"
    python3 "$here/hostile_pictures.py" --many-scans "$work/progressive.jpg" \
        "$folder/jpeg-many-scans.jpg"
    # A camera's photo of 12 megapixels, and what is made of it.
    convert -size 4000x3000 plasma:fractal -quality 92 "$folder/photo.jpg"
    convert "$folder/photo.jpg" -resize '1920x1080!' -quality 90 "$folder/screen.jpg"
    convert "$folder/screen.jpg" -type TrueColor "BMP3:$folder/screen.bmp"
    convert "$folder/photo.jpg" -resize 1600x1200 -sampling-factor 2x2 -interlace JPEG \
        "$folder/web-progressive.jpg"
    convert "$folder/photo.jpg" -resize 640x480 -colors 256 "GIF:$folder/picture.gif"
    convert -size 49x49 xc:red "GIF:$folder/small.gif"
    head -c $(($(stat -c %s "$folder/screen.jpg") / 2)) "$folder/screen.jpg" >"$folder/jpeg-cut-short.jpg"
}

# load MODE FILE: "MiB above | CPU ms | size shown" of one load of FILE in MODE.
load() {
    local figures
    if figures=$(timeout 120 "$loader" "$1" "$2" 2>/dev/null); then
        awk '{ printf "%+.1f | %.0f | %s", ($2 - $1) / 1024, $3, $4 == "0x0" ? "none" : $4 }' \
            <<<"$figures"
    else
        printf 'failed | | '
    fi
}

mkdir "$work/pictures"
pictures "$work/pictures" >/dev/null 2>&1
echo "| picture file | size | centre: MiB above | CPU ms | shown | background: MiB above | CPU ms | shown |"
echo "| --- | --- | --- | --- | --- | --- | --- | --- |"
for file in "$work"/pictures/*; do
    echo "| $(basename "$file") | $(numfmt --to=iec-i --suffix=B "$(stat -c %s "$file")") |" \
        "$(load centre "$file") | $(load background "$file") |"
done
((loads_only)) && exit 0
echo

# The runs, one at a time, share one X server, which stays up between them (-noreset): one that
# resets as its last client leaves would turn away a run that starts in that moment.
mkdir "$work/x"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/x/display" >/dev/null 2>&1 &
echo $! >"$work/x/xvfb.pid"
for _ in $(seq 100); do [[ -s $work/x/display ]] && break; sleep 0.1; done
display=:$(head -n1 "$work/x/display")

hostile "$work/hostile" centre
hostile "$work/slides" b
mkdir "$work/big" "$work/largest"
header_gif 7999 7999 "$work/big/header.gif"
solid_gif 7999 7999 "$work/big/whole.gif"
solid_gif 2000 2000 "$work/largest/whole.gif"
read -r plain_kib plain_cpu < <(peak plain "$run_seconds" plain)
row() {
    local name=$1 kib=$2 cpu=$3
    if [[ $kib == ended ]]; then
        echo "| $name | ended | | |"
    else
        awk -v name="$name" -v kib="$kib" -v plain="$plain_kib" -v cpu="$cpu" \
            'BEGIN { printf "| %s | %.1f | %+.1f | %d |\n", name, kib / 1024, (kib - plain) / 1024, cpu }'
    fi
}
echo "| run | peak (VmHWM) MiB | above the defaults MiB | CPU ms/s |"
echo "| --- | --- | --- | --- |"
row "defaults" "$plain_kib" "$plain_cpu"
for megabytes in 10 50; do
    row "font name of $megabytes MB" $(peak "font-$megabytes" "$run_seconds" font_name "$megabytes")
done
for kind in empty truncated broken text huge pipe zero; do
    row "$kind file as centre and background" $(peak "centre-$kind" "$run_seconds" centre "$kind")
done
row "slide show over the damaged files" $(peak slides "$slide_seconds" slides)
row "GIF header of 7999 x 7999 ($(stat -c %s "$work/big/header.gif") bytes) as centre" \
    $(peak big-header "$run_seconds" shown "$work/big/header.gif")
row "whole GIF of 7999 x 7999 ($(($(stat -c %s "$work/big/whole.gif") >> 10)) KiB) as centre" \
    $(peak big-whole "$run_seconds" shown "$work/big/whole.gif")
row "slide show over both at 1 s" $(peak big-slides "$slide_seconds" shown "$work/big")
row "whole GIF of 2000 x 2000 as centre" $(peak largest "$run_seconds" shown "$work/largest/whole.gif")
row "slide show over it at 1 s" $(peak largest-slides "$slide_seconds" shown "$work/largest")
# shown_back PATH FOLDER: the picture at PATH as the centre picture and as the background.
shown_back() {
    write_settings "$2" "PicCenter=$1" Back=1
    cp "$1" "$2/Tikora_Clock_bg.jpg"
}
for file in gif-huge-frame.gif gif-long-codes.gif jpeg-progressive-444.jpg bmp-rle8-filled.bmp \
    bmp-cut-short.bmp; do
    row "$file as centre and background" \
        $(peak "shown-$file" "$run_seconds" shown_back "$work/pictures/$file")
done
mkdir "$work/hostile-gifs"
cp "$work"/pictures/gif-*.gif "$work/hostile-gifs/"
row "slide show over the hostile GIFs at 1 s" \
    $(peak hostile-slides "$slide_seconds" shown "$work/hostile-gifs")
