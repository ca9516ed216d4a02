#!/usr/bin/env bash
# The window appears maximised under its caption; a real Escape key ends the program with status 0 and
# nothing on standard error.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

start_program "$1"
id=$(wait_window '^Studio 3D model viewer')
name=$(xdotool getwindowname "$id")
[ "$name" = "Studio 3D model viewer | studio3d.dev" ] || fail "caption is '$name'"

state=""
for _ in $(seq 50); do
  state=$(xprop -id "$id" _NET_WM_STATE)
  [[ $state == *_NET_WM_STATE_MAXIMIZED_VERT* && $state == *_NET_WM_STATE_MAXIMIZED_HORZ* ]] && break
  sleep 0.1
done
[[ $state == *_NET_WM_STATE_MAXIMIZED_VERT* && $state == *_NET_WM_STATE_MAXIMIZED_HORZ* ]] ||
  fail "not maximised: $state"
width=$(xwininfo -id "$id" | sed -n 's/^ *Width: //p')
[ "$width" -gt 1000 ] || fail "maximised window is only $width pixels wide"

press_until_exit "$id" Escape
[ "$exit_status" = 0 ] || fail "exit status $exit_status"
[ ! -s "$e2e_tmp/stderr" ] || fail "standard error: $(cat "$e2e_tmp/stderr")"
echo "PASS"
