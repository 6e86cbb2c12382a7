// SPDX-License-Identifier: MIT
#pragma once

// Makes the console show the game's UTF-8 text as it is: the loading lines
// name folders such as "Krellwick Zoë". Nothing to do where terminals speak
// UTF-8 already.
void prepareConsole();
