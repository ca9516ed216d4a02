#!/usr/bin/env bash
# Starts firstperson.exe under Wine: its captioned window must come up maximised, and Escape must end the
# program with status 0 and nothing on standard error.
# Usage: firstperson_window.sh path/to/firstperson.exe (inside a display with a window manager, Wine prefix set up)
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

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Studio 3D first-person combat \| ' | head -n 1) ||
  fail "no window with the combat program's caption"
echo "caption: $(xdotool getwindowname "$window")"

maximised=no
for _ in $(seq 50); do
  state=$(xprop -id "$window" _NET_WM_STATE)
  if [[ $state == *MAXIMIZED_HORZ* && $state == *MAXIMIZED_VERT* ]]; then
    maximised=yes
    break
  fi
  sleep 0.1
done
[ "$maximised" = yes ] || fail "window not maximised: $(xprop -id "$window" _NET_WM_STATE)"

# A few frames of play, then Escape.
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
xdotool key --window "$window" Escape || true
xdotool keyup Escape 2>/dev/null || true
status=0
timeout 30 tail --pid="$pid" -f /dev/null || fail "still running 30 s after Escape"
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
[ ! -s "$work/stderr" ] || fail "unexpected standard error output"
echo "closed with status 0"
