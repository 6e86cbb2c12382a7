#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Windows game on Debian with MinGW-w64 and packs it twice, into
# build-windows/ (or $WINDOWS_BUILD_DIR):
#   krellwick-<version>-win64.zip        a portable folder: unzip and play
#   krellwick-<version>-win64-setup.exe  an installer with a Start-menu entry
# The dependencies are built once by scripts/windows_deps.sh and reused.
#   scripts/windows.sh [configure options]   (-DBUILD_TESTING=ON adds the tests)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${WINDOWS_BUILD_DIR:-$root/build-windows}
"$root/scripts/setup.sh" --windows
prefix=$("$root/scripts/windows_deps.sh" | tail -n1)

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DKRELLWICK_WINDEPS="$prefix" -DCMAKE_BUILD_TYPE=Release -DKRELLWICK_BENCH=OFF \
  -DBUILD_TESTING=OFF "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"

version=$(sed -n 's/.*kKrellwickVersion = "\(.*\)";/\1/p' "$build/generated/app/version.h")
name=krellwick-$version-win64
stage=$build/stage/$name
rm -rf "$build/stage"
cmake --install "$build" --prefix "$stage" --strip >/dev/null

rm -f "$build/$name.zip"
(cd "$build/stage" && cmake -E tar cf "$build/$name.zip" --format=zip "$name")

# The uninstaller removes exactly what the folder holds.
files=$build/stage/installed_files.nsh
for path in "$stage"/*; do
  entry=$(basename "$path")
  if [ -d "$path" ]; then echo "RMDir /r \"\$INSTDIR\\$entry\""; else echo "Delete \"\$INSTDIR\\$entry\""; fi
done >"$files"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$build/generated/krellwick.ico" \
  -DOUTFILE="$build/$name-setup.exe" -DFILES="$files" "$root/packaging/windows/installer.nsi"

echo "Windows packages:"
ls -l "$build/$name.zip" "$build/$name-setup.exe" | awk '{print "  " $NF " (" $5 " bytes)"}'
