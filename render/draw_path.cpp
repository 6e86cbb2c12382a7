// SPDX-License-Identifier: MIT
// What the driver offers of the drawing paths.
#include "render/draw_path.h"

#include <GL/gl.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "render/frame_store.h"
#include "render/gl_entry_points.h"

namespace {
bool hasExtension(const std::string& name) {
    const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return all && (" " + std::string(all) + " ").find(" " + name + " ") != std::string::npos;
}

// OpenGL ES (WebGL in the browser) cannot read a texture back
// (glGetTexImage, glGetTexLevelParameteriv), which the caching paths do.
bool esContext() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    return version && std::strncmp(version, "OpenGL ES", 9) == 0;
}

int glMajorVersion() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    return version ? std::atoi(version) : 0;  // "4.5 (Compatibility Profile) ..."
}

// Sets the path's buffers up on a small corner, without copying, so
// start-up stays quick. A copy the driver still refuses later only leaves
// the cache empty: the layers are then drawn afresh, the pixels the same.
bool works(DrawPath path) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glViewport(0, 0, 16, 16);
    FrameStore probe;
    const bool ok = probe.allocate(path, false);
    probe.release();
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    return ok;
}
}  // namespace

bool drawPathSupported(DrawPath path) {
    switch (path) {
        case DrawPath::Plain:
            return true;
        case DrawPath::TextureCopy:
            return !esContext() && works(path);
        case DrawPath::FramebufferBlit:
            // Without the flip the driver copies through a far slower path.
            return (glMajorVersion() >= 3 || hasExtension("GL_ARB_framebuffer_object")) &&
                   hasExtension("GL_MESA_framebuffer_flip_y") &&
                   framebufferCalls().complete() && works(path);
    }
    return false;
}

const char* drawPathName(DrawPath path) {
    switch (path) {
        case DrawPath::FramebufferBlit:
            return "framebuffer copy";
        case DrawPath::TextureCopy:
            return "texture copy";
        case DrawPath::Plain:
            break;
    }
    return "plain";
}
