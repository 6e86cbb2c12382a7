// SPDX-License-Identifier: MIT
#pragma once

#include "render/scaled_frame.h"

// Windowed: the picture's 1280 x 720 in the desktop's scaled units, centred
// on the screen, and held at that size. Fullscreen (F11, Alt+Enter): the
// screen, the picture scaled into it.
int windowedWidth();
int windowedHeight();
// True while the game fills the screen: after F11 (or Alt+Enter) on the
// desktop; in the browser while the canvas, or the page in the browser's own
// fullscreen, fills it. The console is hidden then.
bool isFullscreen();
// Asks the toolkit for the other mode; the new size arrives in the reshape.
// The browser leaves fullscreen to the page and the browser itself.
void toggleFullscreen();
// From the reshape: false when the size is not one the current mode keeps
// (the window was then asked back to its size, and the reshape comes again).
bool acceptWindowSize(int width, int height);
// The frame's placement in the window, sized by the reshape.
ScaledFrame& windowFrame();
