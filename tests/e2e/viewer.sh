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
expect_van_view "$e2e_tmp/start.png"
whole=$lit

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
