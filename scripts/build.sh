#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds into build/ (or $BUILD_DIR). Extra arguments go to cmake's configure step.
# BUILD_TARGETS (space-separated) builds only those targets; by default everything is built.
# Where ccache is installed, compilations go through it (an argument
# -DCMAKE_CXX_COMPILER_LAUNCHER= given here turns that off again).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" "$@" >/dev/null
targets=()
for target in ${BUILD_TARGETS:-}; do
  targets+=(--target "$target")
done
cmake --build "$build_dir" --parallel "$(nproc)" "${targets[@]}"
