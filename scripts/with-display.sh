#!/usr/bin/env bash
# Runs a command inside its own virtual X display with a window manager (openbox), so that windows
# can be shown and maximised as on a desktop. Used by the tests and by CI, which has no display.
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 command [args...]" >&2; exit 2; }

# Runs inside the display: start the window manager, wait until it has taken the screen, run the command.
inner='
openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
status=0
"$@" || status=$?
kill "$wm" 2>/dev/null || true
wait "$wm" 2>/dev/null || true
exit "$status"
'
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$inner" inner "$@"
