#!/usr/bin/env bash
# `cmake --install` into a fresh prefix, as a user would: the installed programs answer from another folder;
# the desktop entries validate and start an installed program with an installed icon; every icon has its
# folder's size; the manual pages format without a warning.
# Usage: install.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
mkdir "$work/elsewhere"
cd "$work/elsewhere"

[ "$("$prefix/bin/studio" --version)" = "studio $version" ] || fail "studio --version"
"$prefix/bin/firstperson" --help >help 2>errors || fail "firstperson --help: status $?"
[ "$(head -n 1 help)" = "usage: firstperson [--endless]" ] || fail "firstperson --help begins: $(head -n 1 help)"
grep -q '^Exit status' help || fail "firstperson --help tells no exit status"
[ ! -s errors ] || fail "firstperson --help wrote on standard error: $(cat errors)"

entries=("$prefix"/share/applications/*.desktop)
[ ${#entries[@]} = 2 ] || fail "desktop entries: ${entries[*]}"
for entry in "${entries[@]}"; do
  desktop-file-validate "$entry" || fail "$entry does not validate"
  program=$(sed -n 's/^Exec=//p' "$entry")
  [ -x "$prefix/bin/$program" ] || fail "$entry starts '$program', which is not installed"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [ -f "$prefix/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "$entry shows icon '$icon', not installed"
done

icons=("$prefix"/share/icons/hicolor/*/apps/*.png)
[ ${#icons[@]} = 7 ] || fail "icons: ${icons[*]}"
for icon in "${icons[@]}"; do
  size=$(basename "$(dirname "$(dirname "$icon")")")
  [ "$(identify -format '%wx%h' "$icon")" = "$size" ] || fail "$icon is not $size"
done

for page in "$prefix/share/man/man1/studio.1" "$prefix/share/man/man6/firstperson.6"; do
  MANWIDTH=80 man --warnings -l "$page" >formatted 2>warnings || fail "$page: man status $?"
  [ ! -s warnings ] || fail "$page: $(cat warnings)"
  grep -q '^EXIT STATUS' formatted || fail "$page tells no exit status"
done
for document in README.md LICENSE; do
  [ -f "$prefix/share/doc/studio3d/$document" ] || fail "$document missing from share/doc/studio3d"
done
echo "PASS"
