#!/usr/bin/env bash
# A wrong argument gets the program's one usage line on standard error (with a Windows line end) and status 2,
# with no window.
# Usage: usage.sh path/to/studio.exe path/to/firstperson.exe (Wine prefix set up)
source "$(dirname "$0")/../support/check.sh"
studio=$1
firstperson=$2

# check EXPECTED_USAGE EXE ARGUMENT...
check() {
  local expected=$1
  shift
  local status=0
  env -u DISPLAY -u WAYLAND_DISPLAY timeout 60 wine "$@" >"$work/stdout" 2>"$work/stderr" || status=$?
  echo "$(basename "$1") [${*:2}]: status $status, standard error: $(tr -d '\r' <"$work/stderr")"
  [ "$status" -eq 2 ] || fail "exit status $status"
  [ "$(cat "$work/stderr")" = "$expected"$'\r' ] || fail "unexpected standard error"
  [ ! -s "$work/stdout" ] || fail "unexpected standard output"
}

check "usage: studio [van | tank | triplane | garden-tree | conifer]" "$studio" lorry
check "usage: firstperson [--endless]" "$firstperson" lorry
