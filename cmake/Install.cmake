# SPDX-License-Identifier: MIT
# The game installs the way Debian lays out games: the program in a private
# directory (libexec/krellwick) whose asset folders are symlinks into
# share/games/krellwick, and a symlink on the PATH in games/. The game finds
# its assets through /proc/self/exe, which resolves the PATH link, so the
# folders beside the real executable are the ones it reads. A stand-alone
# `cmake --install --prefix DIR` gives the same tree under DIR.
include(GNUInstallDirs)
find_program(GZIP gzip REQUIRED)

# The asset folders the build makes beside the game; each is installed the same way.
set(KRELLWICK_ASSET_DIRS models textures sounds)

set(KRELLWICK_PRIVATE_DIR ${CMAKE_INSTALL_LIBEXECDIR}/krellwick)
set(KRELLWICK_DATA_DIR ${CMAKE_INSTALL_DATADIR}/games/krellwick)
set(KRELLWICK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/krellwick)

install(TARGETS krellwick RUNTIME DESTINATION ${KRELLWICK_PRIVATE_DIR})
# A stripped install (the package) also drops the compiler's notes, as Debian's own tools do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${KRELLWICK_PRIVATE_DIR}/krellwick\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
")
list(TRANSFORM KRELLWICK_ASSET_DIRS PREPEND ${CMAKE_BINARY_DIR}/ OUTPUT_VARIABLE asset_paths)
install(DIRECTORY ${asset_paths} DESTINATION ${KRELLWICK_DATA_DIR})

# Relative links, so the tree works under any prefix and inside the package.
file(RELATIVE_PATH to_private /p/games /p/${KRELLWICK_PRIVATE_DIR})
file(RELATIVE_PATH to_data /p/${KRELLWICK_PRIVATE_DIR} /p/${KRELLWICK_DATA_DIR})
install(CODE "
  set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  file(MAKE_DIRECTORY \"\${root}/games\")
  file(REMOVE \"\${root}/games/krellwick\")
  file(CREATE_LINK ${to_private}/krellwick \"\${root}/games/krellwick\" SYMBOLIC)
  foreach(dir ${KRELLWICK_ASSET_DIRS})
    file(REMOVE \"\${root}/${KRELLWICK_PRIVATE_DIR}/\${dir}\")
    file(CREATE_LINK ${to_data}/\${dir} \"\${root}/${KRELLWICK_PRIVATE_DIR}/\${dir}\" SYMBOLIC)
  endforeach()
")

install(FILES ${CMAKE_SOURCE_DIR}/packaging/krellwick.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/invalid.krellwick.krellwick.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The copyright file carries the licence (LICENSE in the sources).
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${KRELLWICK_DOC_DIR})

# The man page and the changelog ship compressed, without a timestamp.
set(GZIP_OUTPUTS)
foreach(pair "krellwick.6;krellwick.6.gz" "changelog;changelog.gz")
  list(GET pair 0 source)
  list(GET pair 1 output)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/packaging/${source} > ${CMAKE_BINARY_DIR}/packaging/${output}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${source})
  list(APPEND GZIP_OUTPUTS ${CMAKE_BINARY_DIR}/packaging/${output})
endforeach()
add_custom_target(krellwick_compressed_docs ALL DEPENDS ${GZIP_OUTPUTS})
install(FILES ${CMAKE_BINARY_DIR}/packaging/krellwick.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${KRELLWICK_DOC_DIR})

set(ICON_OUTPUTS)
foreach(size 48 128 256)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}/krellwick.png)
  krellwick_icon(${png} ${size})
  list(APPEND ICON_OUTPUTS ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(krellwick_icons ALL DEPENDS ${ICON_OUTPUTS})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME krellwick.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME krellwick)
set(CPACK_PACKAGE_CONTACT "Krellwick developers <team@krellwick.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "night-time side-scrolling arcade shooter")
# CPack puts the summary in front of this as the synopsis line.
file(READ ${CMAKE_SOURCE_DIR}/packaging/description.txt CPACK_PACKAGE_DESCRIPTION)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends comes from the libraries the game links (dpkg-shlibdeps), plus the
# packages it needs at run time without linking them (none so far).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(KRELLWICK_RUNTIME_PACKAGES "")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${KRELLWICK_RUNTIME_PACKAGES}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
