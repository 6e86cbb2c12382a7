// SPDX-License-Identifier: MIT
// The soak: an autopilot plays game after game headless for the given number
// of minutes of game time (default 10) at 60 frames a second. After every
// frame it checks that every figure is finite and every list bounded, and at
// the end that memory stayed flat after the first game.
//
//   krellwick_soak [minutes] [--no-memory-check]
// The memory check is left out under the sanitizers, which hold freed memory
// and records of their own.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <utility>

#include "app/hidden_modes.h"
#include "app/keyboard.h"
#include "soak/autopilot.h"
#include "soak/world_checks.h"
#include "support/test_world.h"

namespace {

constexpr unsigned kPilotSeed = 20240611;
// A frame of 16 ms is under the 1/60 s cap, so the driver counts it as 1/60 s
// (and sleeps 0 ms: the cap's sleep is truncated to whole milliseconds).
constexpr long kFrameMs = 16;
constexpr double kFrameSeconds = 1.0 / 60;
constexpr long kAllowedGrowthBytes = 5L * 1024 * 1024;

const char* const kStateNames[] = {"InitialMenu", "EnteringPlay", "Playing",
                                   "LeavingPlay", "Dying",        "DeathMenu"};

bool finished = false;

// Esc in a menu ends the process through exit(0); the soak must never get
// there, and must not pass if it does.
void refuseEarlyExit() {
    if (finished) return;
    std::fprintf(stderr, "FAIL: the game exited in the middle of the soak\n");
    std::fflush(stderr);
    std::_Exit(1);
}

long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// The state a key should leave behind, pressed in `state`.
int expectedAfterKey(int state, unsigned char key) {
    if (state == InitialMenu && key == ' ') return EnteringPlay;
    if (state == DeathMenu && key == ' ') return InitialMenu;
    if (state == Playing && key == 27) return LeavingPlay;
    return state;
}

// The only ways a frame may change the state.
bool frameMayChange(int from, int to) {
    return from == to || (from == EnteringPlay && to == Playing) ||
           (from == Playing && to == Dying) || (from == LeavingPlay && to == InitialMenu) ||
           (from == Dying && to == DeathMenu);
}

int fail(const std::string& what, long frame) {
    std::printf("FAIL at frame %ld (%.1f s of game time): %s\n", frame,
                frame * kFrameSeconds, what.c_str());
    finished = true;
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const double minutes = argc > 1 ? std::atof(argv[1]) : 10;
    const bool checkMemory = !(argc > 2 && std::string(argv[2]) == "--no-memory-check");
    const long frames = static_cast<long>(minutes * 60 * 60);
    std::atexit(refuseEarlyExit);
    const auto wallStart = std::chrono::steady_clock::now();

    TestWorld game;
    ModelManager& world = *game.world;
    modelManager = &world;
    switchMouseCallback = [](bool) {};  // no toolkit here
    freeCameraMode = false;
    tintMode = false;

    Autopilot pilot(kPilotSeed);
    std::map<std::pair<int, int>, long> transitions;
    long framesInState[6] = {};
    long keysPressed = 0;
    int gamesStarted = 0, deaths = 0, quits = 0;
    ListSizes peak;
    float peakEnemyLimit = world.enemyLimit;
    long baselineRss = 0, peakRss = 0;
    long baselineFrame = 0;

    auto noteChange = [&](int from, int to) {
        if (from == to) return;
        ++transitions[{from, to}];
        if (to == EnteringPlay) ++gamesStarted;
        if (to == Dying) ++deaths;
        if (to == LeavingPlay) ++quits;
    };

    for (long frame = 0; frame < frames; ++frame) {
        for (unsigned char key : pilot.keysFor(world.gameState, kFrameSeconds)) {
            const int before = world.gameState;
            if ((before == InitialMenu || before == DeathMenu) && key == 27) {
                return fail("the autopilot chose Esc in a menu", frame);
            }
            handleKey(key);
            ++keysPressed;
            if (world.gameState != expectedAfterKey(before, key)) {
                return fail(std::string("key ") + std::to_string(key) + " in " +
                                kStateNames[before] + " led to " + kStateNames[world.gameState],
                            frame);
            }
            noteChange(before, world.gameState);
            if (freeCameraMode) return fail("the free camera came on", frame);
        }

        // As in the game: the frame returns and is "drawn" (the checks read
        // the clouds and mountains) without waiting for the worker here, so
        // the thread checker sees any overlap updateFrame allows.
        const int before = world.gameState;
        game.time->now += kFrameMs;
        world.updateFrame();
        game.time->sleeps.clear();  // the test clock's record of sleeps; not the game's memory
        if (world.fps != 60.0f) return fail("the frame was not 1/60 s long", frame);
        if (!frameMayChange(before, world.gameState)) {
            return fail(std::string("a frame went from ") + kStateNames[before] + " to " +
                            kStateNames[world.gameState],
                        frame);
        }
        noteChange(before, world.gameState);
        ++framesInState[world.gameState];

        const std::string bad = findNonFinite(world);
        if (!bad.empty()) return fail("not finite: " + bad, frame);
        if (world.enemyLimit > peakEnemyLimit) peakEnemyLimit = world.enemyLimit;
        const ListSizes sizes = ListSizes::of(world);
        peak.keepPeaks(sizes);
        const std::string over = findOverfullList(sizes, world.scrollSpeed, peakEnemyLimit);
        if (!over.empty()) return fail(over + " (" + sizes.describe() + ")", frame);

        // Memory: the baseline is taken when the first game has ended, then
        // sampled once a second of game time.
        const bool gameOver = world.gameState != before &&
                              (world.gameState == DeathMenu || world.gameState == InitialMenu);
        if (baselineRss == 0 && gameOver) {
            baselineRss = residentBytes();
            peakRss = baselineRss;
            baselineFrame = frame;
        } else if (baselineRss != 0 && frame % 60 == 0) {
            const long rss = residentBytes();
            if (rss > peakRss) peakRss = rss;
        }
        if (frame % (10 * 60 * 60) == 0 && frame > 0) {
            std::printf("%5.0f min: %d games, scroll speed %.2f, resident %.2f MB, %s\n",
                        frame / 3600.0, gamesStarted, world.scrollSpeed,
                        residentBytes() / 1048576.0, sizes.describe().c_str());
            std::fflush(stdout);
        }
    }
    world.finishBackground();
    const long endRss = residentBytes();
    if (endRss > peakRss) peakRss = endRss;
    const double wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();

    std::printf("\nSoak: %.1f min of game time (%ld frames) in %.1f s of real time\n", minutes,
                frames, wallSeconds);
    std::printf("Games started %d: %d ended by death, %d by Esc; %ld keys pressed\n",
                gamesStarted, deaths, quits, keysPressed);
    std::printf("Autopilot styles: %d fighter, %d sitter, %d quitter\n", pilot.stylesChosen[0],
                pilot.stylesChosen[1], pilot.stylesChosen[2]);
    std::printf("Frames per state:");
    for (int s = 0; s < 6; ++s) std::printf(" %s %ld", kStateNames[s], framesInState[s]);
    std::printf("\nTransitions:");
    for (const auto& [edge, count] : transitions) {
        std::printf(" %s->%s %ld", kStateNames[edge.first], kStateNames[edge.second], count);
    }
    std::printf("\nPeak list sizes: %s\n", peak.describe().c_str());
    std::printf("Final scroll speed %.2f, peak enemy limit %.2f\n", world.scrollSpeed,
                peakEnemyLimit);
    std::printf("Resident memory after the first game (frame %ld): %.2f MB; peak since %.2f MB;"
                " at the end %.2f MB; growth %.2f MB\n",
                baselineFrame, baselineRss / 1048576.0, peakRss / 1048576.0,
                endRss / 1048576.0, (peakRss - baselineRss) / 1048576.0);
    if (!checkMemory) std::printf("(memory not checked in this run)\n");

    for (int s = 0; s < 6; ++s) {
        if (framesInState[s] == 0) return fail(std::string("never in ") + kStateNames[s], frames);
    }
    if (deaths == 0 || quits == 0) return fail("games did not end both ways", frames);
    if (baselineRss == 0) return fail("the first game never ended", frames);
    if (checkMemory && peakRss - baselineRss > kAllowedGrowthBytes) {
        return fail("resident memory grew by more than 5 MB after the first game", frames);
    }
    std::printf("PASS\n");
    finished = true;
    return 0;
}
