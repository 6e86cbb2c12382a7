// SPDX-License-Identifier: MIT
// Fitting the picture to the window.
#include "render/scaled_frame.h"

#include <GL/gl.h>

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

void ScaledFrame::begin() {
    // The clear ignores the viewport: the bars are cleared black with the rest.
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const PictureRect r = fitPicture(windowWidth, windowHeight);
    glViewport(r.x, r.y, r.width, r.height);
}

void ScaledFrame::end() {}
