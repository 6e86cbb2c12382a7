// SPDX-License-Identifier: MIT
// Start-up capability checks and the path the frames take.
#include "render/draw_path.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

#include "render/back_layer_cache.h"
#include "render/frame_store.h"
#include "render/gl_entry_points.h"
#include "render/ground_cover.h"
#include "render/overlay_cache.h"

namespace {
DrawPath current = DrawPath::Plain;

bool hasExtension(const char* name) {
    const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!all) return false;
    const size_t n = std::strlen(name);
    for (const char* p = std::strstr(all, name); p; p = std::strstr(p + 1, name)) {
        if ((p == all || p[-1] == ' ') && (p[n] == ' ' || p[n] == '\0')) return true;
    }
    return false;
}

// OpenGL ES (WebGL in the browser) cannot read a texture back
// (glGetTexImage, glGetTexLevelParameteriv), which the caching paths do.
bool esContext() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    return version && std::strncmp(version, "OpenGL ES", 9) == 0;
}

int glMajorVersion() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    int major = 0, minor = 0;
    if (!version || std::sscanf(version, "%d.%d", &major, &minor) < 1) return 0;
    return major;
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

DrawPath forceDrawPath(DrawPath path) {
    current = drawPathSupported(path) ? path : DrawPath::Plain;
    return current;
}

void dropDrawCaches() {
    const DrawPath kept = current;
    for (DrawPath path : {DrawPath::Plain, DrawPath::TextureCopy, DrawPath::FramebufferBlit}) {
        current = path;
        backLayerCache().reset();
        overlayCache().reset();
    }
    current = kept;
    forgetOpaqueBottoms();
}

DrawPath chooseDrawPath() {
    for (DrawPath path : {DrawPath::FramebufferBlit, DrawPath::TextureCopy}) {
        if (forceDrawPath(path) == path) return path;
    }
    return forceDrawPath(DrawPath::Plain);
}

DrawPath drawPath() { return current; }

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

DrawTechniques& drawTechniques() {
    static DrawTechniques techniques;
    return techniques;
}
