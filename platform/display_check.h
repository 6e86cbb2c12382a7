// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Whether the window system can be reached before the toolkit tries: the
// toolkit itself would end the process with a terse message of its own. Empty
// when it can; otherwise what to tell the player. Honours the toolkit's
// "-display NAME" option. Windows and the browser always have a desktop.
std::string displayProblem(int argc, const char* const* argv, const std::string& program);
