#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libraries of the Windows build (MinGW-w64, x86_64) once, into a prefix
# named after their versions, and prints that prefix as the last line of stdout:
#   prefix=$(scripts/windows_deps.sh | tail -n1)
# A prefix whose stamp file exists is reused as it is. Sources are the upstream
# .orig tarballs of Debian's archive, fetched through apt with a private state
# folder and checked against the SHA-256 of the signed Sources index.
# Progress goes to stderr; each build's output goes to <prefix>.log.
# KRELLWICK_WINDEPS_ROOT overrides the cache folder (~/.cache/krellwick/windeps).
set -euo pipefail

recipe=2   # raise when the build steps below change
suite=trixie
# Debian source package, upstream version as in its .orig tarball name
pinned=(
  freeglut 3.4.0
  libsoil 1.07.20080707.dfsg
  libpng1.6 1.6.48
  libogg 1.3.5
  flac 1.5.0+ds
  libvorbis 1.3.7
  opus 1.5.2
  libsndfile 1.2.2
  openal-soft 1.24.2
  libsdl2 2.32.4+dfsg
)
host=x86_64-w64-mingw32
sysroot=/usr/$host
packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev binutils-mingw-w64-x86-64
          cmake make pkg-config python3 xz-utils)

say() { echo "windows_deps: $*" >&2; }
die() { say "$*"; exit 1; }

installed=$'\n'$(dpkg-query -W -f='${db:Status-Abbrev}${Package}\n' "${packages[@]}" 2>/dev/null || true)$'\n'
missing=()
for p in "${packages[@]}"; do [[ "$installed" == *$'\n'"ii $p"$'\n'* ]] || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  [ "$(id -u)" -eq 0 ] || die "missing packages; install them with: sudo apt-get install -y ${missing[*]}"
  say "installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  { apt-get update -q && apt-get install -y -q --no-install-recommends "${missing[@]}"; } >&2
fi

root=${KRELLWICK_WINDEPS_ROOT:-$HOME/.cache/krellwick/windeps}
compiler=$(dpkg-query -W -f='${Version}' gcc-mingw-w64-x86-64-posix)
# scripts/debian_sources.sh: a private apt state folder in $root/apt, tarballs in $root/tarballs.
. "$(dirname "$0")/debian_sources.sh"
claim_prefix "$root" "$compiler"

# ---- builds ---------------------------------------------------------------
here=$(cd "$(dirname "$0")/.." && pwd)
start_build
export KRELLWICK_WINDEPS=$prefix PKG_CONFIG_PATH= PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig:$sysroot/lib/pkgconfig
export CFLAGS="-O2" CXXFLAGS="-O2" LDFLAGS=

with_cmake() {  # with_cmake [-DOPTION=VALUE...]: configure, build and install $src
  { cmake -S "$src" -B "$src/_build" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR=lib "$@" &&
    cmake --build "$src/_build" -j2 && cmake --install "$src/_build" --strip; } >>"$log" 2>&1 \
    || die "${src##*/} failed; see $log"
}
with_configure() {  # with_configure [--option...]: static library through autotools
  { cd "$src" && ./configure --host=$host --prefix="$prefix" --disable-shared --enable-static "$@" &&
    make -j2 && make install; } >>"$log" 2>&1 || die "${src##*/} failed; see $log"
  cd "$here"
}

sources_init "$root" "$suite" "$log"
fetch_pinned

licence zlib /usr/share/doc/libz-mingw-w64/copyright

unpack libpng1.6
with_cmake -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_TOOLS=OFF -DPNG_EXECUTABLES=OFF \
  -DZLIB_LIBRARY="$sysroot/lib/libz.a" -DZLIB_INCLUDE_DIR="$sysroot/include"
licence libpng "$src/LICENSE"

unpack freeglut
with_cmake -DFREEGLUT_BUILD_SHARED_LIBS=OFF -DFREEGLUT_BUILD_STATIC_LIBS=ON -DFREEGLUT_BUILD_DEMOS=OFF \
  -DFREEGLUT_REPLACE_GLUT=ON -DFREEGLUT_GLES=OFF -DINSTALL_PDB=OFF
licence freeglut "$src/COPYING"

