// SPDX-License-Identifier: MIT
// OpenGL 3.0 framebuffer entry points, looked up at run time.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

struct FramebufferCalls {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC framebufferTexture2D = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;
    PFNGLFRAMEBUFFERPARAMETERIPROC framebufferParameteri = nullptr;

    // True when every entry point was found.
    bool complete() const;
};

// Looks the entry points up once (needs a current context); null members
// where the driver has none.
const FramebufferCalls& framebufferCalls();

// Notes the framebuffers bound for drawing and for reading, and binds them
// again when it goes: the frame may be drawn off the window
// (render/scaled_frame.h), so what binds a framebuffer of its own must not
// hand back the window's.
class FramebufferBindings {
public:
    FramebufferBindings();
    ~FramebufferBindings();
    FramebufferBindings(const FramebufferBindings&) = delete;
    FramebufferBindings& operator=(const FramebufferBindings&) = delete;

private:
    GLint draw = 0, read = 0;
};
