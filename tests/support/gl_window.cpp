// SPDX-License-Identifier: MIT
// One hidden window shared by the drawing tests.
#include "support/gl_window.h"

#include <GL/freeglut.h>

#include <chrono>
#include <thread>

#include "platform/toolkit_environment.h"

namespace {
bool shown = false;
}

void ensureGlWindow() {
    static int window = 0;
    if (window != 0) {
        // Another suite may have made its own window current meanwhile.
        glutSetWindow(window);
        return;
    }
    // Another suite of the same program may have started GLUT already.
    if (!glutGet(GLUT_INIT_STATE)) {
        int argc = 1;
        char name[] = "krellwick_gl_tests";
        char* argv[] = {name, nullptr};
        prepareToolkitEnvironment();
        glutInit(&argc, argv);
    }
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(1280, 720);
    window = glutCreateWindow("Krellwick tests");
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    glutDisplayFunc([] { shown = true; });
    // Wait until the window is mapped at its size: a drawable resized after
    // drawing has begun may lose what was drawn into its buffers.
    for (int i = 0; i < 400 && !shown; ++i) {
        glutMainLoopEvent();
        if (!shown) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    glutDisplayFunc([] {});
    glutMainLoopEvent();
}
