#!/usr/bin/env bash
# Alt+F4 on the active window (the window manager's close, as the close box) ends the program with
# status 0 and nothing on standard error.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

start_program "$1"
id=$(wait_window '^Studio 3D model viewer')
timeout 5 xdotool windowactivate --sync "$id" || true
# Pressed and released in separate calls: the press closes the window, and a release that failed with it
# would leave Alt+F4 held down on the display, closing every window opened after it.
timeout 5 xdotool keydown alt+F4 || true
timeout 5 xdotool keyup F4 alt || true
wait_exit 20
[ "$exit_status" = 0 ] || fail "exit status $exit_status"
[ ! -s "$e2e_tmp/stderr" ] || fail "standard error: $(cat "$e2e_tmp/stderr")"
echo "PASS"
