#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program and what it reads at run time (not the tests or
# benchmarks), and starts Brindlecast Studio.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
BUILD_TARGETS=brindlecast-studio "$root/scripts/build.sh"
exec "${BUILD_DIR:-$root/build}/brindlecast-studio"
