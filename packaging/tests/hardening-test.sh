#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that an optimised build's executable carries the usual hardening: position-independent,
# full RELRO (relocations read-only after start, resolved at once), stack protector and checked
# buffer functions.
#
# Usage: hardening-test.sh EXECUTABLE
set -euo pipefail

program=$1

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

header=$(readelf --file-header --wide "$program")
grep -Eq 'Type: +DYN' <<<"$header" || fail "$program is not position-independent"
dynamic=$(readelf --dynamic --wide "$program")
grep -Eq '\(FLAGS_1\).*PIE' <<<"$dynamic" || fail "$program is not marked PIE"
grep -Eq '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' <<<"$dynamic" ||
  fail "$program resolves its symbols lazily (no BIND_NOW): RELRO is partial"
readelf --program-headers --wide "$program" | grep -q 'GNU_RELRO' || fail "$program has no RELRO segment"
symbols=$(readelf --dyn-syms --wide "$program")
grep -q '__stack_chk_fail' <<<"$symbols" || fail "$program has no stack protector"
grep -E '__[a-z0-9_]+_chk\b' <<<"$symbols" | grep -vq '__stack_chk_fail' ||
  fail "$program calls no checked buffer function (_FORTIFY_SOURCE)"
echo "$program: PIE, full RELRO, stack protector, checked buffer functions"
