# SPDX-License-Identifier: MIT
# The Windows game as a portable folder: krellwick.exe with its DLLs, the
# asset folders beside it, the licences and a short README. scripts/windows.sh
# installs it into a staging folder and makes the zip and the installer of it.
install(TARGETS krellwick RUNTIME DESTINATION .)
install(FILES ${KRELLWICK_SHIPPED_DLLS} DESTINATION .)
install(DIRECTORY ${CMAKE_BINARY_DIR}/models ${CMAKE_BINARY_DIR}/textures
                  ${CMAKE_BINARY_DIR}/sounds DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/windows/README.txt DESTINATION .)

# Every library built into the program or shipped beside it names its licence:
# those built for it (zlib among them) and the MinGW-w64 runtime (winpthreads).
install(DIRECTORY ${KRELLWICK_WINDEPS}/share/licenses/ DESTINATION licenses)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION licenses/mingw-w64
        RENAME copyright.txt)
# The score's glyphs are drawn from the DejaVu fonts.
install(FILES /usr/share/doc/fonts-dejavu-core/copyright DESTINATION licenses/dejavu-fonts
        RENAME copyright.txt)
