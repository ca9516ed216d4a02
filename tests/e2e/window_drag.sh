#!/usr/bin/env bash
# A user drags the bottom-right corner of the restored window by +200,+200 with the mouse: the window grows
# by about as much. The program keeps the cursor at its centre, but must leave it alone during the drag.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

# client_size WINDOW: prints "width height" of the window's client area.
client_size() {
  xwininfo -id "$1" | awk '/^  Width:/ { w = $2 } /^  Height:/ { h = $2 } END { print w, h }'
}

start_program "$1"
win=$(wait_window '^Studio 3D model viewer')
timeout 5 wmctrl -i -r "$win" -b remove,maximized_vert,maximized_horz || fail "cannot restore the window"
sleep 1
read -r width height < <(client_size "$win")
echo "restored: ${width}x${height}"

# The corner belongs to the frame that the window manager puts around the client window.
frame=$(xwininfo -id "$win" -tree | awk '/Parent window id:/ { print $4 }')
read -r left top frame_width frame_height < <(xwininfo -id "$frame" |
  awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
       /^  Width:/ { w = $2 } /^  Height:/ { h = $2 } END { print x, y, w, h }')
x=$((left + frame_width - 2))
y=$((top + frame_height - 2))
xdotool mousemove "$x" "$y"
sleep 0.3
# Nothing between the press and the release may end the script: a button left held would stop the next
# programs on this display from centring the cursor.
xdotool mousedown 1 || true
for step in $(seq 1 20); do
  xdotool mousemove $((x + 10 * step)) $((y + 10 * step)) || true
  sleep 0.05
done
sleep 0.3
xdotool mouseup 1 || fail "cannot release the mouse button"
sleep 1
read -r new_width new_height < <(client_size "$win")
echo "after the drag: ${new_width}x${new_height}"
[ "$new_width" -ge $((width + 150)) ] && [ "$new_height" -ge $((height + 150)) ] ||
  fail "the corner drag of +200,+200 did not grow the window (${width}x${height} -> ${new_width}x${new_height})"

press_until_exit "$win" Escape
[ "$exit_status" = 0 ] || fail "exit status $exit_status"
echo "PASS"
