// SPDX-License-Identifier: MIT
// Decoding a sound file with libsndfile into samples ready for OpenAL.
#include "audio/sound_loading.h"

#include <sndfile.h>

bool decodeSound(const std::string& path, DecodedSound& out) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) return false;
    const sf_count_t limit = 60 * 48000;  // a minute: far more than any sound here
    bool ok = info.channels > 0 && info.frames > 0 && info.frames <= limit &&
              info.samplerate > 0;
    if (ok) {
        const std::size_t channels = static_cast<std::size_t>(info.channels);
        std::vector<short> frames(static_cast<std::size_t>(info.frames) * channels);
        const sf_count_t read = sf_readf_short(file, frames.data(), info.frames);
        ok = read > 0;
        out.rate = info.samplerate;
        out.samples.assign(static_cast<std::size_t>(read), 0);
        for (std::size_t i = 0; ok && i < out.samples.size(); ++i) {
            int sum = 0;
            for (std::size_t c = 0; c < channels; ++c) sum += frames[i * channels + c];
            out.samples[i] = static_cast<short>(sum / static_cast<int>(channels));
        }
    }
    sf_close(file);
    return ok;
}
