#!/usr/bin/env bash
# Start-up on a Wayland desktop, measured from outside, on a private compositor (mutter headless,
# GNOME's, or kwin_wayland --virtual, KDE Plasma's; each starts its own XWayland). Each round
# starts, in turns, Corvanel as a user starts it (the platform left to the program), Corvanel and
# the floor program on native Wayland, and Corvanel and the floor on X11 through XWayland.
# On X11 the start-up watcher reads the complete first picture from X events; on Wayland the time
# is that of the first picture handed to the compositor (the first wl_surface.attach of a buffer,
# from WAYLAND_DEBUG, which both programs pay alike). Times run from the fork; medians are printed.
#
# Usage: bench/wayland-startup.sh BUILD_DIR mutter|kwin [ROUNDS]     (default: 11 rounds)
set -euo pipefail
build=$(realpath "$1")
compositor=$2
rounds=${3:-11}
program=$build/corvanel
floor=$build/bench/corvanel_floor
watch=$build/bench/corvanel_startwatch

work=$(mktemp -d)
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
socket=bench-$$
case $compositor in
mutter) start=(mutter --headless --wayland --virtual-monitor 1024x768 --wayland-display "$socket") ;;
kwin) # Debian's kwin_wayland carries a file capability that a container may refuse; a copy has none.
    mkdir "$work/kwin" && cp "$(command -v kwin_wayland)" "$work/kwin/kwin_wayland"
    # It names its XWayland's display only to the programs it starts.
    printf '#!/bin/sh\necho "Xwayland on display $DISPLAY" >&2\n' >"$work/kwin/tell" && chmod +x "$work/kwin/tell"
    start=("$work/kwin/kwin_wayland" --virtual --xwayland --width 1024 --height 768 --socket "$socket" "$work/kwin/tell") ;;
*) echo "usage: $0 BUILD_DIR mutter|kwin [ROUNDS]" >&2; exit 2 ;;
esac
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >/dev/null 2>&1 &
bus=$!
for _ in $(seq 100); do [ -s "$work/bus" ] && break; sleep 0.05; done
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
"${start[@]}" >"$work/compositor.log" 2>&1 &
server=$!
# Every step of the clean-up runs, whatever the one before returned.
trap 'set +e; kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; kill "$bus" 2>/dev/null; rm -rf "$work"' EXIT
display=
for _ in $(seq 200); do
    # Both name the X display they give XWayland once it is ready.
    display=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p; s/.*Xwayland.* on display \(:[0-9]*\).*/\1/p' \
        "$work/compositor.log" | head -n 1)
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && [ -n "$display" ] && break
    sleep 0.05
done
[ -n "$display" ] || { cat "$work/compositor.log" >&2; exit 2; }
sleep 1
# mutter's XWayland admits only holders of the key it writes into the runtime folder.
xauthority=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1 || true)

common=(env -i XAUTHORITY="$xauthority" PATH="$PATH" HOME="$HOME" LANG=C.UTF-8 XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR"
    DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" WAYLAND_DISPLAY="$socket" DISPLAY="$display")
on_x() { # on_x NAME BINARY [ENV...]: the watcher's complete first picture on XWayland
    sleep 0.3 # each start meets a compositor done with the window before
    "${common[@]}" "${@:3}" "$watch" "$2" | sed -n 's/.*complete_ms=\([0-9.]*\).*/\1/p' >>"$work/$1"
}
on_wayland() { # on_wayland NAME BINARY [ENV...]: the first buffer handed to the compositor
    local begin log=$work/wayland.log
    sleep 0.3
    begin=$EPOCHREALTIME
    "${common[@]}" WAYLAND_DEBUG=client "${@:3}" "$2" 2>"$log" &
    local pid=$!
    for _ in $(seq 200); do grep -q 'wl_surface@[0-9]*\.attach(wl_buffer' "$log" && break; sleep 0.02; done
    sleep 0.3
    kill "$pid"; wait "$pid" 2>/dev/null || true
    # WAYLAND_DEBUG stamps each line with the wall clock in microseconds, modulo 2^32, as ms.
    sed -n 's/^\[ *\([0-9.]*\)\].*wl_surface@[0-9]*\.attach(wl_buffer.*/\1/p' "$log" | head -n 1 \
        | awk -v b="${begin/./}" '{ t = $1 * 1000; s = b % 4294967296; d = t - s; if (d < 0) d += 4294967296; printf "%.2f\n", d / 1000 }' >>"$work/$1"
}
# The program as a user starts it, measured the way its chosen platform allows, beside the floor
# on that platform.
chosen_way=on_x chosen_floor=floor-x
if [ "$compositor" = kwin ]; then chosen_way=on_wayland chosen_floor=floor-wayland; fi

on_x warm "$program" QT_QPA_PLATFORM=xcb; on_wayland warm "$program" QT_QPA_PLATFORM=wayland
for _ in $(seq "$rounds"); do
    on_wayland program-wayland "$program" QT_QPA_PLATFORM=wayland
    on_wayland floor-wayland "$floor" QT_QPA_PLATFORM=wayland
    $chosen_way chosen "$program"
    on_x program-x "$program" QT_QPA_PLATFORM=xcb
    on_x floor-x "$floor" QT_QPA_PLATFORM=xcb
done

median() { sort -g "$work/$1" | awk '{ v[NR] = $1 } END { printf "%.1f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { paste -d' ' "$work/$1" "$work/$2" | awk '{ print $1 / $2 }' | sort -g \
    | awk '{ v[NR] = $1 } END { printf "%.2f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "Start-up on $compositor (1024×768), medians of $rounds rounds, ms from the fork"
echo
echo "| way | Corvanel | floor | ratio (median of the rounds' ratios) |"
echo "|---|---|---|---|"
echo "| native Wayland (first buffer) | $(median program-wayland) | $(median floor-wayland) | $(ratio program-wayland floor-wayland)× |"
echo "| X11 through XWayland (complete first picture) | $(median program-x) | $(median floor-x) | $(ratio program-x floor-x)× |"
echo "| as started, the platform left to the program | $(median chosen) | $(median "$chosen_floor") | $(ratio chosen "$chosen_floor")× |"
