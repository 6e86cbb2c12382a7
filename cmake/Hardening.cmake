# SPDX-License-Identifier: MIT
# Optimised builds are hardened the way Debian builds its packages. Sanitizer
# and fuzzing builds are left alone: their instrumentation does the checking.
if(NOT KRELLWICK_SANITIZE AND NOT KRELLWICK_FUZZ
   AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  # _FORTIFY_SOURCE needs the optimisation these build types have.
  add_compile_options(-D_FORTIFY_SOURCE=2 -fstack-protector-strong)
  add_link_options(-Wl,-z,relro,-z,now)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  include(CheckPIESupported)
  check_pie_supported()
endif()
