#!/usr/bin/env bash
# --screenshot with no display at all draws the picture the window shows of the same view, in each drawing
# mode, within a few pixels; a wrong size, mode or path fails with one clear line and status 2 or 1.
set -uo pipefail
exe=$1
source "$(dirname "$0")/lib/common.sh"

# offscreen ARGUMENT...: the viewer with no display, no window manager and no chosen video driver.
offscreen() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy timeout 30 "$exe" "$@" \
    >"$e2e_tmp/off.stdout" 2>"$e2e_tmp/off.stderr" || status=$?
}
client_size() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }

# The conifer stands still, so the window's picture only changes with the keys.
start_program "$exe" conifer
win=$(wait_window '^Studio 3D model viewer: conifer')
# 45 degrees to the left, one step up, one step back.
xdotool key --window "$win" Left Left Left Return Down
for mode in filled back-lines lines; do
  taken=""
  # Until the window has taken the keys and its size has settled.
  for _ in $(seq 50); do
    size=$(client_size "$win")
    if [ "$size" != "$taken" ]; then
      offscreen conifer --screenshot "$e2e_tmp/$mode.png" --size "$size" --mode "$mode" --turn 45 --raise 1 --distance 1
      [ "$status" = 0 ] || fail "$mode: status $status: $(cat "$e2e_tmp/off.stderr")"
      [ ! -s "$e2e_tmp/off.stderr" ] || fail "$mode: standard error: $(cat "$e2e_tmp/off.stderr")"
      taken=$size
    fi
    screenshot "$win" "$e2e_tmp/window.png"
    differing=$(/usr/bin/python3 "$(dirname "$0")/lib/picture_difference.py" "$e2e_tmp/$mode.png" "$e2e_tmp/window.png")
    [ "$differing" != size ] && [ "$differing" -le 8 ] && break
    sleep 0.2
  done
  echo "$mode at $size: $differing pixels differ"
  [ "$differing" != size ] && [ "$differing" -le 8 ] || fail "$mode: the picture is not the window's"
  [ "$(/usr/bin/python3 "$(dirname "$0")/lib/pixel_stats.py" "$e2e_tmp/$mode.png" | sed -n 's/^centre_cyan=//p')" -gt 0 ] ||
    fail "$mode: no conifer at the centre"
  xdotool key --window "$win" w
done
press_until_exit "$win" Escape

# expect STATUS TEXT ARGUMENT...: fails unless the viewer ends with STATUS and one line holding TEXT.
expect() {
  local expected=$1 text=$2
  shift 2
  offscreen "$@"
  echo "[$*]: status $status, $(cat "$e2e_tmp/off.stderr")"
  [ "$status" = "$expected" ] || fail "[$*]: status $status"
  [ "$(wc -l <"$e2e_tmp/off.stderr")" = 1 ] || fail "[$*]: not one line on standard error"
  grep -qF -- "$text" "$e2e_tmp/off.stderr" || fail "[$*]: the line does not say '$text'"
}
expect 2 "--size" --screenshot "$e2e_tmp/bad.png" --size 0x600
expect 2 "--size" --screenshot "$e2e_tmp/bad.png" --size 800by600
expect 2 "--mode" --screenshot "$e2e_tmp/bad.png" --mode wireframe
expect 2 "--turn" --screenshot "$e2e_tmp/bad.png" --turn 10
expect 1 "can't write $e2e_tmp/none/bad.png" --screenshot "$e2e_tmp/none/bad.png"
expect 1 "can't write $e2e_tmp/none/bad.glb" --export "$e2e_tmp/none/bad.glb"
[ -z "$(find "$e2e_tmp" -name 'bad*')" ] || fail "a file was left behind: $(find "$e2e_tmp" -name 'bad*')"
echo "PASS"
