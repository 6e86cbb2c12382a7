# SPDX-License-Identifier: MIT
# The browser build's page: krellwick.js and .wasm, the asset folders packed
# into krellwick.data (loaded by krellwick-data.js, whose file list sits in
# krellwick-data.js.metadata), our own index.html, and what installs the page
# as an app and keeps it for offline play: the manifest, its icons and the
# service worker. scripts/web.sh copies them into krellwick-web/.
target_link_options(krellwick PRIVATE
  -sALLOW_MEMORY_GROWTH=1 -sFORCE_FILESYSTEM=1
  "-sEXPORTED_RUNTIME_METHODS=['addRunDependency','removeRunDependency','FS_createPath','FS_createDataFile','FS_createPreloadedFile']")

find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(WEB_PACK ${CMAKE_BINARY_DIR}/krellwick.data ${CMAKE_BINARY_DIR}/krellwick-data.js
    ${CMAKE_BINARY_DIR}/krellwick-data.js.metadata)
# The program sits at the root of the packed files (platform/executable_path),
# so the folders lie beside it there as on the desktop.
add_custom_command(OUTPUT ${WEB_PACK}
  COMMAND ${Python3_EXECUTABLE} ${EMSCRIPTEN_ROOT_PATH}/tools/file_packager.py krellwick.data
          --preload textures@/textures models@/models sounds@/sounds
          --js-output=krellwick-data.js --separate-metadata --no-node
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS ${TEXTURE_OUTPUTS} ${MODEL_OUTPUTS} ${SOUND_OUTPUTS}
  COMMENT "Packing the assets for the page" VERBATIM)
foreach(file index.html krellwick.webmanifest sw.js)
  configure_file(${CMAKE_SOURCE_DIR}/web/${file} ${CMAKE_BINARY_DIR}/${file} COPYONLY)
endforeach()
# The manifest's icons; the maskable one has room around the picture, as
# a launcher may cut it to a circle.
set(WEB_ICONS ${CMAKE_BINARY_DIR}/icons/web/192.png ${CMAKE_BINARY_DIR}/icons/web/512.png
    ${CMAKE_BINARY_DIR}/icons/web/maskable-512.png)
krellwick_icon(${CMAKE_BINARY_DIR}/icons/web/192.png 192)
krellwick_icon(${CMAKE_BINARY_DIR}/icons/web/512.png 512)
krellwick_icon(${CMAKE_BINARY_DIR}/icons/web/maskable-512.png 400
               --page-width 512 --page-height 512 --left 56 --top 56 -b "#0b1030")
add_custom_target(krellwick_web_pack ALL DEPENDS ${WEB_PACK} ${WEB_ICONS})
