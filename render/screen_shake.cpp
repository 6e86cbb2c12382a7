// SPDX-License-Identifier: MIT
// Applying the screen shake to the view.
#include "world/screen_shake.h"

#include <GL/gl.h>

void ScreenShake::apply() const {
    glPushMatrix();
    glTranslatef(offsetX, offsetY, offsetZ);
    // Tilt about the point (10, 4) of the play plane.
    glTranslatef(10, 4, 0);
    glRotatef(2 * offsetX, 0, 0, 1);
    glTranslatef(-10, -4, 0);
}
