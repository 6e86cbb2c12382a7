// SPDX-License-Identifier: MIT
#pragma once

// Opens the window, builds the world and runs the main loop (platform/main_loop.h).
int runGame(int argc, char** argv);

// The display routine: clear, camera, sometimes the read-out, scene, swap.
void display();
// The idle routine: one frame update, then the display routine.
void idle();
