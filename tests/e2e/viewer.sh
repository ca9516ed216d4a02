#!/usr/bin/env bash
# The viewer as a user sees it: the van on black at the centre, nearer after Up, wireframe after two
# presses of W, and a clean exit on Escape.
set -uo pipefail
exe=$1
source "$(dirname "$0")/lib/common.sh"

start_program "$exe"
win=$(wait_window '^Studio 3D model viewer')
sleep 1.5

screenshot "$win" "$e2e_tmp/start.png"
total=$(stat "$e2e_tmp/start.png" centre_total)
lit=$(stat "$e2e_tmp/start.png" centre_lit)
magenta=$(stat "$e2e_tmp/start.png" centre_magenta)
cyan=$(stat "$e2e_tmp/start.png" centre_cyan)
echo "start: centre total=$total lit=$lit magenta=$magenta cyan=$cyan"
[ "$magenta" -gt $((total / 100)) ] || fail "too little magenta at the centre ($magenta of $total)"
[ "$cyan" -gt $((total / 500)) ] || fail "too little cyan at the centre ($cyan of $total)"
all=$(stat "$e2e_tmp/start.png" total)
whole=$(stat "$e2e_tmp/start.png" lit)
[ "$whole" -lt $((all / 2)) ] || fail "the background is not black ($whole of $all lit)"

xdotool key --window "$win" Up
sleep 0.5
screenshot "$win" "$e2e_tmp/near.png"
near=$(stat "$e2e_tmp/near.png" lit)
echo "nearer: lit $whole -> $near"
[ "$near" -gt $((whole * 11 / 10)) ] || fail "Up did not bring the van nearer ($whole -> $near lit)"

xdotool key --window "$win" w
xdotool key --window "$win" w
sleep 0.5
screenshot "$win" "$e2e_tmp/lines.png"
lines=$(stat "$e2e_tmp/lines.png" lit)
echo "wireframe: lit $near -> $lines"
[ "$lines" -lt $((near / 2)) ] || fail "W W did not turn the van to lines ($near -> $lines lit)"

press_until_exit "$win" Escape
[ "$exit_status" = 0 ] || fail "exit status $exit_status"
[ ! -s "$e2e_tmp/stderr" ] || fail "standard error: $(cat "$e2e_tmp/stderr")"
echo "PASS"
