#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package into a temporary folder and checks what apt will see: the declared
# dependencies, the installed layout (program folder, relative bin/ link, desktop files), the
# licence and changelog, and that Samples/ holds the generated recordings and nothing else, even
# when a run has left files of its own in the build's Samples/. It packs from another folder
# than the repository's, as a user may.
#
# Usage: package-test.sh BUILD_DIR CPACK RECORDING...
set -euo pipefail

build=$1
cpack=$2
shift 2
recordings=("$@")

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

[ ${#recordings[@]} -gt 0 ] || fail "no sample recordings named"
out=$(mktemp -d "${TMPDIR:-/tmp}/brindlecast-package.XXXXXX")
# What a run that saved beside the samples leaves there.
stray="$build/Samples/package-test stray.aac"
trap 'rm -rf "$out"; rm -f "$stray"' EXIT
mkdir -p "$build/Samples"
: >"$stray"
(cd "$out" && "$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1) ||
  fail "cpack failed: $(tail -n 5 "$out/cpack.log")"
rm -f "$stray"
debs=("$out"/brindlecast-studio_*.deb)
[ -f "${debs[0]}" ] || fail "no brindlecast-studio_*.deb in $(ls "$out")"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
for package in ffmpeg libmediainfo0v5 qt6-translations-l10n libqt6core6 libqt6gui6 libqt6widgets6 \
  libqt6dbus6; do
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
  './usr/share/icons/hicolor/48x48/apps/brindlecast-studio.png' \
  './usr/share/doc/brindlecast-studio/copyright' \
  './usr/share/doc/brindlecast-studio/changelog.Debian.gz'; do
  grep -qF " $path" <<<"$contents" || fail "the package lacks $path"
done

samples_prefix='./usr/lib/brindlecast-studio/Samples/'
expected=$(printf '%s\n' "${recordings[@]}" | LC_ALL=C sort)
shipped=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -F "$samples_prefix" |
  sed "s|^$samples_prefix||" | grep -v '^$' | LC_ALL=C sort || true)
[ "$shipped" = "$expected" ] ||
  fail "Samples/ in the package holds \"${shipped//$'\n'/, }\" instead of the recordings \"${expected//$'\n'/, }\""

unpacked="$out/unpacked"
dpkg-deb -x "$deb" "$unpacked"
doc="$unpacked/usr/share/doc/brindlecast-studio"
head -n 1 "$doc/copyright" |
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "copyright is not in the machine-readable format"
grep -qx 'License: GPL-3+' "$doc/copyright" || fail "copyright does not name GPL-3+"
version=$(dpkg-deb -f "$deb" Version)
changelog=$(gzip -dc "$doc/changelog.Debian.gz") || fail "changelog.Debian.gz is not gzip"
head -n 1 <<<"$changelog" | grep -qF "brindlecast-studio ($version) " ||
  fail "the changelog's latest entry is not for $version: $(head -n 1 <<<"$changelog")"
echo "$(basename "$deb"): Depends: $depends"
