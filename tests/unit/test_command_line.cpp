// SPDX-License-Identifier: MIT
// --help and --version are answered by the game; every other argument is left to the toolkit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "platform/kept_file.h"

namespace {
std::optional<std::string> replyTo(std::vector<const char*> args) {
    args.insert(args.begin(), "krellwick");
    return commandLineReply(static_cast<int>(args.size()), args.data());
}
}  // namespace

TEST(CommandLine, ToolkitArgumentsGetNoReply) {
    EXPECT_FALSE(replyTo({}));
    EXPECT_FALSE(replyTo({"-display", ":3", "-sync"}));
    EXPECT_FALSE(replyTo({"-help", "--helpme", "version"}));
}

TEST(CommandLine, VersionAndHelpAnywhereAmongTheArguments) {
    EXPECT_EQ(replyTo({"--version"}), "krellwick 1.0\n");
    EXPECT_EQ(replyTo({"-display", ":3", "--version", "--help"}), "krellwick 1.0\n");
    const auto help = replyTo({"-sync", "--help"});
    ASSERT_TRUE(help);
    EXPECT_EQ(help->rfind("Usage: krellwick [toolkit options]\n", 0), 0u);
    for (const char* named :
         {"-display DISPLAY", "--version", "Esc", "Space", "score", "pause", "F11", "Alt+Enter",
          "right trigger", "Start "})
        EXPECT_NE(help->find(named), std::string::npos) << named;
    EXPECT_NE(help->find("kept in\n  " + keptPlace("best-score") + "\n"), std::string::npos) << *help;
}
