#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package afresh: build_package.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$1 out=$2
rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$build/cpack.log" 2>&1 \
  || { cat "$build/cpack.log" >&2; exit 1; }
rm -rf "$out/_CPack_Packages"
ls "$out"/krellwick_*.deb
