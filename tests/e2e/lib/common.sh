# Shared helpers for the end-to-end scripts: start the program, find its window, take screenshots.
# Sourced; expects DISPLAY to be set (the tests run inside scripts/with-display.sh).

e2e_tmp=$(mktemp -d)
e2e_pid=""
cleanup() {
  [ -n "$e2e_pid" ] && kill "$e2e_pid" 2>/dev/null
  # A key whose release was lost when its press closed the window stays held on the display and, repeated,
  # would close every window opened after it: release the closing keys whatever happened.
  timeout 5 xdotool keyup Escape F4 alt 2>/dev/null || true
  rm -rf "$e2e_tmp"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -n "$e2e_pid" ]; then
    if kill -0 "$e2e_pid" 2>/dev/null; then
      echo "(the program is still running)" >&2
    else
      local status=0
      wait "$e2e_pid" || status=$?
      echo "(the program has ended with status $status)" >&2
    fi
  fi
  [ -s "$e2e_tmp/stderr" ] && { echo "its standard error:" >&2; cat "$e2e_tmp/stderr" >&2; }
  exit 1
}

# start_program EXE [ARGUMENT...]: runs it in the background with stdout and stderr captured.
start_program() {
  SDL_AUDIODRIVER=dummy "$@" >"$e2e_tmp/stdout" 2>"$e2e_tmp/stderr" &
  e2e_pid=$!
}

# wait_window PATTERN: prints the id of the first visible window whose name matches, within 20 s, once
# the program has had a moment to draw into it.
wait_window() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
  [ -n "$id" ] || fail "no window named '$1' appeared"
  sleep 0.5
  echo "$id"
}

# press_until_exit WINDOW KEY...: presses the keys on the window until the program ends (a key sent while
# the window is still being mapped can be lost), then sets exit_status like wait_exit.
press_until_exit() {
  local window=$1
  shift
  for _ in 1 2 3 4 5; do
    # Press and release in separate calls: the press closes the window, and the release must still happen.
    timeout 5 xdotool keydown --window "$window" "$@" 2>/dev/null || true
    timeout 5 xdotool keyup "$@" 2>/dev/null || true
    local deadline=$((SECONDS + 4))
    while kill -0 "$e2e_pid" 2>/dev/null && [ $SECONDS -lt "$deadline" ]; do
      sleep 0.1
    done
    kill -0 "$e2e_pid" 2>/dev/null || break
  done
  wait_exit 5
}

# wait_exit SECONDS: waits for the program to end and sets exit_status (not in a subshell: only this
# shell can wait for its child).
wait_exit() {
  local deadline=$((SECONDS + $1))
  while kill -0 "$e2e_pid" 2>/dev/null; do
    [ $SECONDS -lt "$deadline" ] || fail "the program did not end within $1 s"
    sleep 0.1
  done
  exit_status=0
  wait "$e2e_pid" || exit_status=$?
  e2e_pid=""
}

# screenshot WINDOW FILE
screenshot() { timeout 20 import -window "$1" "$2" 2>/dev/null || fail "screenshot failed"; }

source "$(dirname "${BASH_SOURCE[0]}")/pixels.sh"
