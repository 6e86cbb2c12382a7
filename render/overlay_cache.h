// SPDX-License-Identifier: MIT
// The menu picture sampled once per still view, then drawn texel for pixel.
#pragma once

#include <functional>
#include <vector>

#include "render/alpha_blocks.h"
#include "render/view_key.h"

// Linear filtering of the 1280 x 720 picture is most of its cost. The
// filtered texels a still view shows are kept in a window-sized texture and
// drawn with nearest filtering, modulated and blended as before, which gives
// the same pixels. Needs framebuffer objects; used only where nothing nearer
// than the picture was drawn, as it is drawn without the depth test. Blocks
// of kept texels that are all transparent are left out: blending them would
// leave the window as it is, and without the depth test they write nothing.
class OverlayCache {
public:
    // Draws the picture from the kept texels when they were sampled for
    // `key`, sampling them first when the view held still since last frame;
    // `drawWhite` draws the picture's quad untinted, opaque white. The
    // current colour must already be the picture's. False when the picture
    // is to be drawn as usual.
    bool draw(const ViewKey& key, const std::function<void()>& drawWhite);
    void reset();

    long hits = 0;  // pictures drawn from the kept texels

private:
    bool allocate(int width, int height);
    void findShownBlocks();
    void drawShownBlocks() const;

    unsigned int framebuffer = 0, texture = 0;
    int width = 0, height = 0;
    std::vector<TexelBox> shown;  // blocks of kept texels with alpha, texture rows
    ViewKey kept;
    ViewKey last;
    bool valid = false;
};

// The current path's cache.
OverlayCache& overlayCache();
