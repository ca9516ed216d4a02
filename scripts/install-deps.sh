#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need, when any is missing.
# With --windows, also what the Windows cross-build and its runs under Wine need.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format
  libsdl2-dev libglew-dev libgl-dev libglu1-mesa-dev libmpg123-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth openbox xdotool x11-utils imagemagick python3-pil
)
if [ "${1:-}" = "--windows" ]; then
  packages+=(g++-mingw-w64-x86-64-posix wine wine64 dpkg-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
