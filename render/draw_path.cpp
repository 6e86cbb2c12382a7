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

int glMajorVersion() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!version) return 0;
    if (openGlEsContext()) version += 9;
    return std::atoi(version);  // "4.5 (Compatibility Profile) ...", " 3.0 (WebGL 2.0)"
}

// Sets the path's buffers up on a small corner, without copying on the
// desktop, so start-up stays quick (a first copy costs llvmpipe some set-up).
// A copy the driver still refuses later only leaves the cache empty: the
// layers are then drawn afresh, the pixels the same. The browser copies
// too: WebGL refuses a depth copy between buffers of different formats,
// and how the canvas keeps its depth is each browser's choice.
bool works(DrawPath path) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glViewport(0, 0, 16, 16);
    FrameStore probe;
    const bool ok = probe.allocate(path, openGlEsContext());
    probe.release();
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    return ok;
}
}  // namespace

// "OpenGL ES 3.0 (WebGL 2.0)" in the browser.
bool openGlEsContext() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    return version && std::strncmp(version, "OpenGL ES", 9) == 0;
}

bool drawPathSupported(DrawPath path) {
    switch (path) {
        case DrawPath::Plain:
            return true;
        case DrawPath::TextureCopy:
            // The browser takes the framebuffer copy, or nothing: WebGL has
            // framebuffers whenever it has the texture copy's calls.
            return !openGlEsContext() && works(path);
        case DrawPath::FramebufferBlit:
            // Without the flip a desktop driver copies through a far slower
            // path. WebGL draws into framebuffers the same way up as into
            // the canvas, so needs none.
            return (glMajorVersion() >= 3 || hasExtension("GL_ARB_framebuffer_object")) &&
                   (openGlEsContext() || hasExtension("GL_MESA_framebuffer_flip_y")) &&
                   framebufferCalls().complete() && works(path);
    }
    return false;
}

DrawPath backLayerStoreOf(DrawPath path) {
    return path == DrawPath::FramebufferBlit && openGlEsContext() ? DrawPath::TextureCopy : path;
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
