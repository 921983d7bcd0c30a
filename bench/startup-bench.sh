#!/usr/bin/env bash
# Start-up as a user sees it, measured from outside: each round starts Corvanel and its
# references as fresh processes on a private Xvfb (96 dpi, no window manager), and the watcher
# reads from X events when each window was mapped, where, when its picture was complete, and
# the process's peak memory 1 s later. The references:
#   lean     a plain Qt window of the same shape and look that loads only what it shows
#   floor    the same window linking Qt Print Support and Qt Network, as a plain program would
#   gperiodic  GPeriodic (GTK 2), the fastest periodic table on Linux, where it is installed
# Then, where it may (root), the first start after the page cache was dropped, against the
# lean floor started the same way.
# Prints medians, each reference's with the median of the rounds' ratios, and checks the goals.
#
# Usage: bench/startup-bench.sh [BUILD_DIR] [ROUNDS] [COLD_ROUNDS]   (defaults: build 21 11)
# CORVANEL_BENCH_AA=1 puts the lean floor in Corvanel's place: the spread of an A/A run.
set -euo pipefail
build=$(realpath "${1:-build}")
rounds=${2:-21}
cold_rounds=${3:-11}
program=$build/corvanel
lean=$build/bench/corvanel_floor_lean
floor=$build/bench/corvanel_floor
watch=$build/bench/corvanel_startwatch
for file in "$program" "$lean" "$floor" "$watch"; do
    [ -x "$file" ] || { echo "missing $file: build first" >&2; exit 2; }
done
command -v Xvfb >/dev/null || { echo "Xvfb is not installed (scripts/install-deps.sh installs it)" >&2; exit 2; }
[ "${CORVANEL_BENCH_AA:-0}" = 1 ] && program=$lean
gperiodic=$(command -v gperiodic || true)
[ -n "$gperiodic" ] || echo "GPeriodic is not installed (scripts/install-deps.sh installs it): its column stays empty"
references=(lean floor${gperiodic:+ gperiodic})
declare -A binary=([program]=$program [lean]=$lean [floor]=$floor [gperiodic]=$gperiodic)

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

# Our programs run as the package installs them, stripped: a build's debug information lies in
# the same file, and a cold start would read part of it ahead with the code (9 MB for Corvanel,
# 1 MB for a floor). GPeriodic comes stripped from Debian.
for name in program lean floor; do
    mkdir "$work/$name-bin"
    stripped="$work/$name-bin/$(basename "${binary[$name]}")"
    strip -o "$stripped" "${binary[$name]}"
    binary[$name]=$stripped
done

# Every program starts in the same plain environment; LANGUAGE passes through, so a run can be
# made in another language.
mkdir -m 700 "$work/runtime"
run() { # run NAME [WATCHER OPTIONS]: one fresh process of NAME, its watcher line appended to NAME.txt
    local name=$1
    shift
    env -i PATH="$PATH" HOME="$HOME" LANG=C.UTF-8 ${LANGUAGE:+LANGUAGE="$LANGUAGE"} DISPLAY=":$display" \
        XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb "$watch" "$@" "${binary[${name%-cold}]}" \
        >>"$work/$name.txt" 2>>"$work/$name.err" \
        || { echo "no complete window from ${binary[${name%-cold}]}:" >&2; cat "$work/$name.err" >&2; exit 1; }
}

