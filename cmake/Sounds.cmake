# SPDX-License-Identifier: MIT
# Sound effects are synthesized by scripts/make_sounds.py into FLAC files in
# the build's sounds/ folder, beside models/ and textures/.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(SOX sox REQUIRED)

set(SOUND_NAMES car_shot balloon_shot ground_hit rabbit_hit balloon_hit balloon_destroyed
    car_hit car_death drive_out game_start jump land turret rabbit_hop engine_hum
    night_ambience)
set(SOUND_OUTPUTS)
foreach(name ${SOUND_NAMES})
  list(APPEND SOUND_OUTPUTS ${CMAKE_BINARY_DIR}/sounds/${name}.flac)
endforeach()
add_custom_command(OUTPUT ${SOUND_OUTPUTS}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/make_sounds.py
          ${CMAKE_BINARY_DIR}/sounds
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make_sounds.py
  COMMENT "Synthesizing sounds" VERBATIM)
