#!/usr/bin/env bash
# Draws the README's pictures of the viewer with the viewer itself (--screenshot, no display needed):
# docs/studio.png and docs/model-<model>.png for every model, each turned 45 degrees, one step up, one
# second after the start; the first is three steps back, the others one.
#   bash scripts/model-pictures.sh [build folder with the viewer, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
studio=${1:-build}/src/studio/studio
[ -x "$studio" ] || { echo "model-pictures: no viewer at $studio; build it first" >&2; exit 1; }

picture() { "$studio" "$@" --size 640x502 --turn 45 --raise 1 --time 1; }
picture van --screenshot docs/studio.png --distance 3
for model in van tank triplane garden-tree conifer; do
  picture "$model" --screenshot "docs/model-$model.png" --distance 1
done
echo "model-pictures: docs/studio.png and docs/model-*.png drawn by $studio"
