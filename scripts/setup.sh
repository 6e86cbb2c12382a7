#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages the game and its tests need, when missing
# (--play: only what playing needs; --web: the browser build and its test).
# As root it runs apt-get itself; otherwise it prints the one line to run.
set -euo pipefail

packages=(cmake g++ make pkg-config freeglut3-dev libx11-dev libxext-dev libxrender-dev libgl-dev libglu1-mesa-dev libsoil-dev libpng-dev
          libgtest-dev libbenchmark-dev librsvg2-bin fonts-dejavu-core xvfb xdotool x11-utils xauth
          clang libclang-rt-14-dev python3 python3-numpy libgl1-mesa-dri locales
          libopenal-dev libsndfile1-dev libsdl2-dev sox libsox-fmt-base)
# Building the Debian package and checking it.
packages+=(dpkg-dev file lintian appstream desktop-file-utils)
# The Windows build (scripts/windows.sh) and its tests under Wine.
if [ "${1:-}" = "--windows" ]; then
  packages=(cmake make pkg-config g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev
            googletest nsis icoutils librsvg2-bin fonts-dejavu-core python3 python3-numpy sox libsox-fmt-base wine wine64
            xvfb xdotool x11-utils xauth imagemagick)
fi
# The browser build (scripts/web.sh) and its test in headless Chromium.
if [ "${1:-}" = "--web" ]; then
  packages=(emscripten cmake make python3 librsvg2-bin fonts-dejavu-core sox libsox-fmt-base googletest xz-utils
            chromium chromium-driver python3-selenium python3-pil)
fi
if [ "${1:-}" = "--play" ]; then
  packages=(cmake g++ make pkg-config freeglut3-dev libx11-dev libxext-dev libxrender-dev libgl-dev libglu1-mesa-dev libsoil-dev libpng-dev
            librsvg2-bin fonts-dejavu-core libgl1-mesa-dri libopenal-dev libsndfile1-dev libsdl2-dev sox libsox-fmt-base python3)
fi

# The number-reading tests run under a comma-decimal locale.
test_locale() {
  [ "${1:-}" = "--play" ] || [ "${1:-}" = "--windows" ] || [ "${1:-}" = "--web" ] || locale -a 2>/dev/null | grep -qx 'de_DE.utf8' && return 0
  if [ "$(id -u)" -eq 0 ]; then localedef -i de_DE -f UTF-8 de_DE.UTF-8
  else echo "Missing locale. Make it with: sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8" >&2; return 1; fi
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && { test_locale "${1:-}"; exit; }

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
else
  echo "Missing packages. Install them with:" >&2
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
test_locale "${1:-}"
