#!/usr/bin/env bash
# studio.exe asked for an unknown model: the one usage line on standard error (with a Windows line end) and
# status 2, with no window.
# Usage: usage.sh path/to/studio.exe (Wine prefix set up)
set -euo pipefail
exe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
env -u DISPLAY -u WAYLAND_DISPLAY timeout 60 wine "$exe" lorry >"$work/stdout" 2>"$work/stderr" || status=$?
echo "status $status, standard error: $(tr -d '\r' <"$work/stderr")"
[ "$status" -eq 2 ] || { echo "FAIL: exit status $status" >&2; exit 1; }
expected=$'usage: studio [van | tank | triplane | garden-tree | conifer]\r'
[ "$(cat "$work/stderr")" = "$expected" ] || { echo "FAIL: unexpected standard error" >&2; exit 1; }
[ ! -s "$work/stdout" ] || { echo "FAIL: unexpected standard output" >&2; exit 1; }
