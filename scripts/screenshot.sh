#!/usr/bin/env bash
# Takes the README's screenshot of the viewer from the real program under a virtual display:
#   bash scripts/screenshot.sh [studio executable] [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --tests
exe=${1:-build/src/studio/studio}
out=${2:-docs/studio.png}
shoot='
SDL_AUDIODRIVER=dummy "$1" & pid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name "^Studio 3D model viewer" | head -n 1)
sleep 2
xdotool key --window "$win" Down Down Down Return Left Left Left
sleep 1
import -window "$win" -resize 50% "$2"
xdotool key --window "$win" Escape || true
wait "$pid"
'
bash scripts/with-display.sh bash -c "$shoot" shoot "$exe" "$out"
echo "wrote $out"
