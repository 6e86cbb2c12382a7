// SPDX-License-Identifier: MIT
// The window, the display and idle routines, and the start of the toolkit's loop.
#include "app/app.h"

#include <GL/glut.h>

#include <cstdio>
#include <string>

#include "app/best_score.h"
#include "app/camera.h"
#include "app/focus_watch.h"
#include "app/game_actions.h"
#include "app/keyboard.h"
#include "app/memory_trim.h"
#include "app/pad_input.h"
#include "app/readout.h"
#include "app/sound_link.h"
#include "app/window_mode.h"
#include "geometry/random.h"
#include "platform/console.h"
#include "platform/display_check.h"
#include "platform/executable_path.h"
#include "platform/fine_sleep.h"
#include "platform/gamepad.h"
#include "platform/main_loop.h"
#include "platform/toolkit_environment.h"
#include "platform/window_focus.h"
#include "render/draw_caches.h"
#include "render/score_overlay.h"
#include "world/model_manager.h"

namespace {
// Made once the window exists; never destroyed, as the context may be gone
// at exit.
DrawCaches* drawCaches = nullptr;
FocusWatch focusWatch;
PadInput padInput;
}

void display() {
    glEnable(GL_DEPTH_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
    windowFrame().begin();
    glLoadIdentity();
    glMultMatrixd(cameraMatrix);
    // About one frame in ten refreshes the console; a paused game's picture
    // drawn again (the window uncovered) draws nothing from the sequence.
    if (!modelManager->paused && randUnit() < 0.1f) printReadout();
    modelManager->drawScene(*drawCaches);
    if (isFullscreen()) {
        // Loaded on first need: a player who never goes fullscreen never reads it.
        static const unsigned int scoreFont = loadScoreFont();
        drawScoreOverlay(scoreFont, modelManager->score, bestScore().best(), modelManager->paused);
    }
    windowFrame().end();
    if (windowFrame().needsSwap()) glutSwapBuffers();
}

void idle() {
    if (focusWatch.lost(windowFocus())) setPaused(true);
    padInput.frame(readGamepads(), modelManager->clock.nowMs(), !focusWatch.elsewhere());
    modelManager->updateFrame();
    if (modelManager->finishedScore) {
        bestScore().offer(*modelManager->finishedScore);
        modelManager->finishedScore.reset();
    }
    handOverSound(*modelManager);
    // A paused game holds its picture, drawn once more as the game stands:
    // the pause may come with a key that changed it since the last frame
    // (Space then P at once). It is drawn again when it goes in or out of
    // fullscreen, where the corner says "PAUSED": the page's own fullscreen
    // in the browser may come with no redraw of its own.
    static bool pauseShown = false;
    static bool shownFullscreen = false;
    if (!modelManager->paused || !pauseShown || shownFullscreen != isFullscreen()) {
        display();
        pauseShown = modelManager->paused;
        shownFullscreen = isFullscreen();
    }
    memoryTrim().frameDone();
}

int runGame(int argc, char** argv) {
    prepareConsole();
    holdFineTimerResolution();
    prepareToolkitEnvironment();
    const std::string problem = displayProblem(argc, argv, executablePath());
    if (!problem.empty()) {
        std::fputs(problem.c_str(), stderr);
        return 1;
    }
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    const int screenHeight = glutGet(GLUT_SCREEN_HEIGHT);
    const int screenWidth = glutGet(GLUT_SCREEN_WIDTH);
    // Signed, so a small screen overhangs evenly on both sides.
    glutInitWindowPosition((screenWidth - windowedWidth()) / 2,
                           (screenHeight - windowedHeight()) / 2);
    glutInitWindowSize(windowedWidth(), windowedHeight());
    glutCreateWindow(argv[0]);
    glutSetWindowTitle("Krellwick");

    modelManager = new ModelManager();
    bestScore().load();
    modelManager->clock = trimmingInSleep(modelManager->clock, memoryTrim());
    drawCaches = new DrawCaches();
    std::printf("Drawing path: %s\n", drawPathName(drawCaches->choosePath()));
    startGamepads();

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const Vec3 offset = modelManager->viewOffset;
    glTranslatef(offset.x, offset.y, offset.z);
    glGetDoublev(GL_MODELVIEW_MATRIX, cameraMatrix);

    glutReshapeFunc(reshapeCallback);
    glutKeyboardFunc(keyboardCallback);
    glutSpecialFunc(specialKeyCallback);
    glutDisplayFunc(display);
    glutMotionFunc(motionCallback);
    runMainLoop(idle);
    return 0;
}
