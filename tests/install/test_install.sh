#!/usr/bin/env bash
# Usage: test_install.sh BUILD_DIR SOURCE_DIR
# Installs into a scratch prefix and checks that pomuri lands where a desktop expects it, with
# entries the freedesktop validators accept; compiles the Windows resource script so it cannot rot.
set -u
build=$1
source=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
check() {
  local description=$1
  shift
  if "$@"; then echo "ok: $description"; else echo "FAIL: $description" >&2; failures=$((failures + 1)); fi
}

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install" >&2; exit 1; }
desktop="$prefix/share/applications/com.example.pomuri.desktop"
metainfo="$prefix/share/metainfo/com.example.pomuri.metainfo.xml"
icon="$prefix/share/icons/hicolor/32x32/apps/pomuri.png"

has_line() { grep -q -x -F -- "$2" "$1"; } # has_line FILE LINE
record_has() { grep -q -E -- "$1" <<<"$record"; }

check "the binary is installed and executable" test -x "$prefix/bin/pomuri"
check "the desktop entry is valid" desktop-file-validate "$desktop"
check "the desktop entry is named pomuri" has_line "$desktop" 'Name=pomuri'
check "its Japanese name is ぽむりの時計" has_line "$desktop" 'Name[ja]=ぽむりの時計'
check "its icon is pomuri" has_line "$desktop" 'Icon=pomuri'
check "the metainfo is valid" appstreamcli validate --no-net "$metainfo"
check "the metainfo carries version 1.0.0.0" grep -q 'release version="1.0.0.0"' "$metainfo"
check "the icon is a 32x32 PNG" test "$(identify -format '%m %wx%h' "$icon")" = "PNG 32x32"
check "the icon has at most 256 colours" test "$(identify -format '%k' "$icon")" -le 256

# The Windows version record: compile it, read it back, and look at what a Windows shell shows.
res="$prefix/pomuri.res"
(cd "$source/resources" && x86_64-w64-mingw32-windres --preprocessor=cpp -J rc -O res -i pomuri.rc -o "$res")
check "the resource script compiles" test -s "$res"
record=$(x86_64-w64-mingw32-windres -J res -O rc -i "$res" 2>/dev/null)
check "file version 1.0.0.0" record_has 'FILEVERSION 1, 0, 0, 0'
check "product version 1.0.0.0" record_has 'PRODUCTVERSION 1, 0, 0, 0'
check "texts in Japanese with the Unicode code page" record_has 'BLOCK "041104B0"'
check "translation Japanese, Unicode" record_has 'VALUE "Translation", 0x411, 1200'
check "product name pomuri" record_has 'VALUE "ProductName", "pomuri"'
check "text versions 1.00" record_has 'VALUE "FileVersion", "1.00"'
check "the icon is in the record" record_has 'RT_GROUP_ICON'

[ "$failures" -eq 0 ] && echo "all checks passed"
exit $((failures > 0))
