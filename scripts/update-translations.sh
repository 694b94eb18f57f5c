#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refreshes translations/*.ts from the texts in src/ (new texts come in unfinished, vanished ones
# are kept as obsolete). Also: cmake --build build --target update_translations
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
languages=(de fr es it pt_BR pl)
ts_files=()
for language in "${languages[@]}"; do
  ts_files+=("translations/brindlecast_$language.ts")
done
"$lupdate" -silent -recursive -locations relative -extensions cpp,h src -ts "${ts_files[@]}"
