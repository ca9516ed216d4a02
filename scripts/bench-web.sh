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

source scripts/lib/serve-web.sh "$build/site"

echo "== benchmark $build in Chromium"
STUDIO_WEB_URL="$web_url" node bench/web/browser_bench.mjs
