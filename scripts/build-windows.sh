#!/usr/bin/env bash
# Cross-builds the Windows program (studio.exe) and its Windows tests with mingw-w64.
# Usage: scripts/build-windows.sh [build folder, default build-windows] [extra cmake --build arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --windows
build=$(realpath -m "${1:-build-windows}")
[ $# -gt 0 ] && shift

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# apt-get source needs deb-src entries; add them for the suites and components the deb entries already use.
enable_deb_src() {
  apt-get source --print-uris glew >/dev/null 2>&1 && return
  local list=/etc/apt/sources.list.d/studio-deb-src
  echo "enabling deb-src entries in $list.*"
  shopt -s nullglob
  local deb822=(/etc/apt/sources.list.d/*.sources)
  shopt -u nullglob
  if [ ${#deb822[@]} -gt 0 ]; then
    # A blank line after each file keeps the stanzas of different files apart.
    for file in "${deb822[@]}"; do
      sed -e 's/^Types:.*$/Types: deb-src/' -e '/^#/d' "$file"
      echo
    done | $sudo tee "$list.sources" >/dev/null
  fi
  if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list; then
    grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | $sudo tee "$list.list" >/dev/null
  fi
  $sudo apt-get update >/dev/null
}

# Debian has no GLEW for mingw: it is built from the source of Debian's own package (generated glew.c).
glew=$build/deps/glew
if [ ! -f "$glew/src/glew.c" ]; then
  enable_deb_src
  rm -rf "$build/deps"
  mkdir -p "$build/deps"
  if ! (cd "$build/deps" && apt-get source glew >source.log 2>&1); then
    cat "$build/deps/source.log" >&2
    exit 1
  fi
  mv "$(find "$build/deps" -mindepth 1 -maxdepth 1 -type d -name 'glew-*' | head -n 1)" "$glew"
fi

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DSTUDIO_GLEW_SOURCE_DIR="$glew" -DSTUDIO_WERROR="${STUDIO_WERROR:-$werror}" -DSTUDIO_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" "$@"
