// SPDX-License-Identifier: MIT
// The audio's work per frame (cues handed to voices, the engine hum
// followed) and the decoding of every sound at start-up. Runs on OpenAL
// Soft's silent output, so no sound device is needed; the target per frame
// is under 0.1 ms.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "audio/cue_sounds.h"
#include "audio/sound_loading.h"
#include "audio/sound_system.h"
#include "render/asset_paths.h"

namespace {

std::string soundDirectory() { return executableDirectory() + "/sounds"; }

SoundSystem& sound() {
    static SoundSystem system;
    static const bool started = [] {
        // Before the first OpenAL call: its output that plays to nowhere.
        setenv("ALSOFT_DRIVERS", "null", 1);
        return system.start(soundDirectory(), true);
    }();
    (void)started;
    return system;
}

// A frame of play with `count` cues of the everyday kinds, spread over the screen.
void BM_HandOverFrame(benchmark::State& state) {
    SoundSystem& s = sound();
    if (!s.on()) {
        state.SkipWithError("no OpenAL output");
        return;
    }
    const CueKind kinds[] = {CueKind::PlayerShot, CueKind::RabbitHop, CueKind::GroundHit,
                             CueKind::EnemyShot, CueKind::BalloonHit};
    SoundCues cues;
    for (int i = 0; i < state.range(0); ++i) {
        cues.push_back({kinds[i % 5], static_cast<float>(i % 20), 1.0f + (i % 3)});
    }
    SoundFrame frame;
    frame.carShown = true;
    frame.carX = 3;
    frame.scrollSpeed = 1.5;
    for (auto _ : state) {
        s.play(cues, frame);
        frame.scrollSpeed += 0.0001;
    }
}
// 0: most frames; 4: a busy one; 40: more than the 24 voices at once.
BENCHMARK(BM_HandOverFrame)->Arg(0)->Arg(4)->Arg(40)->Unit(benchmark::kMicrosecond);

void BM_DecodeAllSounds(benchmark::State& state) {
    const std::string directory = soundDirectory();
    std::size_t samples = 0;
    for (auto _ : state) {
        samples = 0;
        for (int f = 0; f < SoundFileCount; ++f) {
            DecodedSound decoded;
            decodeSound(directory + "/" + soundFileName(static_cast<SoundFile>(f)), decoded);
            samples += decoded.samples.size();
        }
    }
    state.counters["seconds of sound"] = static_cast<double>(samples) / 44100;
}
BENCHMARK(BM_DecodeAllSounds)->Unit(benchmark::kMillisecond);

}  // namespace
