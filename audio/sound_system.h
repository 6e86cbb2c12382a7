// SPDX-License-Identifier: MIT
// Plays the game's sound through OpenAL: cues on a pool of voices, the engine
// hum and the night ambience on voices of their own.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "audio/voice_pool.h"
#include "gameplay/sound_cue.h"

// What the audio needs of a frame besides its cues: the screen's edges in
// world x, for placing sounds left and right, and the car for the engine.
struct SoundFrame {
    float screenLeft = -1.6f;
    float screenRight = 21.6f;
    bool carShown = false;
    float carX = 0;
    double scrollSpeed = 0;
    // A paused game: the hum dies away and the night goes quieter.
    bool paused = false;
};

class SoundSystem {
public:
    static constexpr int kVoices = 24;

    SoundSystem() = default;
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;
    ~SoundSystem();

    // Opens the default device and loads the sounds from `directory`. Prints
    // one line naming the device, or "Sound: off (no audio device)" and stays
    // silent; prints an error line for each sound it cannot load. A device
    // that plays to nowhere counts as none unless `acceptSilentDevice`.
    bool start(const std::string& directory, bool acceptSilentDevice = false);
    bool on() const { return context_ != nullptr; }

    // Starts a voice for each cue and follows the car with the engine hum.
    // Never waits: when the voices are all busy the pool's rule decides.
    void play(const SoundCues& cues, const SoundFrame& frame);

    // -1 (left edge) to 1 (right edge), held there beyond the edges.
    static float pan(float x, const SoundFrame& frame);

private:
    void playCue(const SoundCue& cue, const SoundFrame& frame);
    void placeVoice(unsigned int source, float pan);
    void stop();

    void* device_ = nullptr;
    void* context_ = nullptr;
    std::vector<unsigned int> buffers_;  // by SoundFile; 0 when not loaded
    std::vector<unsigned int> voices_;
    unsigned int hum_ = 0;
    unsigned int ambience_ = 0;
    float humGain_ = 0;
    float ambienceGain_ = 0;
    VoicePool pool_{kVoices};
    // Its own generator: the game's random sequence is never touched here.
    std::minstd_rand random_;
};
