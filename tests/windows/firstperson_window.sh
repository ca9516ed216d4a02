#!/usr/bin/env bash
# Starts firstperson.exe under Wine: its captioned window must come up maximised, a click must take the mouse
# so that moving it turns the view (raw mouse input), a key let go while Alt is held must be released, Alt
# pressed under a held Enter must not go full screen, P must pause (the caption says so), and Escape must end
# the program with status 0 and nothing on standard error.
# Usage: firstperson_window.sh path/to/firstperson.exe (inside a display with a window manager, Wine prefix set up)
set -euo pipefail
exe=$1
source "$(dirname "$0")/lib/wine_window.sh"

start_window '^Studio 3D first-person combat \| ' "the combat program's caption"
expect_maximised

# A few frames of play; the mouse turns the view far more than the scene changes by itself.
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
change() { /usr/bin/python3 "$(dirname "$0")/../e2e/lib/image_change.py" "$1" "$2"; }
xdotool mousemove --window "$window" 300 300 click 1
sleep 0.5
import -window "$window" "$work/a.png" || fail "screenshot failed"
sleep 0.4
import -window "$window" "$work/b.png" || fail "screenshot failed"
for _ in $(seq 10); do
  xdotool mousemove_relative -- 30 0
  sleep 0.03
done
sleep 0.4
import -window "$window" "$work/c.png" || fail "screenshot failed"
still=$(change "$work/a.png" "$work/b.png")
turned=$(change "$work/b.png" "$work/c.png")
echo "picture changed: $still% waiting, $turned% moving the mouse"
/usr/bin/python3 -c "import sys; sys.exit(0 if $turned > max(3 * $still, 2) else 1)" ||
  fail "moving the mouse did not turn the view ($still% -> $turned%)"

# Up held, Alt pressed, Up let go (a system key's release), Alt let go: the player stops walking. Enter held
# before Alt switches nothing: the window stays as it is.
xdotool keydown --window "$window" Up
sleep 0.3
xdotool keydown --window "$window" alt
xdotool keyup --window "$window" Up
xdotool keyup --window "$window" alt
xdotool keydown --window "$window" Return
sleep 0.2
xdotool keydown --window "$window" alt
sleep 0.3
xdotool keyup --window "$window" Return
xdotool keyup --window "$window" alt
sleep 1
import -window "$window" "$work/d.png" || fail "screenshot failed"
sleep 0.4
import -window "$window" "$work/e.png" || fail "screenshot failed"
after=$(change "$work/d.png" "$work/e.png")
echo "picture changed: $after% after Up was let go under Alt"
/usr/bin/python3 -c "import sys; sys.exit(0 if $after < max(2 * $still, 2) else 1)" ||
  fail "the player walks on after Up was let go under Alt ($still% -> $after%)"
[[ $(xprop -id "$window" _NET_WM_STATE) != *FULLSCREEN* ]] || fail "Alt pressed under a held Enter went full screen"
expect_maximised

xdotool key --window "$window" p
sleep 0.5
[[ $(xdotool getwindowname "$window") == *paused* ]] || fail "P did not pause: $(xdotool getwindowname "$window")"
close_with_escape
