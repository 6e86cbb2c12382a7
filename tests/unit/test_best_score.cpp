// SPDX-License-Identifier: MIT
// Tests: the best score's format, what reading it refuses, and keeping it
// safely through kills, a full disk, a read-only folder and a second game.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/best_score.h"
#include "platform/kept_file.h"
#include "support/test_files.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>
#endif

namespace fs = std::filesystem;

TEST(BestScoreFormat, OnlyOurTwoLinesWithASmallNonNegativeNumber) {
    struct Case {
        const char* text;
        int best;  // -1: refused
    };
    const Case cases[] = {
        {"krellwick best score\n57\n", 57},
        {"krellwick best score\r\n0\r\n", 0},
        {"krellwick best score\n999999999\n", 999999999},
        {"krellwick best score\n1234567890\n", -1},  // would overflow
        {"krellwick best score\n-3\n", -1},
        {"krellwick best score\n+3\n", -1},
        {"krellwick best score\n0057\n", -1},
        {"krellwick best score\n57", -1},  // cut short
        {"krellwick best score\n57\n58\n", -1},
        {"krellwick best score\n\n", -1},
        {"57\n", -1},
        {"", -1},
        {"\x89PNG\r\n\x1a\n", -1},
    };
    for (const Case& c : cases) {
        std::string problem;
        const auto best = parseBestScore(c.text, problem);
        EXPECT_EQ(best.value_or(-1), c.best) << c.text;
        EXPECT_EQ(problem.empty(), c.best >= 0) << c.text;
    }
    std::string problem;
    EXPECT_EQ(parseBestScore(formatBestScore(4321), problem), 4321);
}

#ifndef __EMSCRIPTEN__  // the browser keeps it in the page's storage: the browser test's
namespace {
std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class KeptBest : public testing::Test {
protected:
    TempDataHome home;
    std::string file = keptPlace("best-score");

    void keep(const std::string& text) {
        fs::create_directories(fs::path(file).parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }
    std::string loadSaying() {
        testing::internal::CaptureStdout();
        BestScore best;
        best.load();
        said = best.best();
        return testing::internal::GetCapturedStdout();
    }
    int said = -1;
};
}  // namespace

TEST_F(KeptBest, NothingIsMadeUntilThereIsAScoreAndANewBestIsKeptAndSaidOnce) {
    EXPECT_EQ(file.rfind(home.path, 0), 0u) << file;
    BestScore best;
    best.load();
    best.offer(0);
    EXPECT_EQ(best.best(), 0);
    EXPECT_FALSE(fs::exists(fs::path(file).parent_path()));

    testing::internal::CaptureStdout();
    best.offer(57);
    best.offer(30);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "New best score: 57\n");
    EXPECT_EQ(readText(file), "krellwick best score\n57\n");
    EXPECT_EQ(loadSaying(), "");
    EXPECT_EQ(said, 57);
}

TEST_F(KeptBest, AnythingNotOursIsSetAsideNeverWrittenOver) {
    struct Case {
        const char* what;
        std::string text;  // empty: a folder of that name
        const char* problem;
    };
    const Case cases[] = {
        {"garbage", "ninety-nine\n", "not a best score file"},
        {"negative", "krellwick best score\n-5\n", "a negative score"},
        {"overflowing", "krellwick best score\n99999999999\n", "a number too large"},
        {"huge", std::string(100000, '7'), "100000 bytes, too big to be ours"},
        {"folder", "", "a folder, not a file"},
    };
    int n = 0;
    for (const Case& c : cases) {
        if (c.text.empty()) {
            fs::create_directories(file);
        } else {
            keep(c.text);
        }
        const std::string said_ = loadSaying();
        const std::string aside = file + ".bad" + (++n > 1 ? std::to_string(n) : "");
        EXPECT_EQ(said, 0) << c.what;
        EXPECT_NE(said_.find(c.problem), std::string::npos) << said_;
        EXPECT_NE(said_.find("kept aside as " + aside + "; playing with a best of 0\n"),
                  std::string::npos) << said_;
        EXPECT_EQ(std::count(said_.begin(), said_.end(), '\n'), 1) << said_;
        EXPECT_FALSE(fs::exists(file)) << c.what;
        if (!c.text.empty()) {
            EXPECT_EQ(readText(aside), c.text) << c.what;
        }
    }
    BestScore best;
    best.load();
    best.offer(5);
    EXPECT_EQ(readText(file), formatBestScore(5));
    EXPECT_EQ(readText(file + ".bad"), "ninety-nine\n");
}