# A warm-up round for the file cache, not counted.
for name in program "${references[@]}"; do run "$name" >/dev/null; done
rm -f "$work"/*.txt
# Interleaved round by round, the order rotated every round, so drift hits all alike.
order=(program "${references[@]}")
for round in $(seq "$rounds"); do
    for i in "${!order[@]}"; do
        run "${order[(i + round) % ${#order[@]}]}"
    done
done

# Cold: the page cache dropped before each start, which only root may do.
cold_note=
if [ "$(id -u)" -ne 0 ]; then
    cold_note="not measured: dropping the page cache needs root"
elif ! { sync && echo 3 >/proc/sys/vm/drop_caches; } 2>/dev/null; then
    cold_note="not measured: /proc/sys/vm/drop_caches cannot be written here"
else
    for round in $(seq "$cold_rounds"); do
        # Each round's pair in turns, so neither always starts right after the other's run.
        pair=(program lean)
        ((round % 2)) || pair=(lean program)
        for name in "${pair[@]}"; do
            sync
            echo 3 >/proc/sys/vm/drop_caches
            run "$name-cold" --settle 0
        done
    done
fi

values() { # values NAME KEY: one per run, in run order
    sed -n "s/.*\\b$2=\\([-0-9.]*\\).*/\\1/p" "$work/$1.txt"
}
median() { # median: of the numbers on standard input
    sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
ratio() { # ratio NAME REFERENCE KEY: the median of the rounds' ratios, each of two neighbours in time
    paste -d' ' <(values "$1" "$3") <(values "$2" "$3") | awk '{ print $1 / $2 }' | median
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
echo "Start-up under Xvfb ${screen_w}×${screen_h}, 96 dpi, no window manager; medians of $rounds rounds${LANGUAGE:+, LANGUAGE=$LANGUAGE}"
echo "Machine: $cpu, $(nproc) cores, $(uname -sr), Qt $qt"
echo
echo "| measure | Corvanel | lean floor (what it shows) | ratio | floor (+ Print Support, Network) | ratio | GPeriodic | ratio |"
echo "|---|---|---|---|---|---|---|---|"
declare -A ratios
row() { # row LABEL KEY UNIT SCALE
    local line cell
    line="| $1 | $(values program "$2" | median | awk -v s="$4" -v u="$3" '{ printf "%.1f %s", $1 / s, u }')"
    for name in lean floor gperiodic; do
        if [ -s "$work/$name.txt" ]; then
            ratios[$name.$2]=$(ratio program "$name" "$2")
            cell="$(values "$name" "$2" | median | awk -v s="$4" -v u="$3" '{ printf "%.1f %s", $1 / s, u }') | $(printf '%.2f' "${ratios[$name.$2]}")×"
        else
            cell="– | –"
        fi
        line+=" | $cell"
    done
    echo "$line |"
}
row "window mapped" map_ms ms 1
row "first drawing" first_ms ms 1
row "complete first picture" complete_ms ms 1
row "CPU time until then (all threads)" cpu_ms ms 1
row "peak memory (VmHWM 1 s later)" hwm_kib MiB 1024
echo
if [ -z "$cold_note" ]; then
    cold_ratio=$(ratio program-cold lean-cold complete_ms)
    printf 'Cold start (page cache dropped before each start), complete first picture, medians of %s rounds: Corvanel %.1f ms, lean floor %.1f ms, ratio %.2f×\n' \
        "$cold_rounds" "$(values program-cold complete_ms | median)" "$(values lean-cold complete_ms | median)" "$cold_ratio"
else
    echo "Cold start: $cold_note"
fi
echo "Mapped at: Corvanel $(positions program) (centred: ($centre_x, $centre_y)); moves after mapping: $(moves program)"
for name in "${references[@]}"; do echo "Mapped at: $name $(positions "$name"); moves after mapping: $(moves "$name")"; done

failed=0
goal() { # goal DESCRIPTION RATIO LIMIT
    if awk -v r="$2" -v l="$3" 'BEGIN { exit !(r > l) }'; then
        echo "GOAL MISSED: $1 (${2}×)" >&2
        failed=1
    fi
}
goal "complete first picture above the lean floor's" "$(printf '%.2f' "${ratios[lean.complete_ms]}")" 1.00
goal "peak memory above the lean floor's" "$(printf '%.2f' "${ratios[lean.hwm_kib]}")" 1.00
[ -n "$gperiodic" ] && goal "complete first picture later than GPeriodic's" "$(printf '%.2f' "${ratios[gperiodic.complete_ms]}")" 1.00
[ -z "$cold_note" ] && goal "cold complete first picture above the lean floor's" "$(printf '%.2f' "$cold_ratio")" 1.00
if [ "${CORVANEL_BENCH_AA:-0}" != 1 ] && sed -n 's/.*\bx=\([-0-9]*\) y=\([-0-9]*\) .*moves=\([0-9]*\).*/\1 \2 \3/p' "$work/program.txt" \
    | awk -v x="$centre_x" -v y="$centre_y" '$1 != x || $2 != y || $3 != 0 { bad = 1 } END { exit !bad }'; then
    echo "GOAL MISSED: the window was not mapped at its centred place in every run, or it moved" >&2
    failed=1
fi
echo "Qt Print Support and Qt Network loaded when the picture was complete: Corvanel $(values program print_net | sort -u | paste -sd/) of 2, floor $(values floor print_net | sort -u | paste -sd/) of 2"
if [ "${CORVANEL_BENCH_AA:-0}" != 1 ] && [ -n "$(values program print_net | grep -v '^0$')" ]; then
    echo "GOAL MISSED: Corvanel loaded printing or networking at start" >&2
    failed=1
fi
[ "$failed" -eq 0 ] || exit 1
echo "Goals met: complete first picture and peak memory at most 1.00× the lean floor's${gperiodic:+, no later than GPeriodic}${cold_note:+ (cold start $cold_note)}; mapped centred every run;"
echo "printing and networking not loaded at start."
