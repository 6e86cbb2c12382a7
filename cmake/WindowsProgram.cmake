# SPDX-License-Identifier: MIT
# krellwick.exe's icon, version and manifest resources, and the DLLs it runs with.

# What freeglut and SOIL, linked in whole, need of the system; named after
# them, as the linker reads static libraries in order. The timer and the
# sound device check use winmm too.
target_link_libraries(krellwick_core PUBLIC opengl32 winmm gdi32)

# The DLLs that go beside krellwick.exe, from the dependency prefix.
file(GLOB KRELLWICK_SHIPPED_DLLS ${KRELLWICK_WINDEPS}/bin/*.dll)
if(NOT KRELLWICK_SHIPPED_DLLS)
  message(FATAL_ERROR "No DLLs in ${KRELLWICK_WINDEPS}/bin: run scripts/windows_deps.sh")
endif()

# The icon and the version the file's properties show, built into the
# program, with the manifest that declares it aware of each monitor's scale.
find_program(ICOTOOL icotool REQUIRED)
set(KRELLWICK_ICON_PNGS)
foreach(size 16 24 32 48 64 256)
  set(png ${CMAKE_BINARY_DIR}/icons/windows/${size}.png)
  krellwick_icon(${png} ${size})
  list(APPEND KRELLWICK_ICON_PNGS ${png})
endforeach()
set(KRELLWICK_ICO ${CMAKE_BINARY_DIR}/generated/krellwick.ico)
add_custom_command(OUTPUT ${KRELLWICK_ICO}
  # The large picture stays PNG inside the icon, as Windows Vista and later read it.
  COMMAND ${ICOTOOL} -c -o ${KRELLWICK_ICO} ${KRELLWICK_ICON_PNGS} -r ${CMAKE_BINARY_DIR}/icons/windows/256.png
  DEPENDS ${KRELLWICK_ICON_PNGS} VERBATIM)
list(REMOVE_ITEM KRELLWICK_ICON_PNGS ${CMAKE_BINARY_DIR}/icons/windows/256.png)
set(KRELLWICK_MANIFEST ${CMAKE_SOURCE_DIR}/packaging/windows/krellwick.manifest)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/krellwick.rc.in
               ${CMAKE_BINARY_DIR}/generated/krellwick.rc @ONLY)
target_sources(krellwick PRIVATE ${CMAKE_BINARY_DIR}/generated/krellwick.rc)
set_source_files_properties(${CMAKE_BINARY_DIR}/generated/krellwick.rc PROPERTIES
  OBJECT_DEPENDS "${KRELLWICK_ICO};${KRELLWICK_MANIFEST}")

# The DLLs beside every program in the build, so the game and the tests run
# from the build folder as they will from the installed one.
add_custom_target(krellwick_dlls ALL
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${KRELLWICK_SHIPPED_DLLS} ${CMAKE_BINARY_DIR}
  VERBATIM)
add_dependencies(krellwick krellwick_dlls)
