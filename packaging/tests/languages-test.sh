#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The menu entry and the software centres' description speak every language the program has a
# catalogue for: the desktop entry's GenericName, Comment and Keywords, the AppStream summary,
# description and screenshot caption.
#
# Usage: languages-test.sh SOURCE_DIR METAINFO
set -euo pipefail
source_dir=$1
metainfo=$2
desktop="$source_dir/packaging/brindlecast-studio.desktop"
missing=()
for catalogue in "$source_dir"/translations/brindlecast_*.ts; do
  language=$(basename "$catalogue" .ts)
  language=${language#brindlecast_}
  for key in GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=." "$desktop" || missing+=("$key[$language] in the desktop entry")
  done
  for element in summary p caption; do
    grep -q "<$element xml:lang=\"$language\">" "$metainfo" ||
      missing+=("<$element xml:lang=\"$language\"> in the AppStream data")
  done
done
if [ ${#missing[@]} -gt 0 ]; then
  printf 'FAIL: no %s\n' "${missing[@]}" >&2
  exit 1
fi
echo "the desktop entry and the AppStream data carry every language of translations/"
