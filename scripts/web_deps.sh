#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libraries of the web build (Emscripten, wasm32) once, into a
# prefix named after their versions and the compiler's, and prints that prefix
# as the last line of stdout:
#   prefix=$(scripts/web_deps.sh | tail -n1)
# A prefix whose stamp file exists is reused as it is. Sources are the upstream
# .orig tarballs of Debian's archive, the same as the Windows build's, checked
# against the signed Sources index (scripts/debian_sources.sh); GoogleTest for
# the unit tests comes from Debian's googletest package.
# Progress goes to stderr; each build's output goes to <prefix>.log.
# KRELLWICK_WEBDEPS_ROOT overrides the cache folder (~/.cache/krellwick/webdeps).
# Needs emscripten, cmake and googletest installed (scripts/web.sh does that).
set -euo pipefail

recipe=1   # raise when the build steps below change
suite=trixie
# Debian source package, upstream version as in its .orig tarball name
pinned=(
  zlib 1.3.dfsg+really1.3.1
  libpng1.6 1.6.48
  libsoil 1.07.20080707.dfsg
  libogg 1.3.5
  flac 1.5.0+ds
  libvorbis 1.3.7
  opus 1.5.2
  libsndfile 1.2.2
)

say() { echo "web_deps: $*" >&2; }
die() { say "$*"; exit 1; }

here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/debian_sources.sh"
export NODE_PATH=/usr/share/nodejs   # emscripten's tools need Debian's acorn

root=${KRELLWICK_WEBDEPS_ROOT:-$HOME/.cache/krellwick/webdeps}
versions=$(dpkg-query -W -f='${Version}\n' emscripten googletest)
claim_prefix "$root" "$versions"

start_build
export CFLAGS="-O2" CXXFLAGS="-O2" LDFLAGS= PKG_CONFIG_PATH= PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig

with_cmake() {  # with_cmake [-DOPTION=VALUE...]: configure, build and install $src
  { emcmake cmake -S "$src" -B "$src/_build" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR=lib -DCMAKE_FIND_ROOT_PATH="$prefix" \
      -DBUILD_SHARED_LIBS=OFF "$@" &&
    cmake --build "$src/_build" -j2 && cmake --install "$src/_build"; } >>"$log" 2>&1 \
    || die "${src##*/} failed; see $log"
}

sources_init "$root" "$suite" "$log"
fetch_pinned

unpack zlib
{ cd "$src" && emconfigure ./configure --static --prefix="$prefix" && emmake make -j2 libz.a &&
  emmake make install; } >>"$log" 2>&1 || die "zlib failed; see $log"
cd "$here"
licence zlib "$src/LICENSE"

unpack libpng1.6
with_cmake -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_TOOLS=OFF -DPNG_EXECUTABLES=OFF \
  -DPNG_HARDWARE_OPTIMIZATIONS=OFF -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include"
licence libpng "$src/LICENSE"

unpack libsoil
# SOIL looks one entry point up through GLX, which Emscripten has not: its own lookup stands in.
mkdir -p "$work/glx/GL"
printf '%s\n' '#include <GL/gl.h>' 'void *emscripten_GetProcAddress(const char *name);' \
  '#define glXGetProcAddressARB(name) emscripten_GetProcAddress((const char *)(name))' >"$work/glx/GL/glx.h"
( cd "$src/src" && for f in SOIL image_helper stb_image_aug image_DXT; do
    emcc -std=gnu99 -O2 -I"$work/glx" -c $f.c -o "$work/$f.o" || exit 1
  done ) >>"$log" 2>&1 || die "SOIL failed; see $log"
emar rcs "$prefix/lib/libSOIL.a" "$work"/{SOIL,image_helper,stb_image_aug,image_DXT}.o
install -D -m644 "$src/src/SOIL.h" "$prefix/include/SOIL/SOIL.h"
licence SOIL "$src/soil.html"

# CMake's type-size checks read the size from the compiled test program,
# which Emscripten writes as JavaScript beside the WebAssembly that holds it:
# they find nothing. wasm32's sizes are given instead, under the names libogg
# and libsndfile check them by.
sizes=$work/wasm32-sizes.cmake
for pair in INT16_SIZE=2 UINT16_SIZE=2 INT32_SIZE=4 UINT32_SIZE=4 INT64_SIZE=8 SHORT_SIZE=2 \
            INT_SIZE=4 LONG_SIZE=4 LONG_LONG_SIZE=8 SIZEOF_DOUBLE=8 SIZEOF_FLOAT=4 SIZEOF_INT=4 \
            SIZEOF_INT64_T=8 SIZEOF_LONG=4 SIZEOF_LONG_LONG=8 SIZEOF_OFF_T=8 SIZEOF_SHORT=2 \
            SIZEOF_SIZE_T=4 SIZEOF_SSIZE_T=4 SIZEOF_VOIDP=4 SIZEOF_WCHAR_T=4; do
  echo "set(HAVE_${pair%=*} TRUE CACHE INTERNAL \"\")"
  echo "set(${pair%=*} ${pair#*=} CACHE INTERNAL \"\")"
done >"$sizes"
for absent in U_INT16_SIZE U_INT32_SIZE SIZEOF_LOFF_T SIZEOF_OFF64_T; do
  echo "set(HAVE_$absent FALSE CACHE INTERNAL \"\")"
  echo "set($absent \"\" CACHE INTERNAL \"\")"
done >>"$sizes"

unpack libogg
with_cmake -C "$sizes" -DINSTALL_DOCS=OFF
licence libogg "$src/COPYING"

unpack flac
with_cmake -C "$sizes" -DBUILD_CXXLIBS=OFF -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_TESTING=OFF \
  -DBUILD_DOCS=OFF -DINSTALL_MANPAGES=OFF -DENABLE_MULTITHREADING=OFF -DWITH_FORTIFY_SOURCE=OFF \
  -DWITH_STACK_PROTECTOR=OFF -DWITH_ASM=OFF
licence flac "$src/COPYING.Xiph"

unpack libvorbis
with_cmake -C "$sizes"
licence libvorbis "$src/COPYING"

unpack opus
with_cmake -C "$sizes" -DOPUS_BUILD_PROGRAMS=OFF -DOPUS_BUILD_TESTING=OFF -DOPUS_DISABLE_INTRINSICS=ON \
  -DOPUS_STACK_PROTECTOR=OFF -DOPUS_FORTIFY_SOURCE=OFF
licence opus "$src/COPYING"

unpack libsndfile
with_cmake -C "$sizes" -DENABLE_EXTERNAL_LIBS=ON -DENABLE_MPEG=OFF -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF \
  -DBUILD_TESTING=OFF -DBUILD_REGTEST=OFF -DENABLE_CPACK=OFF -DINSTALL_MANPAGES=OFF
licence libsndfile "$src/COPYING"

say "googletest (at $((SECONDS - start)) s)"
src=$work/googletest
cp -r /usr/src/googletest "$src"
with_cmake -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=ON -DINSTALL_GTEST=ON

rm -rf "$prefix"/share/{doc,man} "$prefix"/bin
date -u +%FT%TZ >"$prefix/.complete"
say "done in $((SECONDS - start)) s"
echo "$prefix"
