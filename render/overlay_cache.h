// SPDX-License-Identifier: MIT
// The menu picture sampled once per still view, then drawn texel for pixel.
#pragma once

#include <functional>
#include <vector>

#include "render/alpha_blocks.h"
#include "render/draw_path.h"
#include "render/frame_store.h"
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
    explicit OverlayCache(const DrawTechniques& techniques) : techniques(techniques) {}

    // Draws the picture from the kept texels when they were sampled for
    // `key`, sampling them first when the view held still since last frame;
    // `drawQuad` binds the picture, draws its quad and unbinds it. The
    // current colour must already be the picture's. False when the picture
    // is to be drawn as usual. Leaves texture 0 bound.
    bool draw(const ViewKey& key, const std::function<void()>& drawQuad);
    void reset();

    long hits = 0;  // pictures drawn from the kept texels

private:
    void sample(const std::function<void()>& drawQuad);
    void drawShownBlocks() const;

    const DrawTechniques& techniques;
    Framebuffer texels;
    int width = 0, height = 0;
    std::vector<TexelBox> shown;  // blocks of kept texels with alpha, texture rows
    ViewKey kept;
    ViewKey last;
    bool valid = false;
};
