#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing of those needed to build and run the programs.
#   --tests    also what the tests, the benchmarks and the formatting check need
#   --windows  also what the Windows cross-build and its runs under Wine need
#   --web      also what the web build and its tests in Chromium need, and the tests' npm packages
#   --emscripten  only what building for the web needs
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libglew-dev libgl-dev libglu1-mesa-dev libmpg123-dev libtomlplusplus-dev
  libstb-dev libtinygltf-dev nlohmann-json3-dev
)
web_tests=false
for option in "$@"; do
  case $option in
    --emscripten) packages=(cmake emscripten libtomlplusplus-dev gzip brotli python3) ;;
    --web) packages+=(emscripten chromium nodejs python3 gzip brotli); web_tests=true
           # A node from elsewhere (NodeSource's) brings its own npm, which Debian's would conflict with.
           command -v npm >/dev/null || packages+=(npm) ;;
    --tests) packages+=(clang-format libgtest-dev libbenchmark-dev
                        xvfb xauth openbox xdotool wmctrl x11-utils imagemagick python3-pil
                        desktop-file-utils man-db appstream) ;;
    --windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64 dpkg-dev) ;;
    *) echo "usage: $0 [--tests] [--windows] [--web] | --emscripten" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The browser tests' Playwright, as pinned by its lock file; it drives Debian's Chromium and downloads none.
if $web_tests && ! (cd tests/web && npm ls --silent >/dev/null 2>&1); then
  (cd tests/web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund)
fi
