#!/usr/bin/env bash
# Cross-builds the Windows program and its tests, then runs them under Wine inside a virtual display with a
# window manager. The Wine prefix is made once and kept in the build folder.
# Usage: scripts/test-windows.sh [build folder, default build-windows]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build-windows}")

bash scripts/install-deps.sh --tests --windows
bash scripts/build-windows.sh "$build"

export WINEPREFIX=$build/wineprefix WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installers, no debugger on a crash (it would wait forever), no ALSA (there is no sound card).
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d;winealsa.drv=d"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== wine prefix $WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi

echo "== test $build"
# One wineserver for all the tests; it is stopped inside the display, before the display goes away.
bash scripts/with-display.sh bash -c '
  wineserver -p
  # The first program starts Wine'"'"'s background services, which keep the standard streams they inherit open:
  # start them here, not under CTest, which waits for those streams to close.
  wine cmd /c exit >/dev/null 2>&1 || true
  status=0
  ctest --test-dir "$1" --output-on-failure -LE e2e || status=$?
  # Only the end-to-end checks of the real programs may run again, as on Linux.
  ctest --test-dir "$1" --output-on-failure -L e2e --repeat until-pass:3 || status=$?
  wineserver -k
  exit $status' inner "$build"
