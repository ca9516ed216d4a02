#!/usr/bin/env bash
# Without a display the program writes the one line "can't create window" and ends with status 1,
# so that scripts and launchers can tell a failed start.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy timeout 20 "$1" \
  >"$e2e_tmp/stdout" 2>"$e2e_tmp/stderr" || status=$?
[ "$status" = 1 ] || fail "exit status $status"
[ "$(cat "$e2e_tmp/stderr")" = "can't create window" ] || fail "standard error: $(cat "$e2e_tmp/stderr")"
[ "$(wc -l <"$e2e_tmp/stderr")" = 1 ] || fail "not exactly one line on standard error"
[ ! -s "$e2e_tmp/stdout" ] || fail "standard output: $(cat "$e2e_tmp/stdout")"
echo "PASS"
