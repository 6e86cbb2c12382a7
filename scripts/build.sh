#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures and builds into build/ (or $BUILD_DIR):
#   scripts/build.sh [configure options] [-- build options]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
# Arguments before "--" go to the configure step, those after it to the build.
configure=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do configure+=("$1"); shift; done
[ $# -gt 0 ] && shift
cmake -S "$root" -B "$build" "${configure[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" "$@"
