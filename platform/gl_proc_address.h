// SPDX-License-Identifier: MIT
#pragma once

// An OpenGL entry point beyond 1.1, looked up in the current context's driver;
// null when the driver has none. Needs a current context.
using GlProc = void (*)();
GlProc glProcAddress(const char* name);
