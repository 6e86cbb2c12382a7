// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// The score where a fullscreen player looks (the console is hidden behind
// the game then): "SCORE 12   BEST 57" in the picture's top right corner,
// above the balloons' sky, with "PAUSED" before it while paused. The glyphs
// come from SCORE_FONT.png, rasterized from a font when the game is built.

// The font picture's layout: one cell per glyph along its top, in this order.
constexpr const char* kFontGlyphs = " 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int kFontWidth = 1024, kFontHeight = 64;
constexpr int kGlyphCellWidth = 20, kGlyphCellHeight = 40;
// A monospaced font: each glyph's ink lies within this much of its cell.
constexpr int kGlyphAdvance = 16;

std::string scoreOverlayText(int score, int best, bool paused);

// One glyph's cell drawn with its top left corner at (x, y), in the
// picture's pixels from its top left.
struct GlyphPlace {
    int cell;
    int x, y;
};
// `text` laid out to end at `right`, its cells' tops at `top`; letters the
// font lacks are left as spaces.
std::vector<GlyphPlace> layOutText(const std::string& text, int right, int top);
// Where the overlay's text ends and starts in the 1280 x 720 picture.
constexpr int kOverlayRight = 1280 - 20, kOverlayTop = 8;

// Moonlight for the text, the shots' warm light for "PAUSED", and a dark
// shadow a little below and right that keeps both readable over clouds.
struct TextColour {
    float red, green, blue, alpha;
};
constexpr TextColour kTextColour{0.88f, 0.92f, 1.0f, 1.0f};
constexpr TextColour kPausedColour{1.0f, 0.78f, 0.36f, 1.0f};
constexpr TextColour kShadowColour{0.02f, 0.03f, 0.10f, 0.8f};
constexpr int kShadowOffset = 2;

// Loads SCORE_FONT.png from the textures folder; 0 with a console line when
// it cannot, and the game plays on without the overlay.
unsigned int loadScoreFont();
// Draws the overlay over the frame drawn so far (no depth test), with a
// shadow, and leaves the matrices as it found them.
void drawScoreOverlay(unsigned int font, int score, int best, bool paused);
