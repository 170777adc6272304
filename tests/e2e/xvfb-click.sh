#!/usr/bin/env bash
# Starts tavrel-view on a real X server, clicks an item with xdotool, and reads the
# MenuItemClick line the viewer prints.
set -u
view=$1
settings=$2
fail() { echo "FAIL: $*"; [ -f "$dir/out" ] && cat "$dir/out"; exit 1; }
for tool in Xvfb xdotool; do command -v $tool >/dev/null || fail "$tool is not installed"; done
dir=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; rm -rf "$dir"; }
trap cleanup EXIT

display=""
for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    if [ -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no X server could be started"
export DISPLAY=$display

"$view" "$settings" --pacing 0 >"$dir/out" 2>"$dir/err" &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --name '^Tavrel$' 2>/dev/null | head -n 1)
[ -n "$window" ] || fail "the viewer's window did not appear"
sleep 0.5
# Item 2 of the first menu ("Sent") lies 96 to 128 pixels down, centred.
xdotool mousemove --window "$window" 60 110 click 1
for _ in $(seq 50); do grep -q MenuItemClick "$dir/out" && break; sleep 0.1; done
grep -qx 'MenuItemClick MenuNumber=1 MenuItem=2' "$dir/out" || fail "no MenuItemClick for item 2: $(cat "$dir/err")"
echo "viewer click under Xvfb: 1 passed, 0 failed"
