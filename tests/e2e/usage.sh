#!/usr/bin/env bash
# An unknown model or extra arguments: the one usage line on standard error and status 2, before any window
# opens (without a display too, where opening one would report "can't create window" instead).
set -uo pipefail
exe=$1
source "$(dirname "$0")/lib/common.sh"

expected="usage: studio [van | tank | triplane | garden-tree | conifer]"
check() {
  local where=$1
  shift
  local status=0
  if [ "$where" = display ]; then
    SDL_AUDIODRIVER=dummy timeout 20 "$exe" "$@" >"$e2e_tmp/stdout" 2>"$e2e_tmp/stderr" || status=$?
  else
    env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy timeout 20 "$exe" "$@" \
      >"$e2e_tmp/stdout" 2>"$e2e_tmp/stderr" || status=$?
  fi
  echo "$where, arguments [$*]: status $status, standard error: $(cat "$e2e_tmp/stderr")"
  [ "$status" = 2 ] || fail "[$*]: exit status $status"
  [ "$(cat "$e2e_tmp/stderr")" = "$expected" ] || fail "[$*]: standard error is not the usage line"
  [ "$(wc -l <"$e2e_tmp/stderr")" = 1 ] || fail "[$*]: not exactly one line on standard error"
  [ ! -s "$e2e_tmp/stdout" ] || fail "[$*]: standard output: $(cat "$e2e_tmp/stdout")"
}

for where in display none; do
  check "$where" lorry
  check "$where" van tank
  check "$where" ""
done
if xdotool search --name '^Studio 3D model viewer' >/dev/null 2>&1; then
  fail "a viewer window is open"
fi
echo "PASS"
