#!/usr/bin/env bash
# Takes the README's screenshots of the viewer from the real program under a virtual display:
#   bash scripts/screenshot.sh [studio executable] [output.png] [model]
# With a model (van, tank, garden-tree, ...) the viewer shows that model, and the picture goes by default to
# docs/model-<model>.png. An empty argument stands for its default: bash scripts/screenshot.sh "" "" tank
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --tests
exe=${1:-build/src/studio/studio}
model=${3:-}
# The viewer's picture: raised one step, turned 45 degrees and moved three steps back; a model's: one step back.
keys="Down Down Down Return Left Left Left"
out=${2:-docs/studio.png}
if [ -n "$model" ]; then
  keys="Down Return Left Left Left"
  out=${2:-docs/model-$model.png}
fi
shoot='
SDL_AUDIODRIVER=dummy "$1" ${3:+"$3"} & pid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name "^Studio 3D model viewer" | head -n 1)
sleep 2
xdotool key --window "$win" $4
sleep 1
import -window "$win" -resize 50% "$2"
xdotool key --window "$win" Escape || true
wait "$pid"
'
bash scripts/with-display.sh bash -c "$shoot" shoot "$exe" "$out" "$model" "$keys"
echo "wrote $out"
