#!/usr/bin/env bash
# Start-up as a user sees it, measured from outside: each round starts Corvanel and the floor
# program (a plain Qt window of the same shape) as fresh processes on a private Xvfb (96 dpi,
# no window manager), and the watcher reads from X events when the window was mapped, where,
# when its picture was complete, and the process's peak memory 1 s later.
# Prints medians, each beside the floor's of the same run with the median of the rounds'
# ratios, and checks the goals.
#
# Usage: bench/startup-bench.sh [BUILD_DIR] [ROUNDS]     (defaults: build 21)
set -euo pipefail
build=$(realpath "${1:-build}")
rounds=${2:-21}
program=$build/corvanel
floor=$build/bench/corvanel_floor
watch=$build/bench/corvanel_startwatch
for file in "$program" "$floor" "$watch"; do
    [ -x "$file" ] || { echo "missing $file: build first" >&2; exit 2; }
done
command -v Xvfb >/dev/null || { echo "Xvfb is not installed (scripts/install-deps.sh installs it)" >&2; exit 2; }

work=$(mktemp -d)
# A display of our own, numbered from our process id, skipping any that is taken.
display=$((100 + $$ % 800))
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do
    [ -S "/tmp/.X11-unix/X$display" ] && break
    kill -0 "$xvfb" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 2; }
    sleep 0.05
done

# Both programs start in the same plain environment; LANGUAGE=de (say) starts them in German.
mkdir -m 700 "$work/runtime"
run() { # run NAME BINARY: one fresh process, its watcher line appended to NAME.txt
    env -i PATH="$PATH" HOME="$HOME" LANG=C.UTF-8 ${LANGUAGE:+LANGUAGE="$LANGUAGE"} DISPLAY=":$display" XDG_RUNTIME_DIR="$work/runtime" \
        QT_QPA_PLATFORM=xcb "$watch" "$2" >>"$work/$1.txt" 2>>"$work/$1.err" \
        || { echo "no complete window from $2:" >&2; cat "$work/$1.err" >&2; exit 1; }
}

# A warm-up round for the file cache, not counted.
run warm "$program"
run warm "$floor"
# Interleaved round by round, the order swapped every round, so drift hits both alike.
for round in $(seq "$rounds"); do
    if [ $((round % 2)) -eq 1 ]; then
        run program "$program"
        run floor "$floor"
    else
        run floor "$floor"
        run program "$program"
    fi
done

values() { # values NAME KEY: one per run, in run order
    sed -n "s/.*\\b$2=\\([-0-9.]*\\).*/\\1/p" "$work/$1.txt"
}
median() { # median NAME KEY
    values "$1" "$2" | sort -g \
        | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
positions() { # positions NAME: each place the window was mapped at, with how many runs
    sed -n 's/.*\bx=\([-0-9]*\) y=\([-0-9]*\) w=\([0-9]*\) h=\([0-9]*\).*/(\1, \2) \3×\4/p' "$work/$1.txt" \
        | sort | uniq -c | awk '{ n = $1; $1 = ""; printf "%s%s in %d", (NR > 1 ? "; " : ""), substr($0, 2), n } END { print "" }'
}
moves() { sed -n 's/.*\bmoves=\([0-9]*\).*/\1/p' "$work/$1.txt" | awk '{ s += $1 } END { print s + 0 }'; }

read -r screen_w screen_h < <(sed -n 's/.*screen_w=\([0-9]*\) screen_h=\([0-9]*\).*/\1 \2/p' "$work/program.txt" | head -n 1)
read -r win_w win_h < <(sed -n 's/.*\bw=\([0-9]*\) h=\([0-9]*\).*/\1 \2/p' "$work/program.txt" | head -n 1)
# Centred as Qt centres a rectangle: QRect::center() of the screen, then the window's top-left.
centre_x=$(((screen_w - 1) / 2 - (win_w - 1) / 2))
centre_y=$(((screen_h - 1) / 2 - (win_h - 1) / 2))

cpu=$(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)
qt=$(dpkg-query -W -f '${Version}' libqt6widgets6 2>/dev/null || echo unknown)
echo "Start-up under Xvfb ${screen_w}×${screen_h}, 96 dpi, no window manager; medians of $rounds rounds"
echo "Machine: $cpu, $(nproc) cores, $(uname -sr), Qt $qt"
echo
echo "| measure | Corvanel | floor | ratio (median of the rounds' ratios) | ratio of the medians |"
echo "|---|---|---|---|---|"
failed=0
row() { # row LABEL KEY UNIT SCALE GOAL: GOAL "le1" checks the ratio is at most 1.00
    local ours theirs ratio
    ours=$(median program "$2")
    theirs=$(median floor "$2")
    # Each round's two runs are neighbours in time, so their ratio is free of the machine's
    # drift from round to round; the ratio shown is the median of the rounds' ratios.
    ratio=$(paste -d' ' <(values program "$2") <(values floor "$2") | awk '{ print $1 / $2 }' | sort -g \
        | awk '{ v[NR] = $1 } END { printf "%.2f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
    printf '| %s | %s %s | %s %s | %s× | %s× |\n' "$1" "$(awk -v v="$ours" -v s="$4" 'BEGIN { printf "%.1f", v / s }')" \
        "$3" "$(awk -v v="$theirs" -v s="$4" 'BEGIN { printf "%.1f", v / s }')" "$3" "$ratio" \
        "$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.2f", a / b }')"
    if [ "$5" = le1 ] && awk -v r="$ratio" 'BEGIN { exit !(r > 1.00) }'; then
        failed=1
    fi
}
row "window mapped" map_ms ms 1 -
row "first drawing" first_ms ms 1 -
row "complete first picture" complete_ms ms 1 le1
row "CPU time until then (all threads)" cpu_ms ms 1 -
row "peak memory (VmHWM 1 s later)" hwm_kib MiB 1024 le1
echo
echo "Mapped at: Corvanel $(positions program) (centred: ($centre_x, $centre_y)); moves after mapping: $(moves program)"
echo "Mapped at: floor $(positions floor); moves after mapping: $(moves floor)"

if sed -n 's/.*\bx=\([-0-9]*\) y=\([-0-9]*\) .*moves=\([0-9]*\).*/\1 \2 \3/p' "$work/program.txt" \
    | awk -v x="$centre_x" -v y="$centre_y" '$1 != x || $2 != y || $3 != 0 { bad = 1 } END { exit !bad }'; then
    echo "GOAL MISSED: the window was not mapped at its centred place in every run, or it moved" >&2
    failed=1
fi
echo "Qt Print Support and Qt Network loaded when the picture was complete: Corvanel $(values program print_net | sort -u | paste -sd/) of 2, floor $(values floor print_net | sort -u | paste -sd/) of 2"
if values program print_net | grep -qv '^0$'; then
    echo "GOAL MISSED: Corvanel loaded printing or networking at start" >&2
    failed=1
fi
if [ "$failed" -ne 0 ]; then
    echo "GOAL MISSED: a ratio above 1.00, a misplaced window or printing and networking loaded at start, above" >&2
    exit 1
fi
echo "Goals met: complete first picture and peak memory at most 1.00× the floor; mapped centred every run;"
echo "printing and networking not loaded at start."
