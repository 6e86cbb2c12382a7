# The game installs into one private directory with its assets beside it,
# and a symlink on the PATH; it finds its assets through /proc/self/exe, which
# resolves the link.
include(GNUInstallDirs)
set(KRELLWICK_PRIVATE_DIR lib/krellwick)

install(TARGETS krellwick RUNTIME DESTINATION ${KRELLWICK_PRIVATE_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/models ${CMAKE_BINARY_DIR}/textures
        DESTINATION ${KRELLWICK_PRIVATE_DIR})
install(CODE [[
  set(bin "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
  file(MAKE_DIRECTORY "${bin}")
  file(REMOVE "${bin}/krellwick")
  file(CREATE_LINK ../lib/krellwick/krellwick "${bin}/krellwick" SYMBOLIC)
]])

install(FILES ${CMAKE_SOURCE_DIR}/packaging/krellwick.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/krellwick.6
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(ICON_OUTPUTS)
foreach(size 48 128 256)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}/krellwick.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${CMAKE_SOURCE_DIR}/packaging/icon.svg
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/icon.svg VERBATIM)
  list(APPEND ICON_OUTPUTS ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(krellwick_icons ALL DEPENDS ${ICON_OUTPUTS})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME krellwick)
set(CPACK_PACKAGE_CONTACT "Krellwick team <team@krellwick.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Night-time side-scrolling arcade shooter")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libglut3.12, libsoil1, libpng16-16, libgl1, libc6, libstdc++6")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
