// SPDX-License-Identifier: MIT
#pragma once

// Opens one hidden-from-nobody 1280 x 720 GLUT window for the test process
// (under the test script's Xvfb) and makes its context current. Safe to call
// repeatedly.
void ensureGlWindow();
