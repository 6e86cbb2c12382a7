// SPDX-License-Identifier: MIT
// Decoding a sound file with libsndfile into samples ready for OpenAL.
#include "audio/sound_loading.h"

#include <sndfile.h>

#include <cstdio>
#include <memory>

#include "platform/asset_file.h"

namespace {

// libsndfile reads through the game's own opener, so a sound is refused like
// any other asset when it is a FIFO, a device or a folder, and a folder with
// non-ASCII letters opens on Windows too.
struct OpenFile {
    std::FILE* file;
    std::int64_t size;
};

sf_count_t fileLength(void* data) { return static_cast<OpenFile*>(data)->size; }

sf_count_t seek(sf_count_t offset, int whence, void* data) {
    std::FILE* file = static_cast<OpenFile*>(data)->file;
    if (seekFile(file, offset, whence) != 0) return -1;
    return tellFile(file);
}

sf_count_t readBytes(void* buffer, sf_count_t count, void* data) {
    return static_cast<sf_count_t>(std::fread(buffer, 1, static_cast<std::size_t>(count),
                                              static_cast<OpenFile*>(data)->file));
}

sf_count_t writeNothing(const void*, sf_count_t, void*) { return 0; }

sf_count_t tell(void* data) { return tellFile(static_cast<OpenFile*>(data)->file); }

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool decodeSound(const std::string& path, DecodedSound& out) {
    std::string problem;
    OpenFile opened{nullptr, 0};
    std::unique_ptr<std::FILE, FileCloser> owner(openAssetFile(path, problem, &opened.size));
    if (!owner) return false;
    opened.file = owner.get();
    SF_VIRTUAL_IO io{fileLength, seek, readBytes, writeNothing, tell};
    SF_INFO info{};
    SNDFILE* file = sf_open_virtual(&io, SFM_READ, &info, &opened);
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
