// SPDX-License-Identifier: MIT
// The program entry.
#include <cstdio>

#include "app/app.h"
#include "app/command_line.h"

int main(int argc, char** argv) {
    if (const auto reply = commandLineReply(argc, argv)) {
        std::fputs(reply->c_str(), stdout);
        return 0;
    }
    return runGame(argc, argv);
}
