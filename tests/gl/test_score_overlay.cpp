// SPDX-License-Identifier: MIT
// Drawing tests: the fullscreen score, held to the font picture's own glyphs.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "gl_scene.h"
#include "render/asset_paths.h"
#include "render/png_picture.h"
#include "render/score_overlay.h"

namespace {
Picture fontPicture() {
    Picture font;
    std::string problem;
    EXPECT_TRUE(readPng(assetFile("textures", "SCORE_FONT.png"), font, problem)) << problem;
    return font;
}

// The picture the overlay should leave over a backdrop of one colour: each
// glyph's cell blended in as GL blends it (texel times colour, over by
// alpha), shadows first. Rows from the top, RGB in 0..255.
std::vector<float> expectedPicture(const Picture& font, const std::string& text, bool paused,
                                   const float backdrop[3]) {
    std::vector<float> out(static_cast<size_t>(1280 * 720 * 3));
    for (size_t i = 0; i < out.size(); ++i) out[i] = backdrop[i % 3] * 255;
    const std::vector<GlyphPlace> places = layOutText(text, kOverlayRight, kOverlayTop);
    auto blend = [&](const GlyphPlace& g, int offset, const TextColour& c) {
        for (int j = 0; j < kGlyphCellHeight; ++j)
            for (int i = 0; i < kGlyphCellWidth; ++i) {
                const unsigned char* t =
                    &font.pixels[static_cast<size_t>((j * font.width + g.cell * kGlyphCellWidth + i) * 4)];
                const float a = c.alpha * t[3] / 255;
                float* p = &out[static_cast<size_t>(((g.y + offset + j) * 1280 + g.x + offset + i) * 3)];
                const float colour[3] = {c.red, c.green, c.blue};
                for (int k = 0; k < 3; ++k) p[k] = colour[k] * t[k] * a + p[k] * (1 - a);
            }
    };
    for (const GlyphPlace& g : places) blend(g, kShadowOffset, kShadowColour);
    for (size_t n = 0; n < places.size(); ++n)
        blend(places[n], 0, paused && n < 6 ? kPausedColour : kTextColour);
    return out;
}
}  // namespace

TEST(ScoreFont, EachGlyphIsInkedWithinItsAdvanceAndTheSpaceIsEmpty) {
    const Picture font = fontPicture();
    ASSERT_EQ(font.width, kFontWidth);
    ASSERT_EQ(font.height, kFontHeight);
    ASSERT_EQ(font.channels, 4);
    const int margin = (kGlyphCellWidth - kGlyphAdvance) / 2;
    for (int cell = 0; kFontGlyphs[cell] != '\0'; ++cell) {
        int inked = 0, outside = 0;
        for (int y = 0; y < kFontHeight; ++y)
            for (int x = cell * kGlyphCellWidth; x < (cell + 1) * kGlyphCellWidth; ++x) {
                if (font.pixels[static_cast<size_t>((y * kFontWidth + x) * 4 + 3)] == 0) continue;
                ++inked;
                const int inCell = x - cell * kGlyphCellWidth;
                if (y >= kGlyphCellHeight || inCell < margin || inCell >= margin + kGlyphAdvance)
                    ++outside;
            }
        EXPECT_EQ(inked > 0, kFontGlyphs[cell] != ' ') << "'" << kFontGlyphs[cell] << "'";
        EXPECT_EQ(outside, 0) << "'" << kFontGlyphs[cell] << "' spills out of its place";
    }
}

TEST(ScoreFont, TheTextIsLaidOutFromTheRightAndSkipsWhatTheFontLacks) {
    EXPECT_EQ(scoreOverlayText(12, 57, false), "SCORE 12   BEST 57");
    EXPECT_EQ(scoreOverlayText(0, 0, true), "PAUSED   SCORE 0   BEST 0");
    const std::vector<GlyphPlace> places = layOutText("A-b1", 100, 8);
    ASSERT_EQ(places.size(), 2u);  // '-' and 'b' are not in the font
    EXPECT_EQ(places[0].cell, 11);
    EXPECT_EQ(places[1].cell, 2);
    // The last glyph's ink (its cell's middle) ends at the right edge.
    EXPECT_EQ(places[1].x + (kGlyphCellWidth + kGlyphAdvance) / 2, 100);
    EXPECT_EQ(places[1].x - places[0].x, 3 * kGlyphAdvance);
    EXPECT_EQ(places[0].y, 8);
}

using ScoreOverlay = GlScene;

TEST_F(ScoreOverlay, TheCornerShowsTheScoreTheBestAndPausedInTheFontsGlyphs) {
    const Picture font = fontPicture();
    const unsigned int texture = loadScoreFont();
    ASSERT_NE(texture, 0u);
    const float backdrop[3] = {0.1f, 0.15f, 0.3f};
    for (const bool paused : {false, true}) {
        SCOPED_TRACE(paused ? "paused" : "playing");
        glClearColor(backdrop[0], backdrop[1], backdrop[2], 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawScoreOverlay(texture, 12, 57, paused);
        readFrame();
        const std::vector<float> want =
            expectedPicture(font, scoreOverlayText(12, 57, paused), paused, backdrop);
        // The top strip across the whole width, where the text and its
        // shadow lie; the rest of the picture must be untouched too.
        int differing = 0, inked = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const Rgb got = pixel(x, kHeight - 1 - y);
                const float* w = &want[static_cast<size_t>((y * kWidth + x) * 3)];
                const int got3[3] = {got.r, got.g, got.b};
                bool same = true;
                for (int k = 0; k < 3; ++k) same = same && std::abs(got3[k] - w[k]) <= 2.5f;
                differing += same ? 0 : 1;
                inked += got.r > 200 ? 1 : 0;
            }
        EXPECT_EQ(differing, 0);
        // Enough bright text to read: "SCORE 12 BEST 57" has 13 glyphs.
        EXPECT_GT(inked, 13 * 40);
        glClearColor(0, 0, 0, 0);
    }
}
