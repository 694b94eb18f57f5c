#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks what apt will see: the declared
# dependencies and the installed layout (program folder, relative bin/ link, desktop files).
#
# Usage: package-test.sh BUILD_DIR CPACK
set -euo pipefail

build=$1
cpack=$2

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

out=$(mktemp -d "${TMPDIR:-/tmp}/brindlecast-package.XXXXXX")
trap 'rm -rf "$out"' EXIT
"$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  fail "cpack failed: $(tail -n 5 "$out/cpack.log")"
debs=("$out"/brindlecast-studio_*.deb)
[ -f "${debs[0]}" ] || fail "no brindlecast-studio_*.deb in $(ls "$out")"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
for package in ffmpeg libmediainfo0v5 libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

contents=$(dpkg-deb -c "$deb")
for path in \
  './usr/bin/brindlecast-studio -> ../lib/brindlecast-studio/brindlecast-studio' \
  './usr/lib/brindlecast-studio/brindlecast-studio' \
  './usr/lib/brindlecast-studio/HAND-M.CUR' \
  './usr/lib/brindlecast-studio/drag.ico' \
  './usr/lib/brindlecast-studio/brindlecast.xpm' \
  './usr/share/applications/brindlecast-studio.desktop' \
  './usr/share/metainfo/org.quenbrook.BrindlecastStudio.metainfo.xml' \
  './usr/share/icons/hicolor/scalable/apps/brindlecast-studio.svg' \
  './usr/share/icons/hicolor/48x48/apps/brindlecast-studio.png'; do
  grep -qF " $path" <<<"$contents" || fail "the package lacks $path"
done
echo "$(basename "$deb"): Depends: $depends"
