// SPDX-License-Identifier: MIT
// The console read-out: keyboard box, frame rate and score.
#include "app/readout.h"

#include "app/best_score.h"
#include "world/model_manager.h"

namespace {
const char* const kHelpBox[21] = {
    "+------------- KEYBOARD KEYS -------------+",
    "|                         Exit / Back     |",
    "|                           ______        |",
    "|  MOVEMENT CONTROLS       /\\ Esc \\       |",
    "|                          \\ \\_____\\      |",
    "|       Jump                \\/_____/      |",
    "|      ______                             |",
    "|     /\\  W  \\            TURRET CONTROLS |",
    "|  ___\\_\\_____\\______      ____________   |",
    "| /\\  A  \\____/\\  D  \\    /\\  K  \\  L  \\  |",
    "| \\ \\_____\\   \\ \\_____\\   \\ \\_____\\_____\\ |",
    "|  \\/_____/    \\/_____/    \\/_____/_____/ |",
    "|    Drive       Drive      Rotate Rotate |",
    "|    left        right        up    down  |",
    "|                                         |",
    "|         Play / Continue / Shoot         |",
    "|  ____________________________________   |",
    "| /\\             SPACEBAR              \\  |",
    "| \\ \\___________________________________\\ |",
    "|  \\/___________________________________/ |",
    "+-----------------------------------------+",
};
}  // namespace

void writeReadout(std::FILE* out, float fps, int score, int best) {
    std::fprintf(out, "\n");
    for (const char* line : kHelpBox) std::fprintf(out, "%s \n", line);
    std::fprintf(out, "+ Fps:   %f \n", static_cast<double>(fps));
    std::fprintf(out, "+ Score: %d \n", score);
    std::fprintf(out, "+ Best: %d \n", best);
}

void printReadout() {
    writeReadout(stdout, modelManager->fps, modelManager->score, bestScore().best());
}
