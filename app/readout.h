// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>

// The console read-out: the keyboard-help box, the frame rate, the score and
// the best score.
void writeReadout(std::FILE* out, float fps, int score, int best);
// Writes it to standard output from the world's figures.
void printReadout();
