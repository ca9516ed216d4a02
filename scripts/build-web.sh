#!/usr/bin/env bash
# Builds both programs for the web with Debian's Emscripten into a folder of pages that any HTTP server can
# serve: <build folder>/site (index.html, studio.html, firstperson.html, their JavaScript and WebAssembly,
# web app manifests, icons and service worker), with a .gz and a .br copy of each page, script and
# WebAssembly file for a server that sends them to browsers that accept them (scripts/lib/serve_web.py).
# Usage: scripts/build-web.sh [build folder, default build-web]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build-web}")

bash scripts/install-deps.sh --emscripten
# Emscripten's JavaScript optimiser needs Debian's node modules (acorn) when node is not Debian's own.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSTUDIO_WERROR="$werror" >/dev/null
cmake --build "$build" -j "$(nproc)" --target studio firstperson web_site
