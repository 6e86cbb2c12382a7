# SPDX-License-Identifier: MIT
# The Debian package: built once by cpack, then checked (lintian, the metadata
# validators, its Depends) and, by e2e_test_install, installed and played.
set(KRELLWICK_DEB_DIR ${CMAKE_BINARY_DIR}/package)
add_test(NAME package_build
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/build_package.sh ${CMAKE_BINARY_DIR} ${KRELLWICK_DEB_DIR})
set_tests_properties(package_build PROPERTIES FIXTURES_SETUP krellwick_deb LABELS package TIMEOUT 600)
add_test(NAME package_lint
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check_lint.sh ${KRELLWICK_DEB_DIR})
add_test(NAME package_depends
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check_depends.sh ${KRELLWICK_DEB_DIR})
set_tests_properties(package_lint package_depends PROPERTIES
                     FIXTURES_REQUIRED krellwick_deb LABELS package TIMEOUT 300)
set_tests_properties(e2e_test_install PROPERTIES FIXTURES_REQUIRED krellwick_deb)

# Every source file names its licence.
add_test(NAME licence_lines COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/check_licence_lines.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(licence_lines PROPERTIES LABELS package)
