#!/usr/bin/env bash
# The Windows archive as a user gets it: CPack's ZIP holds one folder with the two programs, the README and
# the licence; unpacked, the programs answer from that folder, and each opens its window and closes on Escape.
# Usage: archive.sh CPACK CPACK_CONFIG VERSION (inside a display with a window manager, Wine prefix set up)
set -euo pipefail
cpack=$1
config=$2
version=$3
pid=""
source "$(dirname "$0")/lib/wine_window.sh"

"$cpack" -G ZIP --config "$config" -B "$work" >"$work/cpack.log" 2>&1 || fail "cpack: $(cat "$work/cpack.log")"
folder=studio3d-$version-win64
[ -f "$work/$folder.zip" ] || fail "no $folder.zip among: $(ls "$work")"
held=$(cd "$work" && cmake -E tar tf "$folder.zip" | grep -v '/$' | sort | tr '\n' ' ')
expected="$folder/LICENSE.txt $folder/README.txt $folder/firstperson.exe $folder/studio.exe "
[ "$held" = "$expected" ] || fail "the archive holds: $held"

mkdir "$work/unpacked"
cd "$work/unpacked"
cmake -E tar xf "$work/$folder.zip"
cd "$folder"
[ "$(wine studio.exe --version | tr -d '\r')" = "studio $version" ] || fail "studio.exe --version"
[ "$(wine firstperson.exe --help | head -n 1 | tr -d '\r')" = "usage: firstperson [--endless]" ] ||
  fail "firstperson.exe --help"

exe=$PWD/studio.exe
start_window '^Studio 3D model viewer \| ' "the viewer's caption"
close_with_escape
exe=$PWD/firstperson.exe
start_window '^Studio 3D first-person combat \| ' "the combat program's caption"
close_with_escape
