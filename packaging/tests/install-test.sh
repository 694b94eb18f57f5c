#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging folder and checks the layout a desktop needs: the program
# folder holding the executable and its files, the relative bin/ link, the menu entry, the icons
# and the AppStream data. Then starts the program through its bin/ link on a private X server
# (window-test.sh), where it must find its icon and hand pointer in the program folder.
#
# Usage: install-test.sh BUILD_DIR WINDOW_PROBE
set -euo pipefail

build=$1
probe=$2
here=$(cd "$(dirname "$0")" && pwd)

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

stage=$(mktemp -d "${TMPDIR:-/tmp}/brindlecast-stage.XXXXXX")
trap 'rm -rf "$stage"' EXIT
prefix="$stage/usr"
cmake --install "$build" --prefix "$prefix" >"$stage/install.log" ||
  fail "cmake --install failed: $(tail -n 5 "$stage/install.log")"

program_folder="$prefix/lib/brindlecast-studio"
[ -x "$program_folder/brindlecast-studio" ] || fail "no executable in $program_folder"
for name in HAND-M.CUR drag.ico brindlecast.xpm; do
  [ -f "$program_folder/$name" ] || fail "$name is not beside the installed executable"
done
if [ -d "$build/Samples" ]; then
  [ -d "$program_folder/Samples" ] || fail "the build's Samples folder was not installed"
fi

link="$prefix/bin/brindlecast-studio"
[ -L "$link" ] || fail "$link is not a symbolic link"
case "$(readlink "$link")" in
/*) fail "$link points to an absolute path; a moved or packaged tree would break it" ;;
esac
[ "$(readlink -f "$link")" = "$(readlink -f "$program_folder/brindlecast-studio")" ] ||
  fail "$link does not lead to the executable in the program folder"

share="$prefix/share"
[ -f "$share/applications/brindlecast-studio.desktop" ] || fail "no desktop entry"
[ -f "$share/metainfo/org.quenbrook.BrindlecastStudio.metainfo.xml" ] || fail "no AppStream data"
[ -f "$share/icons/hicolor/scalable/apps/brindlecast-studio.svg" ] || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
  png="$share/icons/hicolor/${size}x${size}/apps/brindlecast-studio.png"
  [ -f "$png" ] || fail "no ${size}x${size} icon"
  [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "$png is not ${size}x${size}"
done
grep -qx 'Exec=brindlecast-studio %F' "$share/applications/brindlecast-studio.desktop" ||
  fail "the desktop entry does not start brindlecast-studio with the opened files"

"$here/window-test.sh" "$link" "$probe" "$build/screenshots/installed-window.png"
echo "installed layout under $prefix is complete; the program starts through bin/"
