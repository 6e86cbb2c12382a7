#include "support/gl_window.h"

#include <GL/freeglut.h>

void ensureGlWindow() {
    static bool open = false;
    if (open) return;
    int argc = 1;
    char name[] = "krellwick_gl_tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(1280, 720);
    glutCreateWindow("Krellwick tests");
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    glutDisplayFunc([] {});
    open = true;
}
