#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file includes a header of a layer above its own:
#   core <- platform <- filelist, convert, samples <- batch <- app
# Usage: scripts/check-layers.sh [src folder]
set -euo pipefail
src=${1:-$(cd "$(dirname "$0")/../src" && pwd)}

# The folders each layer may include from.
declare -A allowed=(
  [core]="core"
  [platform]="core platform"
  [filelist]="core platform filelist"
  [convert]="core platform convert"
  [samples]="core platform filelist samples"
  [batch]="core platform convert filelist batch"
  [app]="core platform filelist convert samples batch app"
)

# One grep over every layer; each line is matched in the shell itself (no process per include).
layers=()
for layer in "${!allowed[@]}"; do
  [ -d "$src/$layer" ] && layers+=("$src/$layer")
done
if [ ${#layers[@]} -eq 0 ]; then
  echo "no layer folders in $src"
  exit 1
fi
pattern=':[0-9]+:#include "([^/"]+)/'
status=0
while IFS= read -r line; do
  [[ $line =~ $pattern ]] || continue
  target=${BASH_REMATCH[1]}
  relative=${line#"$src"/}
  layer=${relative%%/*}
  if [[ " ${allowed[$layer]} " != *" $target "* ]]; then
    echo "upward include: $line"
    status=1
  fi
done < <(grep -rHnE '^#include "[^/"]+/' "${layers[@]}" || true)
# Qt Core only below the window: no widgets or GUI types in core.
if grep -rnE '#include <Q(Widget|Application|Pixmap|Cursor|Icon|Painter|MessageBox|FileDialog)' "$src/core"; then
  echo "core must use Qt Core only"
  status=1
fi
[ "$status" -eq 0 ] && echo "layers: every include runs downward"
exit "$status"
