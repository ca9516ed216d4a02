#!/usr/bin/env bash
# Starts studio.exe under Wine: the captioned window must come up maximised and show the magenta and cyan van
# on black near its centre, Up must bring it nearer, and Escape must end the program with status 0 and nothing
# on standard error.
# Usage: studio_window.sh path/to/studio.exe (inside a display with a window manager, Wine prefix set up)
set -euo pipefail
exe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "-- stdout:" >&2; cat "$work/stdout" >&2 || true
  echo "-- stderr:" >&2; cat "$work/stderr" >&2 || true
  kill "$pid" 2>/dev/null || true
  exit 1
}

wine "$exe" >"$work/stdout" 2>"$work/stderr" &
pid=$!

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Studio 3D model viewer \| ' | head -n 1) ||
  fail "no window with the viewer's caption"
caption=$(xdotool getwindowname "$window")
echo "caption: $caption"

# Maximised: the window manager reports both maximised states and the window spans the screen's width.
maximised=no
for _ in $(seq 50); do
  if xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ &&
    xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_VERT; then
    maximised=yes
    break
  fi
  sleep 0.1
done
[ "$maximised" = yes ] || fail "window not maximised: $(xprop -id "$window" _NET_WM_STATE)"
width=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^WIDTH=//p')
screen=$(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x.*/\1/p')
[ "$width" -ge $((screen - 16)) ] || fail "window $width wide on a screen $screen wide"

# Let a few frames be drawn, then judge the picture as the Linux end-to-end checks do.
stats=$(dirname "$0")/../e2e/lib/pixel_stats.py
stat() { /usr/bin/python3 "$stats" "$1" | sed -n "s/^$2=//p"; }
sleep 2
import -window "$window" "$work/start.png" || fail "screenshot failed"
total=$(stat "$work/start.png" centre_total)
magenta=$(stat "$work/start.png" centre_magenta)
cyan=$(stat "$work/start.png" centre_cyan)
echo "centre: total $total, magenta $magenta, cyan $cyan"
[ "$magenta" -gt $((total / 100)) ] || fail "too little magenta at the centre ($magenta of $total)"
[ "$cyan" -gt $((total / 500)) ] || fail "too little cyan at the centre ($cyan of $total)"
all=$(stat "$work/start.png" total)
lit=$(stat "$work/start.png" lit)
[ "$lit" -lt $((all / 2)) ] || fail "the background is not black ($lit of $all lit)"

# A key reaches the scene through the window procedure: Up brings the van nearer.
xdotool key --window "$window" Up
sleep 0.5
import -window "$window" "$work/near.png" || fail "screenshot failed"
near=$(stat "$work/near.png" lit)
echo "nearer: lit $lit -> $near"
[ "$near" -gt $((lit * 11 / 10)) ] || fail "Up did not bring the van nearer ($lit -> $near lit)"

xdotool key --window "$window" Escape || true
status=0
timeout 30 tail --pid="$pid" -f /dev/null || fail "still running 30 s after Escape"
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
[ ! -s "$work/stderr" ] || fail "unexpected standard error output"
echo "closed with status 0"
