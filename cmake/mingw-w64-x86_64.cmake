# SPDX-License-Identifier: MIT
# Toolchain for the Windows build: Debian's MinGW-w64 (posix threads), x86_64.
#
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DKRELLWICK_WINDEPS="$(scripts/windows_deps.sh | tail -n1)"
#
# KRELLWICK_WINDEPS (cache variable, or else the environment variable of that name)
# is the prefix scripts/windows_deps.sh prints. Libraries, headers, CMake packages
# and pkg-config files are looked for only there and in /usr/x86_64-w64-mingw32,
# never among the build machine's own. When wine is installed, cross-built tests
# run under it (ctest), with the prefix's bin folder on WINEPATH for its DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_krellwick_host x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_krellwick_host}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_krellwick_host}-g++-posix)
set(CMAKE_RC_COMPILER ${_krellwick_host}-windres)

if(NOT KRELLWICK_WINDEPS AND DEFINED ENV{KRELLWICK_WINDEPS})
  set(KRELLWICK_WINDEPS "$ENV{KRELLWICK_WINDEPS}")
endif()
set(KRELLWICK_WINDEPS "${KRELLWICK_WINDEPS}" CACHE PATH "Prefix built by scripts/windows_deps.sh")
# try_compile projects read this file again without the cache: hand the value on.
set(ENV{KRELLWICK_WINDEPS} "${KRELLWICK_WINDEPS}")

set(CMAKE_FIND_ROOT_PATH /usr/${_krellwick_host})
if(KRELLWICK_WINDEPS)
  list(PREPEND CMAKE_FIND_ROOT_PATH "${KRELLWICK_WINDEPS}")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# zlib links statically (libz.a of libz-mingw-w64-dev), as libpng in the prefix does.
set(ZLIB_USE_STATIC_LIBS ON)

# pkg-config sees the prefix's .pc files and the sysroot's (zlib) only.
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_LIBDIR} "/usr/${_krellwick_host}/lib/pkgconfig")
if(KRELLWICK_WINDEPS)
  set(ENV{PKG_CONFIG_LIBDIR} "${KRELLWICK_WINDEPS}/lib/pkgconfig:$ENV{PKG_CONFIG_LIBDIR}")
endif()

find_program(KRELLWICK_WINE wine)
if(KRELLWICK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all
      "WINEDLLOVERRIDES=mscoree,mshtml=\;winealsa.drv,winepulse.drv=d"
      "WINEPATH=Z:${KRELLWICK_WINDEPS}/bin" ${KRELLWICK_WINE})
endif()
