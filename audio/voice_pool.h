// SPDX-License-Identifier: MIT
// The fixed set of voices sounds play on, and which one a new sound takes.
#pragma once

#include <vector>

struct Voice {
    bool busy = false;
    int priority = 0;
    float gain = 0;
    long started = 0;  // order of starting; larger is newer
};

// A new sound takes a free voice; when every voice is busy it takes the one
// playing the least important sound, of those the quietest, then the oldest,
// but never one more important than itself. So the newest important sound
// (a hit, the death) always plays, and a frame never waits for a voice.
class VoicePool {
public:
    std::vector<Voice> voices;
    long starts = 0;

    explicit VoicePool(int count) : voices(static_cast<std::size_t>(count)) {}

    // The voice for a sound of this priority and gain, or -1 to skip it.
    int pick(int priority, float gain) const;
    // Records that voice `index` now plays such a sound.
    void start(int index, int priority, float gain);
};
