// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>

// The console read-out: the keyboard-help box, the frame rate and the score.
void writeReadout(std::FILE* out, float fps, int score);
// Writes it to standard output from the world's figures.
void printReadout();
