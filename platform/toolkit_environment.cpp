// SPDX-License-Identifier: MIT
// The environment the windowing toolkit starts in.
#include "platform/toolkit_environment.h"

#ifdef _WIN32
#include <cstdlib>

void prepareToolkitEnvironment() { _putenv("DISPLAY="); }
#else
void prepareToolkitEnvironment() {}
#endif
