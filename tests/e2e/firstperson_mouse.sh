#!/usr/bin/env bash
# The combat program with a mouse, P and F11, as a player uses them: a click takes the pointer (and fires
# nothing), a small cross marks the middle of the view, moving the mouse turns the view, the left button fires (the "fire" cue is heard), P freezes the
# picture until P again, F11 fills the screen and F11 brings the maximised window back; Escape ends it with
# status 0.
set -uo pipefail
exe=$1
source "$(dirname "$0")/lib/common.sh"
change() { /usr/bin/python3 "$(dirname "$0")/lib/image_change.py" "$1" "$2"; }
loud() {
  [ -s "$e2e_tmp/audio.raw" ] || { echo 0; return; }
  /usr/bin/python3 -c '
import sys, array
print(sum(1 for s in array.array("h", open(sys.argv[1], "rb").read()) if abs(s) > 300))' "$e2e_tmp/audio.raw"
}

SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$e2e_tmp/audio.raw" "$exe" >"$e2e_tmp/stdout" 2>"$e2e_tmp/stderr" &
e2e_pid=$!
win=$(wait_window '^Studio 3D first-person combat')
sleep 1.5
xdotool mousemove --window "$win" 300 300 click 1
sleep 0.7
[ "$(loud)" = 0 ] || fail "the click that takes the pointer fired"

# A small cyan cross marks the middle of the view.
screenshot "$win" "$e2e_tmp/a.png"
/usr/bin/python3 -c '
import sys
from PIL import Image
image = Image.open(sys.argv[1]).convert("RGB")
w, h = image.size
middle = [image.getpixel((x, y)) for x in range(w // 2 - 8, w // 2 + 9) for y in range(h // 2 - 8, h // 2 + 9)]
sys.exit(0 if sum(1 for r, g, b in middle if g > 150 and b > 150 and r < 100) >= 10 else 1)' "$e2e_tmp/a.png" ||
  fail "no cross in the middle of the view"

# Still, the aircraft move a little; turning with the mouse changes far more.
sleep 0.4
screenshot "$win" "$e2e_tmp/b.png"
for _ in $(seq 10); do
  xdotool mousemove_relative -- 30 0
  sleep 0.03
done
sleep 0.3
screenshot "$win" "$e2e_tmp/c.png"
still=$(change "$e2e_tmp/a.png" "$e2e_tmp/b.png")
turned=$(change "$e2e_tmp/b.png" "$e2e_tmp/c.png")
echo "picture changed: $still% waiting, $turned% moving the mouse"
/usr/bin/python3 -c "import sys; sys.exit(0 if $turned > max(3 * $still, 2) else 1)" ||
  fail "moving the mouse did not turn the view ($still% -> $turned%)"

xdotool click 1
sleep 1
heard=$(loud)
echo "fire: $heard loud samples"
[ "$heard" -gt 2400 ] || fail "the left button played no fire cue ($heard loud samples)"

# Paused, two pictures a second apart are the same and the caption says so; resumed, the scene moves again.
xdotool key --window "$win" p
sleep 0.5
screenshot "$win" "$e2e_tmp/p1.png"
sleep 1
screenshot "$win" "$e2e_tmp/p2.png"
paused=$(change "$e2e_tmp/p1.png" "$e2e_tmp/p2.png")
cmp -s <(convert "$e2e_tmp/p1.png" rgb:-) <(convert "$e2e_tmp/p2.png" rgb:-) ||
  fail "the picture changed while paused ($paused%)"
[[ $(xdotool getwindowname "$win") == *paused* ]] || fail "the caption does not say paused: $(xdotool getwindowname "$win")"
xdotool key --window "$win" p
sleep 1
screenshot "$win" "$e2e_tmp/p3.png"
cmp -s <(convert "$e2e_tmp/p2.png" rgb:-) <(convert "$e2e_tmp/p3.png" rgb:-) && fail "P did not resume the scene"

# F11: the whole screen; F11 again: the maximised window.
read -r screen_w screen_h < <(xdpyinfo 2>/dev/null | sed -n 's/.*dimensions: *\([0-9]*\)x\([0-9]*\).*/\1 \2/p')
size() { xwininfo -id "$win" | sed -n 's/.*Width: \([0-9]*\)/\1/p; s/.*Height: \([0-9]*\)/\1/p' | paste -sd' '; }
xdotool key --window "$win" F11
sleep 1
full=$(size)
echo "full screen: $full of $screen_w $screen_h"
[ "$full" = "$screen_w $screen_h" ] || fail "F11 did not fill the screen ($full)"
xdotool key --window "$win" F11
sleep 1
state=$(xprop -id "$win" _NET_WM_STATE)
back=$(size)
echo "back: $back, $state"
[[ $state == *MAXIMIZED_VERT* && $state != *FULLSCREEN* && $back != "$full" ]] || fail "F11 again did not bring the window back ($back, $state)"

press_until_exit "$win" Escape
[ "$exit_status" = 0 ] || fail "exit status $exit_status"
[ ! -s "$e2e_tmp/stderr" ] || fail "standard error: $(cat "$e2e_tmp/stderr")"
echo "PASS"
