#!/usr/bin/env bash
# A minimised window presents (almost) no frames, while the program goes on; restored, it presents again.
# Frames are counted by a preloaded library around the buffer swap (SWAP_COUNTER names it).
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

counter=${SWAP_COUNTER:?the swap counting library}
count_file=$e2e_tmp/swaps
# Frames presented within the next two seconds.
presents_in_two_seconds() {
  local before after
  before=$(tr -d ' ' <"$count_file")
  sleep 2
  after=$(tr -d ' ' <"$count_file")
  echo $((after - before))
}

# The sanitizer runtime must come first unless told otherwise; the counter is preloaded before it.
ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0" LD_PRELOAD=$counter SWAP_COUNT_FILE=$count_file \
  start_program "$1"
win=$(wait_window '^Studio 3D model viewer')
[ -s "$count_file" ] || fail "no frame was counted"

shown=$(presents_in_two_seconds)
timeout 5 xdotool windowminimize --sync "$win" || fail "cannot minimise the window"
sleep 0.5
minimised=$(presents_in_two_seconds)
timeout 5 wmctrl -i -a "$win" || fail "cannot restore the window"
sleep 0.5
restored=$(presents_in_two_seconds)
echo "frames presented in 2 s: shown $shown, minimised $minimised, restored $restored"
[ "$shown" -ge 20 ] || fail "too few frames while shown ($shown)"
[ "$minimised" -le 2 ] || fail "the minimised window still presents ($minimised frames in 2 s)"
[ "$restored" -ge 20 ] || fail "the restored window does not present again ($restored frames in 2 s)"

press_until_exit "$win" Escape
[ "$exit_status" = 0 ] || fail "exit status $exit_status"
[ ! -s "$e2e_tmp/stderr" ] || fail "standard error: $(cat "$e2e_tmp/stderr")"
echo "PASS"
