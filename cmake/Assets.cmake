# SPDX-License-Identifier: MIT
# Textures are drawn as SVG under assets/textures and rasterized here;
# models are text files copied as they are.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

# The game's icon, packaging/icon.svg, as a size x size PNG; further
# arguments go to rsvg-convert (a larger page around the picture).
function(krellwick_icon png size)
  get_filename_component(dir ${png} DIRECTORY)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} ${ARGN} -o ${png} ${CMAKE_SOURCE_DIR}/packaging/icon.svg
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/icon.svg VERBATIM)
endfunction()

file(GLOB TEXTURE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/textures/*.svg)
set(TEXTURE_OUTPUTS)
foreach(svg ${TEXTURE_SOURCES})
  get_filename_component(name ${svg} NAME_WE)
  set(png ${CMAKE_BINARY_DIR}/textures/${name}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/textures
    COMMAND ${RSVG_CONVERT} -o ${png} ${svg}
    DEPENDS ${svg}
    COMMENT "Rasterizing ${name}.png" VERBATIM)
  list(APPEND TEXTURE_OUTPUTS ${png})
endforeach()

file(GLOB MODEL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/models/*)
set(MODEL_OUTPUTS)
foreach(model ${MODEL_SOURCES})
  get_filename_component(name ${model} NAME)
  set(out ${CMAKE_BINARY_DIR}/models/${name})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy ${model} ${out}
    DEPENDS ${model} VERBATIM)
  list(APPEND MODEL_OUTPUTS ${out})
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/Sounds.cmake)

add_custom_target(krellwick_assets ALL DEPENDS ${TEXTURE_OUTPUTS} ${MODEL_OUTPUTS} ${SOUND_OUTPUTS})
