#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing of those needed to build and run the programs.
#   --tests    also what the tests, the benchmarks and the formatting check need
#   --windows  also what the Windows cross-build and its runs under Wine need
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libglew-dev libgl-dev libglu1-mesa-dev libmpg123-dev
)
for option in "$@"; do
  case $option in
    --tests) packages+=(clang-format libgtest-dev libbenchmark-dev
                        xvfb xauth openbox xdotool wmctrl x11-utils imagemagick python3-pil
                        desktop-file-utils man-db) ;;
    --windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64 dpkg-dev) ;;
    *) echo "usage: $0 [--tests] [--windows]" >&2; exit 2 ;;
  esac
done

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
