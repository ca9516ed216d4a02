#!/usr/bin/env bash
# A wrong argument (studio: an unknown model or extra arguments; firstperson: any argument but --endless) gets the program's
# one usage line on standard error and status 2, before any window opens (without a display too, where
# opening one would report "can't create window" instead). --help and --version answer on standard output.
# Usage: usage.sh path/to/studio path/to/firstperson
set -uo pipefail
exe=$1
firstperson=$2
source "$(dirname "$0")/lib/common.sh"

studio_usage="usage: studio [van | tank | triplane | garden-tree | conifer]"
# run WHERE PROGRAM ARGUMENT...: sets status, with the streams in $e2e_tmp.
run() {
  local where=$1
  shift
  status=0
  if [ "$where" = display ]; then
    SDL_AUDIODRIVER=dummy timeout 20 "$@" >"$e2e_tmp/stdout" 2>"$e2e_tmp/stderr" || status=$?
  else
    env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy timeout 20 "$@" \
      >"$e2e_tmp/stdout" 2>"$e2e_tmp/stderr" || status=$?
  fi
  echo "$where, $(basename "$1") [${*:2}]: status $status, standard error: $(cat "$e2e_tmp/stderr")"
}
# check WHERE EXPECTED_USAGE PROGRAM ARGUMENT...
check() {
  local where=$1 expected=$2
  shift 2
  run "$where" "$@"
  [ "$status" = 2 ] || fail "[$*]: exit status $status"
  [ "$(cat "$e2e_tmp/stderr")" = "$expected" ] || fail "[$*]: standard error is not the usage line"
  [ "$(wc -l <"$e2e_tmp/stderr")" = 1 ] || fail "[$*]: not exactly one line on standard error"
  [ ! -s "$e2e_tmp/stdout" ] || fail "[$*]: standard output: $(cat "$e2e_tmp/stdout")"
}

for where in display none; do
  check "$where" "$studio_usage" "$exe" lorry
  check "$where" "$studio_usage" "$exe" van tank
  check "$where" "$studio_usage" "$exe" ""
  check "$where" "$studio_usage" "$exe" --help tank
  check "$where" "usage: firstperson [--endless]" "$firstperson" lorry
  check "$where" "usage: firstperson [--endless]" "$firstperson" --endless lorry
  check "$where" "usage: firstperson [--endless]" "$firstperson" --version --help
done

# Asked, they answer on standard output with status 0.
run none "$exe" --help
[ "$status" = 0 ] || fail "studio --help: status $status"
[ ! -s "$e2e_tmp/stderr" ] || fail "studio --help wrote on standard error"
[ "$(head -n 1 "$e2e_tmp/stdout")" = "$studio_usage" ] || fail "studio --help begins: $(head -n 1 "$e2e_tmp/stdout")"
run none "$firstperson" --version
[ "$status" = 0 ] || fail "firstperson --version: status $status"
[ ! -s "$e2e_tmp/stderr" ] || fail "firstperson --version wrote on standard error"
grep -qxE 'firstperson [0-9]+\.[0-9]+\.[0-9]+' "$e2e_tmp/stdout" || fail "firstperson --version: $(cat "$e2e_tmp/stdout")"

if xdotool search --name '^Studio 3D (model viewer|first-person combat)' >/dev/null 2>&1; then
  fail "a program's window is open"
fi
echo "PASS"
