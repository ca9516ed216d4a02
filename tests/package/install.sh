#!/usr/bin/env bash
# `cmake --install` into a fresh prefix, as a user would: the installed programs answer from another folder;
# the desktop entries validate and start an installed program with an installed icon, whose window has the
# class the entry names; the software centres' metainfo validates, names both entries and the current
# version; every icon has its folder's size; the manual pages format without a warning; the README's
# pictures are installed beside it.
# Usage: install.sh BUILD_FOLDER VERSION
source "$(dirname "$0")/../support/check.sh"
build=$1
version=$2

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
  # Docks match a window to its entry by its class.
  class=$(sed -n 's/^StartupWMClass=//p' "$entry")
  SDL_AUDIODRIVER=dummy "$prefix/bin/$program" >/dev/null 2>&1 &
  pid=$!
  # Searched again until found: a search dies when a window of a test running beside it closes meanwhile.
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
    [ -z "$window" ] && kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  seen=""
  [ -z "$window" ] || seen=$(xprop -id "$window" WM_CLASS)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ "$seen" = "WM_CLASS(STRING) = \"$class\", \"$class\"" ] || fail "$entry: StartupWMClass=$class, window: '$seen'"
done

metainfo=("$prefix"/share/metainfo/*.metainfo.xml)
[ ${#metainfo[@]} = 1 ] || fail "metainfo: ${metainfo[*]}"
appstreamcli validate --no-net --pedantic "${metainfo[0]}" || fail "${metainfo[0]} does not validate"
for entry in "${entries[@]}"; do
  grep -qF "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "${metainfo[0]}" ||
    fail "the metainfo does not launch $(basename "$entry")"
done
grep -q "<release version=\"$version\" date=" "${metainfo[0]}" || fail "the metainfo has no release $version"

icons=("$prefix"/share/icons/hicolor/*/apps/*.png)
[ ${#icons[@]} = 7 ] || fail "icons: ${icons[*]}"
for icon in "${icons[@]}"; do
  size=$(basename "$(dirname "$(dirname "$icon")")")
  [ "$(identify -format '%wx%h' "$icon")" = "$size" ] || fail "$icon is not $size"
done

for page in "$prefix/share/man/man1/studio.1.gz" "$prefix/share/man/man6/firstperson.6.gz"; do
  MANWIDTH=80 man --warnings -l "$page" >formatted 2>warnings || fail "$page: man status $?"
  [ ! -s warnings ] || fail "$page: $(cat warnings)"
  grep -q '^EXIT STATUS' formatted || fail "$page tells no exit status"
done
for document in README.md LICENSE changelog.gz; do
  [ -f "$prefix/share/doc/studio3d/$document" ] || fail "$document missing from share/doc/studio3d"
done
# Every picture the installed README shows is installed where its link points.
for picture in $(grep -o '](docs/[^)]*\.png)' "$prefix/share/doc/studio3d/README.md" | sed 's/^](//; s/)$//'); do
  [ -f "$prefix/share/doc/studio3d/$picture" ] || fail "the README shows $picture, which is not installed"
done
echo "PASS"
