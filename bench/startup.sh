#!/usr/bin/env bash
# Time from process start to the first presented frame of studio: polls the window until the van's
# magenta shows. Run inside a display: bash scripts/with-display.sh bash bench/startup.sh build/src/studio/studio
set -euo pipefail
exe=${1:-build/src/studio/studio}
stats="$(dirname "$0")/../tests/e2e/lib/pixel_stats.py"
shot=$(mktemp --suffix=.png)
trap 'rm -f "$shot"; kill "$pid" 2>/dev/null || true' EXIT

start=$(date +%s.%N)
SDL_AUDIODRIVER=dummy "$exe" &
pid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Studio 3D model viewer' | head -n 1)
for _ in $(seq 400); do
  import -window "$win" "$shot" 2>/dev/null || continue
  magenta=$(/usr/bin/python3 "$stats" "$shot" | sed -n 's/^magenta=//p')
  if [ "${magenta:-0}" -gt 0 ]; then
    end=$(date +%s.%N)
    echo "first frame with the van after $(echo "$end - $start" | bc) s (upper bound: includes one screenshot)"
    xdotool key --window "$win" Escape || true
    wait "$pid"
    exit 0
  fi
done
echo "the van never appeared" >&2
exit 1
