// SPDX-License-Identifier: MIT
// The GLUT calls the game makes that Emscripten's GLUT lacks or leaves
// empty (browser build only).
#ifdef __EMSCRIPTEN__
#include <GL/glut.h>
#include <emscripten.h>

#include "platform/web_gl2_batch.h"

extern "C" {
void glutSetWindowTitle(const char* title) {
    EM_ASM({ document.title = UTF8ToString($0); }, title);
}

// The browser shows the canvas when the animation frame returns: the frame's
// last gathered vertices are drawn here.
void glutSwapBuffers() { batchFrameDone(); }
}
#endif
