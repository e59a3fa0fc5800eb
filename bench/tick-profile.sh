#!/usr/bin/env bash
# Where a tick of the running clock goes, in instructions: the clock "/s" runs under callgrind on
# an Xvfb of its own at 1920x1080 with the default settings (or the given settings), its time of
# day starting at 10:20:00 (libfaketime) so that every run counts the same seconds; after a
# warm-up, in which the fonts and pictures load, callgrind counts a number of ticks, and the
# script prints the instructions a tick of the whole program and of the functions that a tick
# spends them in, inclusive of what they call. 60 ticks take in every place of the seconds.
#
#   bench/tick-profile.sh BUILD_DIR [--ticks N] [--warm-up S] [--keep FILE] [SETTING=VALUE ...]
#
# --keep copies callgrind's profile to FILE, for callgrind_annotate or KCachegrind.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
[[ $# -ge 1 ]] || { echo "usage: $0 BUILD_DIR [--ticks N] [--warm-up S] [SETTING=VALUE ...]" >&2; exit 2; }
clock=$(realpath "$1/tikora-clock") && shift
ticks=60
warm_up=30
settings=()
keep=
while (($#)); do
    case $1 in
    --ticks) ticks=$2 && shift ;;
    --warm-up) warm_up=$2 && shift ;;
    --keep) keep=$2 && shift ;;
    *=*) settings+=("$1") ;;
    *) echo "unknown option $1" >&2 && exit 2 ;;
    esac
    shift
done
for tool in Xvfb faketime valgrind callgrind_control callgrind_annotate; do
    command -v "$tool" >/dev/null || { echo "$tool is needed" >&2; exit 1; }
done

work=$(mktemp -d)
source "$here/session.sh"
trap 'end_session "$work"' EXIT
source "$here/settings.sh"

write_settings "$work" "${settings[@]}"
start_x "$work" 1920x1080
cp "$clock" "$work/program"
mkdir -m 0700 "$work/run"
# Qt's timers run on the monotonic clock, which is left alone.
(cd "$work" && DISPLAY=:$(head -n1 display) TMPDIR=$work/run XDG_RUNTIME_DIR=$work/run \
    FAKETIME="@$(date +%F) 10:20:00" FAKETIME_DONT_FAKE_MONOTONIC=1 \
    LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 exec valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$work/profile" \
    ./program /s) >/dev/null 2>&1 &
echo $! >"$work/program.pid"
sleep "$warm_up"
pid=$(cat "$work/program.pid")
# callgrind_control finds the program by its files in the program's TMPDIR.
export TMPDIR=$work/run
callgrind_control -i on "$pid" >/dev/null
sleep "$ticks"
callgrind_control -i off "$pid" >/dev/null
callgrind_control -d "$pid" >/dev/null
for _ in $(seq 600); do
    [[ -s $work/profile.1 ]] && break
    sleep 0.2
done
profile=$work/profile.1
[[ -z $keep ]] || cp "$profile" "$keep"

# The functions a tick is spent in, by the name callgrind_annotate gives them.
functions=(
    "QEventLoop::exec|the main thread's event loop"
    "QTimerInfoList::activateTimers|the timers, the tick among them"
    "Form1::Timer4_Timer|the tick's rules and repaint areas"
    "ClockWindow::repaintArea|- the areas made Qt regions"
    "QWidget::update(QRegion const&)|- QWidget::update"
    "ClockWindow::paintEvent|paint event"
    "QtCanvas::drawLine|- the lines"
    "QtCanvas::fillRect|- the back's fill"
    "QtCanvas::drawText|- the figures' text"
    "QtCanvas::drawSprite|- the circles' sprites"
    "QtCanvas::setAntialiasing|- the antialiasing hint"
    "X11Surface::paint|the window's own surface on X11: paint and send"
    "X11Surface::send|- the changed pixels sent (PutImage)"
    "QBackingStore::flush|backing store flush"
    "QXcbBackingStore::beginPaint|backing store's wait for the X server"
)
callgrind_annotate --inclusive=yes --threshold=100 "$profile" >"$work/annotated" 2>/dev/null
total=$(awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }' "$work/annotated")
echo "| function | instructions a tick, thousands |"
echo "| --- | --- |"
awk -v t="$total" -v n="$ticks" 'BEGIN { printf "| the whole program, all threads | %.1f |\n", t / n / 1000 }'
for entry in "${functions[@]}"; do
    name=${entry%%|*} label=${entry#*|}
    count=$(grep -F -m1 "$name" "$work/annotated" || true)
    count=$(echo "$count" | awk '{ gsub(",", "", $1); print $1 }')
    awk -v c="${count:-0}" -v n="$ticks" -v l="$label" -v f="$name" \
        'BEGIN { printf "| %s (`%s`) | %.1f |\n", l, f, c / n / 1000 }'
done
