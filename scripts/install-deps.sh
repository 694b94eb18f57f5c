#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing need.
# Skips apt-get entirely when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format git
  qt6-base-dev libgl-dev libgtest-dev
  # lupdate and lrelease for the catalogues; Qt's own catalogues for its dialogs
  qt6-l10n-tools qt6-translations-l10n
  # the task-bar and notification tests start a private session bus
  dbus-daemon
  ffmpeg libmediainfo0v5
  # the command line's recipe for large archives is tested with GNU parallel
  parallel
  fonts-liberation
  # application icon, Debian package, desktop-file and AppStream validators
  librsvg2-bin dpkg-dev file desktop-file-utils appstream
  # real-window test: private X server, window lookup, screenshots, pointer probe
  xvfb x11-utils xdotool imagemagick libx11-dev libxfixes-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
