#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every catalogue in translations/ is complete for the texts in src/ as they stand:
# a copy of each is refreshed by lupdate, which must leave no text unfinished and none obsolete
# (a text that src/ no longer has). The catalogues themselves are not touched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
work=$(mktemp -d "${TMPDIR:-/tmp}/brindlecast-translations.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/translations"
status=0
for catalogue in "$root"/translations/brindlecast_*.ts; do
  copy="$work/translations/$(basename "$catalogue")"
  cp "$catalogue" "$copy"
  # From the source folder, so the copy's relative locations are worked out as the original's.
  (cd "$root" && "$lupdate" -silent -recursive -locations none -extensions cpp,h src -ts "$copy")
  unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
  obsolete=$(grep -c -E 'type="(obsolete|vanished)"' "$copy" || true)
  if [ "$unfinished" -ne 0 ] || [ "$obsolete" -ne 0 ]; then
    echo "$(basename "$catalogue"): $unfinished unfinished, $obsolete obsolete" >&2
    grep -B2 -E 'type="(unfinished|obsolete|vanished)"' "$copy" | grep '<source>' | head -n 5 >&2
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "every catalogue is complete: none unfinished, none obsolete"
exit "$status"
