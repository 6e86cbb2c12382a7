// SPDX-License-Identifier: MIT
// Windowed and fullscreen, and the window's size in each.
#include "app/window_mode.h"

// Emscripten's toolkit has no fullscreen calls beyond one to enter it.
#ifdef __EMSCRIPTEN__
#include <GL/glut.h>
#else
#include <GL/freeglut.h>
#endif

#include <cmath>

#include "platform/display_scale.h"
#include "platform/page_fullscreen.h"

namespace {
bool fullscreen = false;
// Where the window stood before fullscreen, and whether to put it back
// there once windowed again.
int savedX = 0, savedY = 0;
bool placeOnReturn = false;
// Times left to put a fullscreen window on the screen by hand.
int placingTries = 0;

int scaled(int units) { return static_cast<int>(std::lround(units * displayScale())); }

// Without a window manager (X with none, as under Xvfb) the toolkit sizes
// the window for fullscreen but leaves it off the screen's corner, and back
// in a window it keeps that place: put right by hand. Moving or sizing the
// window by hand first ends the toolkit's own fullscreen, which brings the
// old size back once more: hence a few tries. Windows places the window
// itself, on its own monitor. True when the window was asked to move.
bool placeWindow(int x, int y, int width, int height) {
#ifndef _WIN32
    if (glutGet(GLUT_WINDOW_X) == x && glutGet(GLUT_WINDOW_Y) == y &&
        glutGet(GLUT_WINDOW_WIDTH) == width && glutGet(GLUT_WINDOW_HEIGHT) == height)
        return false;
    glutPositionWindow(x, y);
    glutReshapeWindow(width, height);
    return true;
#else
    (void)x, (void)y, (void)width, (void)height;
    return false;
#endif
}
}  // namespace

int windowedWidth() { return scaled(kPictureWidth); }
int windowedHeight() { return scaled(kPictureHeight); }
bool isFullscreen() {
#ifdef __EMSCRIPTEN__
    return pageFullscreen();
#else
    return fullscreen;
#endif
}

ScaledFrame& windowFrame() {
    // Never destroyed: the context may be gone at exit.
    static ScaledFrame* const frame = new ScaledFrame();
    return *frame;
}

void toggleFullscreen() {
#ifndef __EMSCRIPTEN__
    fullscreen = !fullscreen;
    if (fullscreen) {
        savedX = glutGet(GLUT_WINDOW_X);
        savedY = glutGet(GLUT_WINDOW_Y);
        placingTries = 3;
        glutFullScreen();
    } else if (glutGet(GLUT_FULL_SCREEN)) {
        placeOnReturn = true;
        glutLeaveFullScreen();
    } else {
        // Placed by hand on entry: the toolkit no longer counts it fullscreen.
        placeOnReturn = true;
        glutReshapeWindow(windowedWidth(), windowedHeight());
    }
#endif
}

bool acceptWindowSize(int width, int height) {
    if (fullscreen) {
        if (placingTries == 0) return true;
        --placingTries;
        return !placeWindow(0, 0, glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    }
    if (width != windowedWidth() || height != windowedHeight()) {
        glutReshapeWindow(windowedWidth(), windowedHeight());
        return false;
    }
    if (placeOnReturn) {
        placeOnReturn = false;
        placeWindow(savedX, savedY, width, height);
    }
    return true;
}
