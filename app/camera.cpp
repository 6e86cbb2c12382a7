// SPDX-License-Identifier: MIT
// The projection, the window size kept and the hidden mode's mouse camera.
#include "app/camera.h"

#include <GL/glut.h>

#include <cmath>
#include <cstdlib>

#include "app/window_mode.h"

double cameraMatrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

int leftDown = 0;
int middleDown = 0;
int rightDown = 0;
int lastMouseX = 0;
int lastMouseY = 0;

namespace {
constexpr double kPixelsPerUnit = 100;

// Rotates the camera about the eye: the translation is set aside so only
// the orientation turns.
void rotateAboutEye(float angle, float ax, float ay, float az) {
    const double saved[3] = {cameraMatrix[12], cameraMatrix[13], cameraMatrix[14]};
    cameraMatrix[12] = cameraMatrix[13] = cameraMatrix[14] = 0;
    glLoadIdentity();
    glRotatef(angle, ax, ay, az);
    glMultMatrixd(cameraMatrix);
    glGetDoublev(GL_MODELVIEW_MATRIX, cameraMatrix);
    cameraMatrix[12] = saved[0];
    cameraMatrix[13] = saved[1];
    cameraMatrix[14] = saved[2];
}
}  // namespace

void setProjection() {
    glViewport(0, 0, kPictureWidth, kPictureHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double h = 100 * std::tan(kHalfFieldOfView);
    glFrustum(-h * kAspect, h * kAspect, -h, h, 100, 200);
    glMatrixMode(GL_MODELVIEW);
}

void reshapeCallback(int width, int height) {
    // A size the mode does not keep was sent back; the toolkit reports the
    // size again and we land below.
    if (!acceptWindowSize(width, height)) return;
    windowFrame().setWindowSize(width, height);
    setProjection();
}

void mouseButtonCallback(int button, int state, int x, int y) {
    int* flag = button == 0 ? &leftDown : button == 1 ? &middleDown : button == 2 ? &rightDown
                                                                                  : nullptr;
    if (flag == nullptr) return;
    if (state == 0) {
        *flag = 1;
        lastMouseX = x;
        lastMouseY = y;
    } else if (state == 1) {
        *flag = 0;
    }
}

void motionCallback(int x, int y) {
    if (!leftDown && !middleDown && !rightDown) return;
    const double dx = x - lastMouseX;
    const double dy = lastMouseY - y;  // positive when the pointer moves up
    if (leftDown) {
        const double angle = std::sqrt(dx * dx + dy * dy + dx * dx + dy * dy);
        rotateAboutEye(static_cast<float>(angle), static_cast<float>(-dy),
                       static_cast<float>(dx), 0);
    } else if (rightDown) {
        cameraMatrix[12] += dx / kPixelsPerUnit;
        cameraMatrix[13] += dy / kPixelsPerUnit;
    } else if (std::abs(dx) > std::abs(dy)) {
        rotateAboutEye(static_cast<float>(dx), 0, 0, -1);
    } else if (std::abs(dy) > std::abs(dx)) {
        cameraMatrix[14] -= dy / kPixelsPerUnit;
    }
    lastMouseX = x;
    lastMouseY = y;
    glutPostRedisplay();
}
