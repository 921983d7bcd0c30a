#!/usr/bin/env bash
# Takes a screenshot of a running Corvanel under a virtual X server.
# Usage: scripts/screenshot.sh OUTPUT.png [SCALE] [-- extra program arguments]
# The program under test is build/corvanel unless CORVANEL_BIN says otherwise.
set -euo pipefail
out=${1:?output png}
scale=${2:-1}
bin=${CORVANEL_BIN:-build/corvanel}
width=$((700 * scale)); height=$((560 * scale))
xvfb-run -a -s "-screen 0 ${width}x${height}x24 -dpi 96" bash -c '
  QT_SCALE_FACTOR='"$scale"' "'"$bin"'" &
  pid=$!
  for _ in $(seq 50); do
    xwininfo -root -tree 2>/dev/null | grep -q "\"Corvanel\"" && break
    sleep 0.1
  done
  sleep 1
  import -window root "'"$out"'"
  kill $pid
'
echo "wrote $out"
