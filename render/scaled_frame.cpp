// SPDX-License-Identifier: MIT
// Fitting the picture to the window.
#include "render/scaled_frame.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <string>

#include "render/gl_entry_points.h"

namespace {
// A renderer that draws on the processor, where scaling a screen-sized
// picture costs most of a frame. A GPU scales in GL for next to nothing, and
// its swap keeps the display's timing.
bool softwareRenderer() {
    const char* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (name == nullptr) return false;
    const std::string renderer = name;
    for (const char* software : {"llvmpipe", "softpipe", "Software Rasterizer", "SWR"})
        if (renderer.find(software) != std::string::npos) return true;
    return false;
}
}  // namespace

PictureRect fitPicture(int windowWidth, int windowHeight) {
    // Compared in whole numbers, so a 16:9 window is filled exactly.
    int width = windowWidth, height = windowWidth * kPictureHeight / kPictureWidth;
    if (height > windowHeight) {
        height = windowHeight;
        width = windowHeight * kPictureWidth / kPictureHeight;
    }
    return {(windowWidth - width) / 2, (windowHeight - height) / 2, width, height};
}

void ScaledFrame::setWindowSize(int width, int height) {
    windowWidth = width;
    windowHeight = height;
}

bool ScaledFrame::pictureReady() {
    if (picture.framebuffer != 0) return true;
    if (refused) return false;
    // Drawn the same way up as the window and with its depth format: the
    // same pixels, and the caches copy between it and their own as before.
    refused = !framebufferCalls().complete() ||
              !picture.make(kPictureWidth, kPictureHeight, true);
    return !refused;
}

void ScaledFrame::begin() {
    const bool scaled = windowWidth != kPictureWidth || windowHeight != kPictureHeight;
    drawingOff = scaled && offWindowAllowed && pictureReady();
    if (drawingOff) framebufferCalls().bindFramebuffer(GL_FRAMEBUFFER, picture.framebuffer);
    // The clear ignores the viewport: drawn straight into the window, the
    // bars are cleared black with the rest.
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const PictureRect r = drawingOff ? PictureRect{0, 0, kPictureWidth, kPictureHeight}
                                     : fitPicture(windowWidth, windowHeight);
    glViewport(r.x, r.y, r.width, r.height);
}

void ScaledFrame::end() {
    shownByWindowSystem = false;
    if (!drawingOff) return;
    const FramebufferCalls& f = framebufferCalls();
    const PictureRect r = fitPicture(windowWidth, windowHeight);
    static const bool software = softwareRenderer();
    if (windowSystemAllowed && software && presenter.open(kPictureWidth, kPictureHeight)) {
        glPixelStorei(GL_PACK_ROW_LENGTH, presenter.rowPixels());
        glReadPixels(0, 0, kPictureWidth, kPictureHeight, GL_BGRA, GL_UNSIGNED_BYTE,
                     presenter.pixels());
        glPixelStorei(GL_PACK_ROW_LENGTH, 0);
        f.bindFramebuffer(GL_FRAMEBUFFER, 0);
        presenter.show(windowWidth, windowHeight, r.x, r.y, r.width, r.height);
        shownByWindowSystem = true;
        return;
    }
    f.bindFramebuffer(GL_FRAMEBUFFER, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    // A whole multiple (a desktop at 200%) keeps every pixel sharp.
    const GLenum filter = r.width % kPictureWidth == 0 ? GL_NEAREST : GL_LINEAR;
    f.bindFramebuffer(GL_READ_FRAMEBUFFER, picture.framebuffer);
    f.blitFramebuffer(0, 0, kPictureWidth, kPictureHeight, r.x, r.y, r.x + r.width,
                      r.y + r.height, GL_COLOR_BUFFER_BIT, filter);
    f.bindFramebuffer(GL_READ_FRAMEBUFFER, 0);
}
