# Shared helpers for the end-to-end scripts: start the program, find its window, take screenshots.
# Sourced; expects DISPLAY to be set (the tests run inside scripts/with-display.sh).

e2e_tmp=$(mktemp -d)
e2e_pid=""
cleanup() {
  [ -n "$e2e_pid" ] && kill "$e2e_pid" 2>/dev/null
  rm -rf "$e2e_tmp"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# start_program EXE: runs it in the background with stdout and stderr captured.
start_program() {
  SDL_AUDIODRIVER=dummy "$1" >"$e2e_tmp/stdout" 2>"$e2e_tmp/stderr" &
  e2e_pid=$!
}

# wait_window PATTERN: prints the id of the first visible window whose name matches, within 20 s.
wait_window() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
  [ -n "$id" ] || fail "no window named '$1' appeared"
  echo "$id"
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
screenshot() { import -window "$1" "$2" 2>/dev/null || fail "screenshot failed"; }

# stat FILE KEY: one figure from the pixel statistics of a screenshot (analysed once, then looked up).
stat() {
  [ -f "$1.stats" ] || /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/pixel_stats.py" "$1" >"$1.stats"
  sed -n "s/^$2=//p" "$1.stats"
}
