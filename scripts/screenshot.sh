#!/usr/bin/env bash
# Takes a README screenshot from the real program under a virtual display:
#   bash scripts/screenshot.sh [studio|firstperson] [output.png] [model]
# The viewer is shown raised, turned and moved back; given a model (van, tank, triplane, ...) it shows that
# model one step back, and the picture goes by default to docs/model-<model>.png. The combat program is shown
# after a first aircraft is down, with the score at the bottom, the player's shots in flight and as many
# aircraft in view as it finds. An empty argument stands for its default: bash scripts/screenshot.sh "" "" tank
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --tests
program=${1:-studio}
model=${3:-}
case $program in
  studio)
    exe=build/src/studio/studio
    caption="Studio 3D model viewer"
    keys="Down Down Down Return Left Left Left"
    out=${2:-docs/studio.png}
    if [ -n "$model" ]; then
      keys="Down Return Left Left Left"
      out=${2:-docs/model-$model.png}
    fi
    play='xdotool key --window "$win" '"$keys"'; sleep 1
import -window "$win" -resize 50% "$out"'
    ;;
  firstperson)
    exe=build/src/firstperson/firstperson
    caption="Studio 3D first-person combat"
    out=${2:-docs/firstperson.png}
    # Jumps and fires while turning until the caption shows a score; then turns in steps, firing, and keeps
    # the view with the most aircraft magenta in it.
    play='
xdotool keydown --window "$win" Return Left
for _ in $(seq 60); do
  xdotool key --window "$win" --repeat 5 --delay 60 space
  xdotool getwindowname "$win" | grep -q "\[" && break
done
xdotool keyup --window "$win" Return Left
sleep 1
best=-1
for step in $(seq 16); do
  xdotool keydown --window "$win" Left; sleep 0.08; xdotool keyup --window "$win" Left
  xdotool key --window "$win" space
  sleep 0.15
  import -window "$win" -resize 50% "$out.$step.png"
  magenta=$(/usr/bin/python3 tests/e2e/lib/pixel_stats.py "$out.$step.png" | sed -n "s/^magenta=//p")
  if [ "$magenta" -gt "$best" ]; then best=$magenta; mv "$out.$step.png" "$out.best.png"; else rm "$out.$step.png"; fi
done
mv "$out.best.png" "$out"'
    ;;
  *)
    echo "usage: $0 [studio|firstperson] [output.png] [model]" >&2
    exit 2
    ;;
esac
# The program the picture is taken of, built as scripts/run.sh builds it.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSTUDIO_TESTS=OFF -DSTUDIO_BENCHMARKS=OFF >/dev/null
cmake --build build --target "$program" -j "$(nproc)"

shoot='
errors=$(mktemp)
SDL_AUDIODRIVER=dummy "$1" ${5:+"$5"} 2>"$errors" & pid=$!
# Waits for the window while the program runs, at most 20 s.
win=""
for _ in $(seq 200); do
  win=$(xdotool search --onlyvisible --name "^$2" 2>/dev/null | head -n 1) || true
  [ -n "$win" ] || ! kill -0 "$pid" 2>/dev/null && break
  sleep 0.1
done
if [ -z "$win" ]; then
  if kill "$pid" 2>/dev/null; then
    echo "screenshot: $1 showed no window \"$2\" within 20 s" >&2
  else
    status=0
    wait "$pid" || status=$?
    echo "screenshot: $1 ended with status $status before showing its window" >&2
  fi
  cat "$errors" >&2
  exit 1
fi
sleep 2
out=$4
eval "$3"
xdotool key --window "$win" Escape || true
xdotool keyup Escape || true
wait "$pid"
rm -f "$errors"
'
bash scripts/with-display.sh bash -c "$shoot" shoot "$exe" "$caption" "$play" "$out" "$model"
echo "wrote $out"
