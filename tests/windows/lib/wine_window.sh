# Shared by the Wine window checks: start a program under Wine, find its window, check that it is
# maximised, and close it with Escape. Source it after setting exe; it sets work, pid and window.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "-- stdout:" >&2; cat "$work/stdout" >&2 || true
  echo "-- stderr:" >&2; cat "$work/stderr" >&2 || true
  kill "$pid" 2>/dev/null || true
  exit 1
}

# start_window CAPTION_PATTERN DESCRIPTION: starts $exe and waits for its window.
start_window() {
  wine "$exe" >"$work/stdout" 2>"$work/stderr" &
  pid=$!
  # At most 60 s, and no longer than the program runs.
  window=""
  for _ in $(seq 600); do
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$window" ] || ! kill -0 "$pid" 2>/dev/null && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window with $2"
  echo "caption: $(xdotool getwindowname "$window")"
}

# The window manager reports both maximised states.
expect_maximised() {
  local state
  for _ in $(seq 50); do
    state=$(xprop -id "$window" _NET_WM_STATE)
    if [[ $state == *MAXIMIZED_HORZ* && $state == *MAXIMIZED_VERT* ]]; then
      return 0
    fi
    sleep 0.1
  done
  fail "window not maximised: $state"
}

# Escape ends the program with status 0 and nothing on standard error.
close_with_escape() {
  xdotool key --window "$window" Escape || true
  xdotool keyup Escape 2>/dev/null || true
  local status=0
  timeout 30 tail --pid="$pid" -f /dev/null || fail "still running 30 s after Escape"
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "exit status $status"
  [ ! -s "$work/stderr" ] || fail "unexpected standard error output"
  echo "closed with status 0"
}
