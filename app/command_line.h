// SPDX-License-Identifier: MIT
// The two options the game answers itself: --help and --version.
#pragma once

#include <optional>
#include <string>

// The text to print for --help or --version (the first of them among the
// arguments), or nothing when neither is given and the arguments all go to
// the windowing toolkit.
std::optional<std::string> commandLineReply(int argc, const char* const* argv);
