// SPDX-License-Identifier: MIT
#pragma once

// Clears what would mislead the windowing toolkit before it starts. On
// Windows, freeglut takes a DISPLAY variable (Wine sets one, so do X servers
// for Windows) as the name of a display device: the device is not found and
// the screen size the window is centred by comes out wrong. Windows has one
// desktop, so the variable means nothing to the game there.
void prepareToolkitEnvironment();
