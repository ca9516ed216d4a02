#!/usr/bin/env bash
# Builds both programs for the web and measures them in Debian's Chromium, headless, each beside a bare
# WebGL 2 page (bench/web), over a local HTTP server on a free port: prints the figures and whether each
# bound is met. A benchmark, not a test: the figures depend on the machine's load.
# Usage: scripts/bench-web.sh [build folder, default build-web]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build-web}")

bash scripts/install-deps.sh --web
bash scripts/build-web.sh "$build" >/dev/null

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server --bind 127.0.0.1 --directory "$build/site" "$port" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" 2>/dev/null && break
  sleep 0.1
done

echo "== benchmark $build in Chromium"
STUDIO_WEB_URL="http://127.0.0.1:$port/" node bench/web/browser_bench.mjs
