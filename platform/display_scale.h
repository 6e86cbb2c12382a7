// SPDX-License-Identifier: MIT
#pragma once

// How far the desktop scales what programs show: 1 at 96 dots an inch
// (100%), 2 at 192 (200%). Windows answers for the game's window when it
// exists, else for the system (the program declares itself DPI aware, so
// the answer is the monitor's own); elsewhere 1.
double displayScale();
