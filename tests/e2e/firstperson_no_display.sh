#!/usr/bin/env bash
# Without a display the combat program fails to start exactly as the viewer does: the same one line on
# standard error and the same exit status.
# Usage: firstperson_no_display.sh firstperson studio
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"

run_headless() {
  local status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy timeout 20 "$1" \
    >"$e2e_tmp/$2.out" 2>"$e2e_tmp/$2.err" || status=$?
  echo "$status"
}
combat=$(run_headless "$1" combat)
viewer=$(run_headless "$2" viewer)
[ "$(cat "$e2e_tmp/combat.err")" = "can't create window" ] || fail "standard error: $(cat "$e2e_tmp/combat.err")"
[ "$(wc -l <"$e2e_tmp/combat.err")" = 1 ] || fail "not exactly one line on standard error"
[ ! -s "$e2e_tmp/combat.out" ] || fail "standard output: $(cat "$e2e_tmp/combat.out")"
[ "$combat" = "$viewer" ] || fail "exit status $combat, the viewer's is $viewer"
echo "PASS (status $combat)"
