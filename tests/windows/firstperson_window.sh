#!/usr/bin/env bash
# Starts firstperson.exe under Wine: its captioned window must come up maximised, and Escape must end the
# program with status 0 and nothing on standard error.
# Usage: firstperson_window.sh path/to/firstperson.exe (inside a display with a window manager, Wine prefix set up)
set -euo pipefail
exe=$1
source "$(dirname "$0")/lib/wine_window.sh"

start_window '^Studio 3D first-person combat \| ' "the combat program's caption"
expect_maximised

# A few frames of play, then Escape.
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
close_with_escape
