#!/usr/bin/env bash
# Usage: test_package.sh BUILD_DIR, inside a desktop session. Builds the Debian package from the
# build, checks its fields, its contents and what lintian says of it, validates the desktop entry
# and the metainfo it carries, and starts the program unpacked from the package far enough to see
# its window. Nothing is installed on this machine.
source "$(dirname "$0")/../desktop/lib.sh"
scratch=$(mktemp -d)
trap 'cleanup_children; rm -rf "$scratch"' EXIT

(cd "$1" && cpack -B "$scratch" >"$ARTIFACTS/cpack.log" 2>&1) || { fail "cpack failed"; finish; }
deb=$scratch/pomuri_1.0.0.0-1_amd64.deb
check "the package is pomuri_1.0.0.0-1_amd64.deb" test -f "$deb"
dpkg-deb --info "$deb" >"$ARTIFACTS/info.txt"
dpkg-deb --contents "$deb" >"$ARTIFACTS/contents.txt"
check "section utils, version 1.0.0.0-1" [ "$(dpkg-deb -f "$deb" Section Version | tr '\n' ' ')" = "Section: utils Version: 1.0.0.0-1 " ]
for dependency in libqt6widgets6 libc6 fonts-ipafont-gothic qt6-translations-l10n; do
  check "it depends on $dependency" grep -q "$dependency" <<<"$(dpkg-deb -f "$deb" Depends)"
done
for file in bin/pomuri share/applications/com.example.pomuri.desktop share/metainfo/com.example.pomuri.metainfo.xml \
  share/icons/hicolor/32x32/apps/pomuri.png share/doc/pomuri/copyright share/doc/pomuri/changelog.Debian.gz; do
  check "it holds /usr/$file" grep -q " ./usr/$file\$" "$ARTIFACTS/contents.txt"
done
# The package names whoever builds it (DEBEMAIL, else the local account): here a machine's own
# address, which a package meant for Debian's archive would not have.
lintian --suppress-tags bogus-mail-host,bogus-mail-host-in-debian-changelog,root-in-contact "$deb" >"$ARTIFACTS/lintian.txt" 2>&1
check "lintian finds no error" eval '! grep -q "^E:" "$ARTIFACTS/lintian.txt"'

dpkg-deb -x "$deb" "$scratch/root"
usr=$scratch/root/usr
check "no made-up address in its fields or files" eval \
  '! { dpkg-deb -f "$deb"; zcat "$usr/share/doc/pomuri/changelog.Debian.gz"; cat "$usr/share/doc/pomuri/copyright" "$usr"/share/metainfo/*; } | grep -q "example\.com"'
check "its desktop entry is valid" desktop-file-validate "$usr/share/applications/com.example.pomuri.desktop"
check "its metainfo is valid" appstreamcli validate --no-net "$usr/share/metainfo/com.example.pomuri.metainfo.xml"
read -r kind size colours <<<"$(identify -format '%m %wx%h %k' "$usr/share/icons/hicolor/32x32/apps/pomuri.png")"
check "its icon is a 32x32 PNG of at most 256 colours ($kind $size, $colours)" [ "$kind $size" = "PNG 32x32" -a "$colours" -le 256 ]

POMURI=$usr/bin/pomuri start_pomuri
check "the program from the package shows its clock" eval 'find_window "ぽむりの時計" >/dev/null'
finish
