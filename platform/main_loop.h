// SPDX-License-Identifier: MIT
#pragma once

// Hands the program to the window toolkit's loop, which calls `frame` over and
// over; does not come back. On the desktop the calls follow each other at
// once and the frame cap sleeps out the rest of each 1/60 s. In the browser
// the main thread may not sleep (a sleep there spins and holds the page up):
// `frame` runs at the browser's animation frames, at most 60 a second, and
// the frames in between are skipped (FrameGate).
void runMainLoop(void (*frame)());

// Leaves the main loop for good. On the desktop the process ends, at once
// (without waiting for threads still at work) when `atOnce`. In the browser a
// page cannot end its process: the frames and keys stop, the page says the
// game has ended (its Module.onGameEnd), and this returns.
void endMainLoop(bool atOnce);
