# SPDX-License-Identifier: MIT
# The Windows build (cross-compiled with MinGW-w64, cmake/mingw-w64-x86_64.cmake):
# one console program whose only DLLs besides the system's are the LGPL
# libraries shipped beside it, OpenAL Soft and libsndfile.

# freeglut, SOIL, libpng and zlib are linked in whole; the C and C++ runtimes
# and winpthreads too, so no compiler DLL has to travel with the game.
add_compile_definitions(FREEGLUT_STATIC)
# windows.h, which freeglut's header brings in, must not define min and max.
add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN)
add_link_options(-static)

# Address space layout randomisation and no executable data, as Windows
# expects of a program today.
add_link_options(-Wl,--dynamicbase,--nxcompat,--high-entropy-va)

# The icon and version resource.
enable_language(RC)
