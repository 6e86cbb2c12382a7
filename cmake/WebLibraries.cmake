# SPDX-License-Identifier: MIT
# The libraries of the browser build (emcmake): GL, GLUT and OpenAL from
# Emscripten itself, the rest from the prefix scripts/web_deps.sh builds.
# The targets take the names the desktop build finds, so the rest of the
# build is the same.
set(KRELLWICK_WEBDEPS "" CACHE PATH "Prefix made by scripts/web_deps.sh")
if(NOT EXISTS "${KRELLWICK_WEBDEPS}/.complete")
  message(FATAL_ERROR "KRELLWICK_WEBDEPS must name a prefix made by scripts/web_deps.sh")
endif()
list(PREPEND CMAKE_FIND_ROOT_PATH ${KRELLWICK_WEBDEPS})
set(dep ${KRELLWICK_WEBDEPS})

# WebGL 2, which the game's OpenGL 1.x calls reach through the layer in
# platform/web_gl2_*.cpp.
add_library(OpenGL::GL INTERFACE IMPORTED)
set_target_properties(OpenGL::GL PROPERTIES INTERFACE_LINK_OPTIONS
  "-sMIN_WEBGL_VERSION=2;-sMAX_WEBGL_VERSION=2;-lGL")
add_library(GLUT::GLUT INTERFACE IMPORTED)
set_target_properties(GLUT::GLUT PROPERTIES INTERFACE_LINK_OPTIONS "-lglut")
add_library(PkgConfig::OPENAL INTERFACE IMPORTED)
set_target_properties(PkgConfig::OPENAL PROPERTIES INTERFACE_LINK_OPTIONS "-lopenal")
# No threads: pages without cross-origin isolation get no shared memory.
add_library(Threads::Threads INTERFACE IMPORTED)

set(SOIL_INCLUDE_DIR ${dep}/include)
set(SOIL_LIBRARY ${dep}/lib/libSOIL.a)
add_library(PNG::PNG INTERFACE IMPORTED)
set_target_properties(PNG::PNG PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${dep}/include
  INTERFACE_LINK_LIBRARIES "${dep}/lib/libpng16.a;${dep}/lib/libz.a")
# libsndfile with its FLAC, Ogg, Vorbis and Opus decoders, in link order.
add_library(PkgConfig::SNDFILE INTERFACE IMPORTED)
set_target_properties(PkgConfig::SNDFILE PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${dep}/include
  INTERFACE_LINK_LIBRARIES
  "${dep}/lib/libsndfile.a;${dep}/lib/libFLAC.a;${dep}/lib/libvorbisenc.a;${dep}/lib/libvorbis.a;${dep}/lib/libopus.a;${dep}/lib/libogg.a")
