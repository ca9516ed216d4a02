#!/usr/bin/env bash
# The combat program as a player meets it: the captioned window comes up maximised, Space fires (the "fire"
# cue is heard), holding Left turns the view, shooting down an aircraft puts the score in the caption, and
# Escape ends it with status 0 and nothing on standard error.
set -uo pipefail
exe=$1
source "$(dirname "$0")/lib/common.sh"
caption='Studio 3D first-person combat | studio3d.dev'

# The sound goes to a file: 48 kHz mono signed 16-bit, written as it is played.
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$e2e_tmp/audio.raw" "$exe" >"$e2e_tmp/stdout" 2>"$e2e_tmp/stderr" &
e2e_pid=$!
win=$(wait_window '^Studio 3D first-person combat')
name=$(xdotool getwindowname "$win")
[ "$name" = "$caption" ] || fail "caption is '$name' (no score yet, so no status)"
state=""
for _ in $(seq 50); do
  state=$(xprop -id "$win" _NET_WM_STATE)
  [[ $state == *MAXIMIZED_VERT* && $state == *MAXIMIZED_HORZ* ]] && break
  sleep 0.1
done
[[ $state == *MAXIMIZED_VERT* && $state == *MAXIMIZED_HORZ* ]] || fail "not maximised: $state"
sleep 1

# Nothing plays until the first shot; then the shot's cue.
loud() {
  /usr/bin/python3 -c '
import sys, array
samples = array.array("h", open(sys.argv[1], "rb").read() if len(sys.argv) > 1 else b"")
print(sum(1 for s in samples if abs(s) > 300))' "$@"
}
[ ! -s "$e2e_tmp/audio.raw" ] || [ "$(loud "$e2e_tmp/audio.raw")" = 0 ] || fail "sound before any shot"
xdotool key --window "$win" space
sleep 1
heard=$(loud "$e2e_tmp/audio.raw")
echo "fire: $heard loud samples"
[ "$heard" -gt 2400 ] || fail "Space played no fire cue ($heard loud samples)"

# The scene moves by itself (aircraft, wheels): turning must change the picture far more than waiting.
change() { /usr/bin/python3 "$(dirname "$0")/lib/image_change.py" "$1" "$2"; }
screenshot "$win" "$e2e_tmp/a.png"
sleep 0.5
screenshot "$win" "$e2e_tmp/b.png"
xdotool keydown --window "$win" Left
sleep 0.5
xdotool keyup --window "$win" Left
sleep 0.3
screenshot "$win" "$e2e_tmp/c.png"
still=$(change "$e2e_tmp/a.png" "$e2e_tmp/b.png")
turned=$(change "$e2e_tmp/b.png" "$e2e_tmp/c.png")
echo "picture changed: $still% waiting, $turned% turning"
/usr/bin/python3 -c "import sys; sys.exit(0 if $turned > max(3 * $still, 2) else 1)" ||
  fail "holding Left did not turn the view ($still% -> $turned%)"

# Jumping all the time and firing fast while turning, the player brings an aircraft down sooner or later:
# the caption then carries the status "[ score : per shot : per second alive : frames per second ]".
xdotool keydown --window "$win" Return Left
status_seen=""
for _ in $(seq 60); do
  timeout 5 xdotool key --window "$win" --repeat 5 --delay 60 space 2>/dev/null || true
  name=$(xdotool getwindowname "$win")
  if [[ $name =~ ^"$caption "\[\ [0-9]+\ :\ [0-9]+\.[0-9]{2}\ :\ [0-9]+\.[0-9]{2}\ :\ [0-9]+\.[0-9]{2}\ \]$ ]]; then
    status_seen=$name
    break
  fi
done
xdotool keyup --window "$win" Return Left
echo "caption: $name"
[ -n "$status_seen" ] || fail "no score in the caption after a minute of shooting: '$name'"

press_until_exit "$win" Escape
[ "$exit_status" = 0 ] || fail "exit status $exit_status"
[ ! -s "$e2e_tmp/stderr" ] || fail "standard error: $(cat "$e2e_tmp/stderr")"
echo "PASS"
