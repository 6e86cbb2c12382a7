// SPDX-License-Identifier: MIT
#pragma once

// The view: a narrow frustum with the play plane midway between its near and
// far planes, and the free camera of the hidden mode.
constexpr double kHalfFieldOfView = 0.04363323125;  // vertical, about 2.5 degrees
constexpr double kAspect = 1.7777777910232544;      // 16/9 in single precision
extern double cameraMatrix[16];

extern int leftDown;
extern int middleDown;
extern int rightDown;
extern int lastMouseX;
extern int lastMouseY;

// The viewport and projection of the 1280 x 720 picture; leaves the
// model-view matrix current.
void setProjection();
// Holds a window at its windowed size (app/window_mode.h), takes any size
// in fullscreen, and sets the projection.
void reshapeCallback(int width, int height);
void mouseButtonCallback(int button, int state, int x, int y);
void motionCallback(int x, int y);
