#!/usr/bin/env bash
# Starts studio.exe under Wine: the captioned window must come up maximised and show the magenta and cyan van
# on black near its centre; Escape must end the program with status 0 and nothing on standard error.
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

# Let a few frames be drawn, then count the van's colours in the middle of the window.
sleep 3
import -window "$window" "$work/shot.png"
/usr/bin/python3 - "$work/shot.png" <<'PY' || fail "the van is not drawn near the centre"
import sys
from PIL import Image

image = Image.open(sys.argv[1]).convert("RGB")
w, h = image.size
box = image.crop((w // 4, h // 4, 3 * w // 4, 3 * h // 4))
pixels = list(box.getdata())
magenta = sum(1 for r, g, b in pixels if r > 150 and b > 150 and g < 100)
cyan = sum(1 for r, g, b in pixels if g > 150 and b > 150 and r < 100)
black = sum(1 for r, g, b in pixels if r < 40 and g < 40 and b < 40)
total = len(pixels)
print(f"centre {box.size}: magenta {magenta}, cyan {cyan}, black {black} of {total}")
sys.exit(0 if magenta > total // 100 and cyan > total // 1000 and black > total // 4 else 1)
PY

xdotool key --window "$window" Escape || true
status=0
timeout 30 tail --pid="$pid" -f /dev/null || fail "still running 30 s after Escape"
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
[ ! -s "$work/stderr" ] || fail "unexpected standard error output"
echo "closed with status 0"
