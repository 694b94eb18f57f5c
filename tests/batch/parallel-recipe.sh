#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's recipe for a very large archive, on this machine: GNU parallel runs one
# `--convert` per folder. Both folders convert; a re-run with --skip-existing leaves them alone;
# a failed file in one folder makes parallel's status non-zero while the other folder is fine.
# Usage: parallel-recipe.sh PROGRAM
set -euo pipefail
program=$1
command -v parallel >/dev/null || { echo "GNU parallel is missing (scripts/install-deps.sh)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export TEMP=$work/tmp
export XDG_CACHE_HOME=$work/cache
mkdir -p "$TEMP" "$work/archive/choir" "$work/archive/jingles" "$work/out"
for file in choir/a choir/b jingles/c; do
  ffmpeg -v error -f lavfi -i sine=duration=0.3 -ac 1 -ar 8000 "$work/archive/$file.wav"
done

convert_all() {
  find "$work/archive" -mindepth 1 -maxdepth 1 -type d | sort |
    parallel --will-cite --jobs 2 \
      mkdir -p "$work/out/{/}" '&&' "$program" --convert --jobs 1 --skip-existing \
      --output-folder "$work/out/{/}" --keep-folders {}
}

fail() { echo "FAILED: $*"; exit 1; }

convert_all > "$work/first.log" || fail "first run: status $?"
for output in choir/a choir/b jingles/c; do
  [ -s "$work/out/$output.aac" ] || fail "no $output.aac"
done
grep -q "2 of 2 files converted, 0 failed, 0 skipped" "$work/first.log" || fail "choir summary"

convert_all > "$work/second.log" || fail "second run: status $?"
grep -q "0 of 2 files converted, 0 failed, 2 skipped" "$work/second.log" || fail "re-run not skipped"

echo "no sound" > "$work/archive/jingles/broken.wav"
status=0
convert_all > "$work/third.log" 2> "$work/third.err" || status=$?
[ "$status" -eq 1 ] || fail "one folder failed, parallel's status is $status"
grep -q "failed $work/archive/jingles/broken.wav: " "$work/third.err" || fail "no failure line"
grep -q "0 of 2 files converted, 0 failed, 2 skipped" "$work/third.log" || fail "choir not fine"
[ -z "$(ls -A "$TEMP")" ] || fail "encoder folders left in TEMP"
echo "parallel recipe: both folders converted, re-run skipped, one failure gave status 1"
