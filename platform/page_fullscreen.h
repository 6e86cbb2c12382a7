// SPDX-License-Identifier: MIT
#pragma once

// In the browser: whether the game fills the screen, as the canvas made
// fullscreen or as the page shown by the browser's own fullscreen. False
// elsewhere, where the game knows its own mode.
bool pageFullscreen();
