#!/usr/bin/env bash
# Installs what building and running need (when any of it is missing), builds one program and runs it on
# this desktop with the arguments that follow its name.
# Usage: scripts/run.sh [program, default studio] [arguments...]
#        scripts/run.sh web   builds both programs for the web and serves them on http://127.0.0.1:8000/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-studio}
[ $# -gt 0 ] && shift
if [ "$program" = web ]; then
  bash "$root/scripts/build-web.sh" "$root/build-web"
  echo "Serving both programs on http://127.0.0.1:8000/ (Ctrl+C stops the server)"
  exec python3 "$root/scripts/lib/serve_web.py" "$root/build-web/site" 8000
fi
if [ ! -f "$root/src/$program/main.cpp" ]; then
  programs=$(cd "$root/src" && ls -d */main.cpp | sed 's|/main.cpp||' | tr '\n' ' ')
  echo "unknown program '$program'; the programs are: $programs" >&2
  exit 2
fi
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DSTUDIO_TESTS=OFF -DSTUDIO_BENCHMARKS=OFF >/dev/null
cmake --build "$root/build" --target "$program" -j "$(nproc)"
exec "$root/build/src/$program/$program" "$@"
