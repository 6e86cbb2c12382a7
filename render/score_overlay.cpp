// SPDX-License-Identifier: MIT
// The score drawn into the picture in fullscreen.
#include "render/score_overlay.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

#include "render/asset_paths.h"
#include "render/quad.h"
#include "render/texture_loader.h"

std::string scoreOverlayText(int score, int best, bool paused) {
    return std::string(paused ? "PAUSED   " : "") + "SCORE " + std::to_string(score) +
           "   BEST " + std::to_string(best);
}

std::vector<GlyphPlace> layOutText(const std::string& text, int right, int top) {
    std::vector<GlyphPlace> places;
    // The cell is wider than the advance: its ink sits in the middle.
    int x = right - static_cast<int>(text.size()) * kGlyphAdvance -
            (kGlyphCellWidth - kGlyphAdvance) / 2;
    for (const char c : text) {
        const char* found = c != '\0' ? std::strchr(kFontGlyphs, c) : nullptr;
        if (found != nullptr && c != ' ') places.push_back({static_cast<int>(found - kFontGlyphs), x, top});
        x += kGlyphAdvance;
    }
    return places;
}

unsigned int loadScoreFont() {
    const std::string path = assetFile("textures", "SCORE_FONT.png");
    std::string problem;
    const unsigned int font = loadTextureWithSoil(path, problem);
    if (font == 0)
        std::printf("Score font %s not loaded (%s); fullscreen shows no score\n", path.c_str(),
                    problem.c_str());
    else {
        // Drawn a texel to a pixel: nothing to blend from the next cell.
        glBindTexture(GL_TEXTURE_2D, font);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    return font;
}

namespace {
// Behind the tint mode's reach, so the text keeps its colours.
constexpr float kOverlayDepth = -5;

void drawText(unsigned int font, const std::vector<GlyphPlace>& places, int offset,
              const TextColour& c) {
    for (const GlyphPlace& g : places) {
        // The font picture is stored upside down (t from its bottom).
        const float sLeft = static_cast<float>(g.cell * kGlyphCellWidth) / kFontWidth;
        const float sRight = static_cast<float>((g.cell + 1) * kGlyphCellWidth) / kFontWidth;
        const float tTop = 1.0f;
        const float tBottom = 1.0f - static_cast<float>(kGlyphCellHeight) / kFontHeight;
        const float left = static_cast<float>(g.x + offset), top = static_cast<float>(g.y + offset);
        drawQuad(font, left, left + kGlyphCellWidth, top, top + kGlyphCellHeight, sLeft, sRight,
                 tTop, tBottom, kOverlayDepth, c.red, c.green, c.blue, c.alpha);
    }
}
}  // namespace

void drawScoreOverlay(unsigned int font, int score, int best, bool paused) {
    if (font == 0) return;
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // The picture's pixels, y down, as the text is laid out.
    glOrtho(0, 1280, 720, 0, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    const std::string text = scoreOverlayText(score, best, paused);
    const std::vector<GlyphPlace> places = layOutText(text, kOverlayRight, kOverlayTop);
    drawText(font, places, kShadowOffset, kShadowColour);
    // "PAUSED" is the first six glyphs.
    const std::size_t word = paused ? 6 : 0;
    drawText(font, {places.begin(), places.begin() + word}, 0, kPausedColour);
    drawText(font, {places.begin() + word, places.end()}, 0, kTextColour);

    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}
