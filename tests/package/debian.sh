#!/usr/bin/env bash
# The Debian package as a user gets it: its control fields and contents, then an install into a throwaway
# root (the system's own package database is left alone) where the installed program answers, and a removal
# that leaves nothing behind.
# Usage: debian.sh CPACK CPACK_CONFIG VERSION
source "$(dirname "$0")/../support/check.sh"
cpack=$1
config=$2
version=$3

"$cpack" -G DEB --config "$config" -B "$work" >"$work/cpack.log" 2>&1 || fail "cpack: $(cat "$work/cpack.log")"
deb=$work/studio3d_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work")"
dpkg-deb --info "$deb"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = studio3d ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version)"
[[ $(field Maintainer) == *\ \<*@*\> ]] || fail "maintainer '$(field Maintainer)'"
[[ ", $(field Depends)," == *", libsdl2-2.0-0 "* ]] || fail "no dependency on SDL2's run-time library"

dpkg-deb --contents "$deb" | awk '{print $6}' >"$work/contents"
for path in usr/bin/studio usr/bin/firstperson \
  usr/share/applications/studio3d-studio.desktop usr/share/applications/studio3d-firstperson.desktop \
  usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/studio3d.png \
  usr/share/man/man1/studio.1.gz usr/share/man/man6/firstperson.6.gz \
  usr/share/metainfo/dev.studio3d.studio3d.metainfo.xml usr/share/doc/studio3d/changelog.gz \
  usr/share/doc/studio3d/copyright usr/share/doc/studio3d/README.md usr/share/doc/studio3d/docs/model-van.png; do
  grep -qxF "./$path" "$work/contents" || fail "$path missing from the package"
done

# Debian's layout: manual pages and the changelog only compressed, and compressed without a time stamp.
! grep -E '^\./usr/share/(man/.*\.[0-9]|doc/studio3d/changelog)$' "$work/contents" || fail "uncompressed manual page or changelog"
mkdir "$work/unpacked"
dpkg-deb --extract "$deb" "$work/unpacked"
for compressed in "$work"/unpacked/usr/share/man/man*/*.gz "$work/unpacked/usr/share/doc/studio3d/changelog.gz"; do
  [ "$(od -An -tu4 -j4 -N4 "$compressed" | tr -d ' ')" = 0 ] || fail "$compressed keeps a time stamp"
done

root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
throwaway_dpkg() { dpkg --root="$root" --log="$work/dpkg.log" "$@" >>"$work/dpkg.out" 2>&1; }
# Its dependencies are not in the throwaway root.
throwaway_dpkg --force-depends -i "$deb" || fail "install: $(cat "$work/dpkg.out")"
[ "$(cd "$work" && "$root/usr/bin/studio" --version)" = "studio $version" ] || fail "installed studio --version"
throwaway_dpkg -r studio3d || fail "removal: $(cat "$work/dpkg.out")"
left=$(cd "$root" && find . -mindepth 1 -not -path ./var -not -path ./var/lib -not -path './var/lib/dpkg*')
[ -z "$left" ] || fail "left behind after removal: $left"
echo "PASS"