unpack libsoil
( cd "$src/src" && for f in SOIL image_helper stb_image_aug image_DXT; do
    $host-gcc-posix -std=gnu99 -O2 -DWIN32 -c $f.c -o "$work/$f.o" || exit 1
  done ) >>"$log" 2>&1 || die "SOIL failed; see $log"
$host-ar rcs "$prefix/lib/libSOIL.a" "$work"/{SOIL,image_helper,stb_image_aug,image_DXT}.o
install -D -m644 "$src/src/SOIL.h" "$prefix/include/SOIL/SOIL.h"
licence SOIL "$src/soil.html"

unpack libogg
with_configure
licence libogg "$src/COPYING"

unpack flac
with_cmake -DBUILD_SHARED_LIBS=OFF -DBUILD_CXXLIBS=OFF -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF \
  -DBUILD_TESTING=OFF -DBUILD_DOCS=OFF -DINSTALL_MANPAGES=OFF -DENABLE_MULTITHREADING=OFF \
  -DWITH_FORTIFY_SOURCE=OFF -DWITH_STACK_PROTECTOR=OFF
licence flac "$src/COPYING.Xiph"

unpack libvorbis
with_configure --disable-docs --disable-examples --disable-oggtest
licence libvorbis "$src/COPYING"

unpack opus
CFLAGS="-O2 -D_FORTIFY_SOURCE=0" with_configure --disable-doc --disable-extra-programs
licence opus "$src/COPYING"

unpack libsndfile
CFLAGS="-O2 -DFLAC__NO_DLL" with_cmake -DBUILD_SHARED_LIBS=ON -DENABLE_EXTERNAL_LIBS=ON -DENABLE_MPEG=OFF \
  -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_TESTING=OFF -DBUILD_REGTEST=OFF -DENABLE_CPACK=OFF \
  -DINSTALL_MANPAGES=OFF -DENABLE_STATIC_RUNTIME=ON
licence libsndfile "$src/COPYING"

unpack openal-soft
with_cmake -DALSOFT_EXAMPLES=OFF -DALSOFT_UTILS=OFF -DALSOFT_TESTS=OFF -DALSOFT_STATIC_LIBGCC=ON \
  -DALSOFT_STATIC_STDCXX=ON -DALSOFT_STATIC_WINPTHREAD=ON -DALSOFT_INSTALL_CONFIG=OFF \
  -DALSOFT_INSTALL_HRTF_DATA=OFF -DALSOFT_INSTALL_AMBDEC_PRESETS=OFF -DALSOFT_INSTALL_EXAMPLES=OFF \
  -DALSOFT_INSTALL_UTILS=OFF
licence openal-soft "$src/COPYING" "$src/BSD-3Clause" "$src/LICENSE-pffft"

# SDL2 reads the gamepads only: no video, sound or the rest. Built in whole
# into the program, which keeps its own main and its console.
unpack libsdl2
with_cmake -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON \
  -DSDL_VIDEO=OFF -DSDL_RENDER=OFF -DSDL_AUDIO=OFF -DSDL_HAPTIC=OFF -DSDL_POWER=OFF \
  -DSDL_FILESYSTEM=OFF -DSDL_LOCALE=OFF -DSDL_MISC=OFF -DSDL_SENSOR=OFF \
  -DSDL_JOYSTICK=ON -DSDL_HIDAPI=ON -DSDL_EVENTS=ON -DSDL_THREADS=ON -DSDL_TIMERS=ON -DSDL_DIRECTX=ON
licence SDL2 "$src/LICENSE.txt"

# Only what the game's build and its Windows package use.
rm -rf "$prefix"/share/{aclocal,doc,man} "$prefix"/lib/*.la "$prefix"/bin/libpng*-config "$prefix"/bin/sdl2-config

# The DLLs that ship may import system DLLs and each other only.
for dll in "$prefix"/bin/*.dll; do
  others=$($host-objdump -p "$dll" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' |
    grep -Evx '(kernel32|user32|gdi32|advapi32|ole32|oleaut32|shell32|winmm|msvcrt|ucrtbase|api-ms-win-.*|avrt|uuid|setupapi|libsndfile|openal32)\.dll' || true)
  [ -z "$others" ] || die "${dll##*/} needs DLLs that do not ship: $others"
done
date -u +%FT%TZ >"$prefix/.complete"
say "done in $((SECONDS - start)) s"
echo "$prefix"
