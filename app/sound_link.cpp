// SPDX-License-Identifier: MIT
// Starts the sound beside the window and hands it the world's cues after each frame.
#include "app/sound_link.h"

#include <chrono>
#include <cmath>
#include <future>

#include "app/camera.h"
#include "audio/sound_system.h"
#include "platform/audio_quiet.h"
#include "platform/executable_path.h"
#include "platform/threads.h"
#include "render/asset_paths.h"
#include "world/model_manager.h"

namespace {
// Declared before the start-up task, so at exit the task is waited for
// before the sound system is closed.
SoundSystem sound;
std::future<void> starting;
bool started = false;
bool quieted = false;

SoundFrame frameOf(const ModelManager& world) {
    SoundFrame f;
    // The screen's edges where the play happens (z = 0).
    const float halfWidth =
        static_cast<float>(-world.viewOffset.z * std::tan(kHalfFieldOfView) * kAspect);
    f.screenLeft = -world.viewOffset.x - halfWidth;
    f.screenRight = -world.viewOffset.x + halfWidth;
    f.carShown = world.gameState >= EnteringPlay && world.gameState <= Dying;
    f.carX = world.player->x;
    f.scrollSpeed = world.scrollSpeed;
    f.paused = world.paused;
    return f;
}
}  // namespace

void handOverSound(ModelManager& world) {
    static int calls = 0;
    if (++calls == 2) {
        const std::string directory = executableDirectory() + pathSeparator() + "sounds";
        // Here on the main thread: the libraries read their settings at the
        // first audio call, on the start-up thread.
        quieted = !soundOutputVisible();
        if (quieted) beginQuietAudioProbe();
        starting = runBeside([directory] { sound.start(directory); });
    }
    if (!started && starting.valid() &&
        starting.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        starting.get();
        started = true;
        if (quieted) endQuietAudioProbe();
    }
    if (started) sound.play(world.cues, frameOf(world));
    world.cues.clear();
}

bool soundStarting() {
    return !started && starting.valid() &&
           starting.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}
