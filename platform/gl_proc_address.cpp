// SPDX-License-Identifier: MIT
// Asking the system's OpenGL for an entry point by name.
#include "platform/gl_proc_address.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdint>

GlProc glProcAddress(const char* name) {
    const PROC proc = wglGetProcAddress(name);
    // Some drivers answer 1, 2, 3 or -1 instead of null for a name they lack.
    const auto value = reinterpret_cast<std::intptr_t>(proc);
    if (value >= -1 && value <= 3) return nullptr;
    return reinterpret_cast<GlProc>(proc);
}
#elif defined(__EMSCRIPTEN__)
#include "platform/web_gl2_framebuffers.h"

// The WebGL 2 layer's framebuffer calls, which draw what it has gathered
// first; the rest from Emscripten.
extern "C" void* emscripten_GetProcAddress(const char* name);

GlProc glProcAddress(const char* name) {
    if (const GlProc own = webGl2FramebufferCall(name)) return own;
    return reinterpret_cast<GlProc>(emscripten_GetProcAddress(name));
}
#else
#include <GL/glx.h>

GlProc glProcAddress(const char* name) {
    return reinterpret_cast<GlProc>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}
#endif
