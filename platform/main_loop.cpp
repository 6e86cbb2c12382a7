// SPDX-License-Identifier: MIT
// The toolkit's main loop, or the browser's animation frames.
#include "platform/main_loop.h"

#include <GL/glut.h>

#include <cstdlib>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

#include "platform/frame_gate.h"

namespace {
void (*gameFrame)() = nullptr;
FrameGate gate;

void animationFrame() {
    if (gate.due(emscripten_get_now())) gameFrame();
}
}  // namespace

void runMainLoop(void (*frame)()) {
    gameFrame = frame;
    emscripten_set_main_loop(animationFrame, 0, 0);
    // Sizes the view to the canvas through the reshape routine, then leaves
    // main for good; the animation frames go on.
    glutMainLoop();
}

void endMainLoop(bool) {
    emscripten_cancel_main_loop();
    glutKeyboardFunc(nullptr);
    EM_ASM({
        if (Module['onGameEnd']) Module['onGameEnd']();
    });
}
#else
void runMainLoop(void (*frame)()) {
    glutIdleFunc(frame);
    glutMainLoop();
}

void endMainLoop(bool atOnce) {
    if (atOnce) std::_Exit(0);
    std::exit(0);
}
#endif
