// Start-up capability checks and the path the frames take.
#include "render/draw_path.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

#include "render/back_layer_cache.h"
#include "render/frame_store.h"
#include "render/gl_entry_points.h"
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

int glMajorVersion() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    int major = 0, minor = 0;
    if (!version || std::sscanf(version, "%d.%d", &major, &minor) < 1) return 0;
    return major;
}

// Tries the path for real: a copy that the driver refuses is found here.
bool works(DrawPath path) {
    FrameStore probe;
    const bool ok = probe.allocate(path);
    probe.release();
    return ok;
}
}  // namespace

bool drawPathSupported(DrawPath path) {
    switch (path) {
        case DrawPath::Plain:
            return true;
        case DrawPath::TextureCopy:
            return works(path);
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
