// SPDX-License-Identifier: MIT
// The console the read-out is printed to.
#include "platform/console.h"

#ifdef _WIN32
#include <windows.h>

void prepareConsole() { SetConsoleOutputCP(CP_UTF8); }
#else
void prepareConsole() {}
#endif
