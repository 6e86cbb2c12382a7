# SPDX-License-Identifier: MIT
# Sound effects are synthesized by scripts/make_sounds.py into FLAC files in
# the build's sounds/ folder, beside models/ and textures/.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(SOX sox REQUIRED)

# The list is read here and by the code, through a header written from it.
set(SOUND_LIST ${CMAKE_SOURCE_DIR}/audio/sound_files.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${SOUND_LIST})
file(STRINGS ${SOUND_LIST} SOUND_NAMES REGEX "^[a-z_]+$")
set(SOUND_OUTPUTS)
set(SOUND_FILE_NAMES)
foreach(name ${SOUND_NAMES})
  list(APPEND SOUND_OUTPUTS ${CMAKE_BINARY_DIR}/sounds/${name}.flac)
  string(APPEND SOUND_FILE_NAMES "    \"${name}.flac\",\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/audio/sound_file_names.h CONTENT
"// Written by cmake/Sounds.cmake from audio/sound_files.txt.
#pragma once
constexpr const char* kSoundFileNames[] = {
${SOUND_FILE_NAMES}};
")
add_custom_command(OUTPUT ${SOUND_OUTPUTS}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/make_sounds.py
          ${CMAKE_BINARY_DIR}/sounds
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make_sounds.py
  COMMENT "Synthesizing sounds" VERBATIM)
