#!/usr/bin/env bash
# Builds both programs for the web and runs their tests in Debian's Chromium, headless, driven by
# Playwright (tests/web) over a local HTTP server on a free port.
# Usage: scripts/test-web.sh [build folder, default build-web]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build-web}")

bash scripts/install-deps.sh --web
bash scripts/build-web.sh "$build"

source scripts/lib/serve-web.sh "$build/site"

echo "== test $build in Chromium"
cd tests/web
# Debian 12's node (18) has no --test-reporter option: the results come in its own form (TAP).
STUDIO_WEB_URL="$web_url" node --test
