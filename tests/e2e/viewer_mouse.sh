#!/usr/bin/env bash
# The viewer with a mouse: dragging with the left button orbits the camera, the wheel moves it farther, and
# a double click brings back the first view; the pointer is never taken.
set -uo pipefail
exe=$1
source "$(dirname "$0")/lib/common.sh"
change() { /usr/bin/python3 "$(dirname "$0")/lib/image_change.py" "$1" "$2"; }

start_program "$exe"
win=$(wait_window '^Studio 3D model viewer')
sleep 1.5
eval "$(xdotool getwindowgeometry --shell "$win")"
screenshot "$win" "$e2e_tmp/start.png"
sleep 0.4
screenshot "$win" "$e2e_tmp/still.png"

xdotool mousemove --window "$win" $((WIDTH / 2)) $((HEIGHT / 2)) mousedown 1
for _ in $(seq 12); do
  xdotool mousemove_relative -- 25 0
  sleep 0.03
done
xdotool mouseup 1
sleep 0.5
screenshot "$win" "$e2e_tmp/dragged.png"
still=$(change "$e2e_tmp/start.png" "$e2e_tmp/still.png")
orbited=$(change "$e2e_tmp/still.png" "$e2e_tmp/dragged.png")
echo "picture changed: $still% waiting, $orbited% dragging"
/usr/bin/python3 -c "import sys; sys.exit(0 if $orbited > max(3 * $still, 2) else 1)" ||
  fail "dragging did not orbit the camera ($still% -> $orbited%)"

# The wheel towards the user: farther, so less of the window is lit.
near=$(stat "$e2e_tmp/dragged.png" lit)
xdotool click --repeat 3 --delay 100 5
sleep 0.5
screenshot "$win" "$e2e_tmp/far.png"
far=$(stat "$e2e_tmp/far.png" lit)
echo "wheel: lit $near -> $far"
[ "$far" -lt $((near * 9 / 10)) ] || fail "the wheel did not move the camera farther ($near -> $far lit)"

xdotool click --repeat 2 --delay 80 1
sleep 0.5
screenshot "$win" "$e2e_tmp/again.png"
back=$(change "$e2e_tmp/start.png" "$e2e_tmp/again.png")
echo "after a double click: $back% from the first view"
# The van bobs and its wheels turn, so the picture is close to the first one, not the same.
start_lit=$(stat "$e2e_tmp/start.png" lit)
again_lit=$(stat "$e2e_tmp/again.png" lit)
echo "lit: $start_lit at the start, $again_lit after it"
/usr/bin/python3 -c "import sys; sys.exit(0 if $back < $orbited / 3 and abs($again_lit - $start_lit) < $start_lit / 10 else 1)" ||
  fail "a double click did not bring back the first view ($back%, lit $start_lit -> $again_lit)"

press_until_exit "$win" Escape
[ "$exit_status" = 0 ] || fail "exit status $exit_status"
echo "PASS"
