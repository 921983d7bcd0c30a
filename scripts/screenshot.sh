#!/usr/bin/env bash
# Takes a screenshot of Corvanel running under a virtual X server.
# Usage: scripts/screenshot.sh OUTPUT.png [SCALE] [SYMBOL] [LANGUAGE]
#   SCALE     the Qt scale factor (1 or 2; default 1)
#   SYMBOL    an element to select first through Search (Ctrl+S), e.g. Na
#   LANGUAGE  the desktop language to start it in, e.g. de (default: English, LANG=C.UTF-8)
# The program is build/corvanel unless CORVANEL_BIN names another.
set -euo pipefail
out=$(realpath -m "${1:?output png}")
scale=${2:-1}
symbol=${3:-}
language=${4:-}
bin=$(realpath "${CORVANEL_BIN:-build/corvanel}")
width=$((660 * scale)); height=$((520 * scale))

xvfb-run -a -s "-screen 0 ${width}x${height}x24 -dpi 96" bash -s -- "$bin" "$scale" "$out" "$symbol" "$language" <<'INNER'
set -euo pipefail
bin=$1 scale=$2 out=$3 symbol=$4 language=$5
LANG=C.UTF-8 LANGUAGE=$language QT_SCALE_FACTOR=$scale "$bin" &
pid=$!
for _ in $(seq 100); do
    xdotool search --name '^Corvanel$' >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 1
window=$(xdotool search --name '^Corvanel$' | head -n 1)
if [ -n "$symbol" ]; then
    xdotool windowfocus --sync "$window"
    xdotool key ctrl+s
    # The search box is the other window on the screen; its title is in the program's language.
    search=
    for _ in $(seq 50); do
        search=$(xdotool search --onlyvisible --pid "$pid" --name '.' | grep -vx "$window" | head -n 1 || true)
        [ -n "$search" ] && break
        sleep 0.1
    done
    xdotool windowfocus --sync "$search"
    xdotool type --delay 50 "$symbol"
    xdotool key Return
    sleep 0.5
    # No window manager here to hand the focus back to the main window.
    xdotool windowfocus --sync "$window"
    sleep 0.5
fi
import -window "$window" "$out"
kill "$pid"
INNER
echo "wrote $out"
