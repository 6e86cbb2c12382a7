// SPDX-License-Identifier: MIT
// Whether the page shows the game across the screen.
#include "platform/page_fullscreen.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

// clang-format off
EM_JS(int, canvasFillsScreen, (), {
    const canvas = Module['canvas'];
    // The page marks its own fullscreen with the class "filled".
    return canvas && (document.fullscreenElement === canvas ||
                      document.body.classList.contains('filled')) ? 1 : 0;
});
// clang-format on

bool pageFullscreen() { return canvasFillsScreen() != 0; }
#else
bool pageFullscreen() { return false; }
#endif
