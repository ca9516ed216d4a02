#!/usr/bin/env bash
# Starts studio.exe under Wine: the captioned window must come up maximised and show the magenta and cyan van
# on black near its centre, Up must bring it nearer, F11 must fill the screen and bring the maximised window
# back, and Escape must end the program with status 0 and nothing
# on standard error.
# Usage: studio_window.sh path/to/studio.exe (inside a display with a window manager, Wine prefix set up)
set -euo pipefail
exe=$1
source "$(dirname "$0")/lib/wine_window.sh"

start_window '^Studio 3D model viewer \| ' "the viewer's caption"
# Maximised, and the window spans the screen's width.
expect_maximised
width=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^WIDTH=//p')
screen=$(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x.*/\1/p')
[ "$width" -ge $((screen - 16)) ] || fail "window $width wide on a screen $screen wide"

# Let a few frames be drawn, then judge the picture as the Linux end-to-end checks do.
source "$(dirname "$0")/../e2e/lib/pixels.sh"
sleep 2
import -window "$window" "$work/start.png" || fail "screenshot failed"
expect_van_view "$work/start.png"

# A key reaches the scene through the window procedure: Up brings the van nearer.
xdotool key --window "$window" Up
sleep 0.5
import -window "$window" "$work/near.png" || fail "screenshot failed"
near=$(stat "$work/near.png" lit)
echo "nearer: lit $lit -> $near"
[ "$near" -gt $((lit * 11 / 10)) ] || fail "Up did not bring the van nearer ($lit -> $near lit)"

# F11: the whole screen, without a frame; F11 again: the maximised window.
size() { xwininfo -id "$window" | sed -n 's/.*Width: \([0-9]*\)/\1/p; s/.*Height: \([0-9]*\)/\1/p' | paste -sd' '; }
screen_size=$(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')
xdotool key --window "$window" F11
sleep 1
full=$(size)
echo "full screen: $full of $screen_size"
[ "$full" = "$screen_size" ] || fail "F11 did not fill the screen ($full)"
xdotool key --window "$window" F11
sleep 1
back=$(size)
echo "back: $back"
[ "$back" != "$full" ] || fail "F11 again did not bring the window back"
expect_maximised

close_with_escape
