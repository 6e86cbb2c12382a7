// SPDX-License-Identifier: MIT
// The fixed set of voices and which one a new sound takes.
#include "audio/voice_pool.h"

namespace {
// True when voice a should be given up before voice b.
bool yieldsBefore(const Voice& a, const Voice& b) {
    if (a.priority != b.priority) return a.priority < b.priority;
    if (a.gain != b.gain) return a.gain < b.gain;
    return a.started < b.started;
}
}  // namespace

int VoicePool::pick(int priority, float gain) const {
    int chosen = -1;
    for (int i = 0; i < static_cast<int>(voices.size()); ++i) {
        const Voice& v = voices[static_cast<std::size_t>(i)];
        if (!v.busy) return i;
        if (chosen < 0 || yieldsBefore(v, voices[static_cast<std::size_t>(chosen)])) chosen = i;
    }
    if (chosen < 0) return -1;
    const Voice& weakest = voices[static_cast<std::size_t>(chosen)];
    // An equal sound gives way to the newer one; a more important one stays,
    // and so does a louder one of the same importance.
    if (weakest.priority > priority) return -1;
    if (weakest.priority == priority && weakest.gain > gain) return -1;
    return chosen;
}

void VoicePool::start(int index, int priority, float gain) {
    Voice& v = voices[static_cast<std::size_t>(index)];
    v.busy = true;
    v.priority = priority;
    v.gain = gain;
    v.started = ++starts;
}