TEST_F(KeptBest, ASecondGameKeepsTheLargerBest) {
    BestScore first, second;
    first.load();
    second.load();
    first.offer(50);
    testing::internal::CaptureStdout();
    second.offer(40);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(second.best(), 50);
    second.offer(60);
    EXPECT_EQ(readText(file), formatBestScore(60));
}

#if !defined(_WIN32) && !defined(__SANITIZE_THREAD__)  // fork: POSIX, and not beside TSan's threads
namespace {
// Runs `body` in a child process; its exit status, and what it printed.
template <typename Body>
int inChild(Body body, std::string* printed = nullptr) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return 101;
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], 1);
        const int result = body();
        std::fflush(stdout);
        _exit(result);
    }
    close(pipeEnds[1]);
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        if (printed) printed->append(buffer, static_cast<std::size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}
}  // namespace

TEST_F(KeptBest, AWriterKilledAtAnyMomentLeavesTheOldBestOrTheNewOne) {
    std::mt19937 pick(7);
    std::string problem;
    ASSERT_TRUE(writeKept("best-score", formatBestScore(1), problem)) << problem;
    int last = 1;
    for (int round = 0; round < 200; ++round) {
        const int from = last;
        const pid_t child = fork();
        if (child == 0) {
            for (int v = from + 1;; ++v) {
                std::string ignored;
                writeKept("best-score", formatBestScore(v), ignored);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(pick() % 3000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const KeptRead kept = readKept("best-score", 64);
        ASSERT_EQ(kept.outcome, KeptRead::Read) << "round " << round << ": " << kept.problem;
        const auto best = parseBestScore(kept.text, problem);
        ASSERT_TRUE(best) << "round " << round << ": a broken file: " << kept.text;
        ASSERT_GE(*best, from) << "round " << round;
        last = *best;
    }
    EXPECT_GT(last, 1) << "the writer never got a write done";
}

TEST_F(KeptBest, AFullDiskOrAReadOnlyFolderLeavesTheOldBest) {
    keep(formatBestScore(57));
    // A full disk: files may grow to 8 bytes only.
    std::string said;
    EXPECT_EQ(inChild(
                  [] {
                      signal(SIGXFSZ, SIG_IGN);
                      const rlimit small{8, 8};
                      setrlimit(RLIMIT_FSIZE, &small);
                      BestScore best;
                      best.load();
                      best.offer(99);
                      return best.best() == 99 ? 0 : 1;  // the game plays on with it
                  },
                  &said),
              0);
    EXPECT_EQ(said, "New best score: 99\nBest score: could not keep it in " + file +
                        " (File too large)\n");
    EXPECT_EQ(readText(file), formatBestScore(57));

    // A folder the game may not write in: as root, only another user is
    // kept out of it.
    const std::string folder = fs::path(file).parent_path().string();
    chmod(folder.c_str(), 0555);
    EXPECT_EQ(inChild([] {
                  if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 2;
                  std::string problem;
                  return writeKept("best-score", formatBestScore(99), problem) ? 1 : 0;
              }),
              0);
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(readText(file), formatBestScore(57));
}

TEST_F(KeptBest, AFifoIsRefusedUnreadAndSetAside) {
    fs::create_directories(fs::path(file).parent_path());
    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    const std::string said_ = loadSaying();
    EXPECT_NE(said_.find("not a regular file"), std::string::npos) << said_;
    EXPECT_TRUE(fs::is_fifo(file + ".bad"));
}
#endif
#endif
