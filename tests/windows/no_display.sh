#!/usr/bin/env bash
# Without a display studio.exe cannot make its window: it writes the one line "can't create window" to
# standard error (with a Windows line end) and ends with status 1.
# Usage: no_display.sh path/to/studio.exe (Wine prefix set up)
source "$(dirname "$0")/../support/check.sh"
exe=$1

status=0
env -u DISPLAY -u WAYLAND_DISPLAY timeout 60 wine "$exe" >"$work/stdout" 2>"$work/stderr" || status=$?
# A program started without a display leaves the Wine session without a desktop, and no later program could
# open a window in it: start the session again, its background services away from this script's streams.
wineserver -k || true
wineserver -w
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
message=$(tr -d '\r' <"$work/stderr")
echo "status $status, standard error: $message"
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status" >&2; exit 1; }
[ "$(cat "$work/stderr")" = $'can\'t create window\r' ] || { echo "FAIL: unexpected standard error" >&2; exit 1; }
[ ! -s "$work/stdout" ] || { echo "FAIL: unexpected standard output" >&2; exit 1; }
