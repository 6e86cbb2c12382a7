// SPDX-License-Identifier: MIT
// Run-time lookup of the framebuffer entry points.
#include "render/gl_entry_points.h"

#include "platform/gl_proc_address.h"

namespace {
template <typename Proc>
void lookUp(Proc& proc, const char* name, const char* fallback = nullptr) {
    proc = reinterpret_cast<Proc>(glProcAddress(name));
    if (!proc && fallback) proc = reinterpret_cast<Proc>(glProcAddress(fallback));
}
}  // namespace

bool FramebufferCalls::complete() const {
    return genFramebuffers && deleteFramebuffers && bindFramebuffer && framebufferTexture2D &&
           framebufferRenderbuffer && checkFramebufferStatus && genRenderbuffers &&
           deleteRenderbuffers && bindRenderbuffer && renderbufferStorage && blitFramebuffer &&
           framebufferParameteri;
}

const FramebufferCalls& framebufferCalls() {
    static const FramebufferCalls calls = [] {
        FramebufferCalls c;
        lookUp(c.genFramebuffers, "glGenFramebuffers");
        lookUp(c.deleteFramebuffers, "glDeleteFramebuffers");
        lookUp(c.bindFramebuffer, "glBindFramebuffer");
        lookUp(c.framebufferTexture2D, "glFramebufferTexture2D");
        lookUp(c.framebufferRenderbuffer, "glFramebufferRenderbuffer");
        lookUp(c.checkFramebufferStatus, "glCheckFramebufferStatus");
        lookUp(c.genRenderbuffers, "glGenRenderbuffers");
        lookUp(c.deleteRenderbuffers, "glDeleteRenderbuffers");
        lookUp(c.bindRenderbuffer, "glBindRenderbuffer");
        lookUp(c.renderbufferStorage, "glRenderbufferStorage");
        lookUp(c.blitFramebuffer, "glBlitFramebuffer");
        // The flip-y extension brings its own name where OpenGL 4.3 is absent.
        lookUp(c.framebufferParameteri, "glFramebufferParameteri", "glFramebufferParameteriMESA");
        return c;
    }();
    return calls;
}

FramebufferBindings::FramebufferBindings() {
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read);
}

FramebufferBindings::~FramebufferBindings() {
    const FramebufferCalls& f = framebufferCalls();
    f.bindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(draw));
    f.bindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(read));
}
