// SPDX-License-Identifier: MIT
// Drawing the car, its wheels and turret from the sprite sheet.
#include <GL/gl.h>

#include "gameplay/player.h"
#include "geometry/random.h"
#include "render/quad.h"

namespace {
// Engine shake of a car standing on the ground: -0.02 to 0.02.
float engineJitter() { return randUnit() * 0.02f * 2 - 0.02f; }

// One rectangle of the sprite sheet "CAR.png" (texture coordinates).
struct SheetRect {
    float sLeft, sRight, tBottom, tTop;
};
constexpr SheetRect kTurretRect{0.787109375f, 0.8515625f, 0.703125f, 0.75f};
constexpr SheetRect kBodyRect{0.080078125f, 0.482421875f, 0.10546875f, 0.82421875f};
constexpr SheetRect kSmallWheelRect{0.60546875f, 0.6640625f, 0.10546875f, 0.22265625f};
constexpr SheetRect kBigWheelRect{0.720703125f, 0.923828125f, 0.10546875f, 0.51171875f};

// Every sheet quad is followed by a matrix pop.
void drawSheetQuad(QuadDrawer& quads, unsigned int texture, const SheetRect& rect, float width,
                   float height, float z, float c) {
    quads.draw(texture, 0, width, height, 0, rect.sLeft, rect.sRight, rect.tTop, rect.tBottom, z,
               1, c, c, 1, true);
}

void drawWheel(QuadDrawer& quads, unsigned int texture, const SheetRect& rect, float left,
               float size, float angle, float jitter, float z, float c) {
    glPushMatrix();
    glTranslatef(left + size * 0.5f, size * 0.5f, 0);
    glRotatef(angle, 0, 0, 1);
    glTranslatef(-size * 0.5f, jitter - size * 0.5f, 0);
    drawSheetQuad(quads, texture, rect, size, size, z, c);
    glPopMatrix();
}
}  // namespace

void Player::draw(const TextureTable& textures, bool still, QuadDrawer& quads, bool held) {
    if (!held) {
        // The three draws are always made so the random sequence does not
        // depend on whether the car shakes.
        for (float& j : shake) j = engineJitter();
        if (jumpPhase != 0 || still) shake.fill(0);
        // A hit car alternates between its own colours and red on every draw.
        if (blinkTimer > 0) blinkOn = !blinkOn;
    }
    const float j1 = shake[0];
    const float j2 = shake[1];
    const float j3 = shake[2];
    const float c = blinkTimer > 0 && blinkOn ? 0.25f : 1;

    const unsigned int sheet = textures[TexCar];
    glPushMatrix();
    glTranslatef(x, y + jumpOffset(0), z);

    // The barrel turns about the middle of its left end.
    glPushMatrix();
    glTranslatef(turretPivotX, turretHeight * 0.5f + turretPivotY + j1, 0);
    if (health == 0) glTranslatef(0, -0.1f, 0);
    glRotatef(turretAngle, 0, 0, 1);
    glTranslatef(0, -turretHeight * 0.5f, 0);
    drawSheetQuad(quads, sheet, kTurretRect, turretWidth, turretHeight, turretZ - 0.00001f, c);
    glPopMatrix();

    // A car without health sags and stops shaking.
    glPushMatrix();
    glTranslatef(0, health > 0 ? j1 : -0.1f, 0);
    glRotatef(j2 * 10, 0, 0, 1);
    drawSheetQuad(quads, sheet, kBodyRect, bodyWidth, bodyHeight, z, c);
    glPopMatrix();

    drawWheel(quads, sheet, kSmallWheelRect, smallWheelX, smallWheelSize, smallWheelAngle, j2,
              z + 0.00001f, c);
    drawWheel(quads, sheet, kBigWheelRect, bigWheelX, bigWheelSize, bigWheelAngle, j3, z + 0.00001f, c);

    glPopMatrix();
}
