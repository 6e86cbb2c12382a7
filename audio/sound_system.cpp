// SPDX-License-Identifier: MIT
// Playback through OpenAL: cues on a pool of voices, the engine hum and the night.
#include "audio/sound_system.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "audio/cue_sounds.h"
#include "audio/sound_loading.h"
#include "platform/executable_path.h"

namespace {
constexpr float kAmbienceGain = 0.5f;
constexpr float kPausedAmbienceGain = 0.15f;
constexpr float kHumGain = 0.3f;
constexpr float kMasterGain = 0.7f;

ALCdevice* asDevice(void* d) { return static_cast<ALCdevice*>(d); }
ALCcontext* asContext(void* c) { return static_cast<ALCcontext*>(c); }

std::string deviceName(ALCdevice* device) {
    const ALCenum which = alcIsExtensionPresent(device, "ALC_ENUMERATE_ALL_EXT")
                              ? ALC_ALL_DEVICES_SPECIFIER
                              : ALC_DEVICE_SPECIFIER;
    const ALCchar* name = alcGetString(device, which);
    return name ? name : "unknown device";
}

unsigned int makeBuffer(const std::string& path) {
    DecodedSound sound;
    if (!decodeSound(path, sound)) return 0;
    ALuint buffer = 0;
    alGetError();
    alGenBuffers(1, &buffer);
    alBufferData(buffer, AL_FORMAT_MONO16, sound.samples.data(),
                 static_cast<ALsizei>(sound.samples.size() * sizeof(short)), sound.rate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        return 0;
    }
    return buffer;
}

// A tenth of the way each frame, so a change of loudness never clicks.
float easeTowards(float gain, float target) {
    gain += (target - gain) * 0.1f;
    return std::fabs(target - gain) < 0.001f ? target : gain;
}

void loop(unsigned int source, unsigned int buffer, float gain) {
    if (buffer == 0) return;
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
    alSourcei(source, AL_LOOPING, AL_TRUE);
    alSourcef(source, AL_GAIN, gain);
    alSourcePlay(source);
}
}  // namespace

SoundSystem::~SoundSystem() { stop(); }

bool SoundSystem::start(const std::string& directory, bool acceptSilentDevice) {
    ALCdevice* device = alcOpenDevice(nullptr);
    const std::string name = device ? deviceName(device) : "";
    // OpenAL Soft's fallback when nothing else works plays to nowhere.
    if (device && name == "No Output" && !acceptSilentDevice) {
        alcCloseDevice(device);
        device = nullptr;
    }
    ALCcontext* context = device ? alcCreateContext(device, nullptr) : nullptr;
    if (context == nullptr || !alcMakeContextCurrent(context)) {
        if (context) alcDestroyContext(context);
        if (device) alcCloseDevice(device);
        std::printf("Sound: off (no audio device)\n");
        std::fflush(stdout);
        return false;
    }
    device_ = device;
    context_ = context;
    std::printf("Sound: %s\n", name.c_str());

    // Every voice is placed by hand, left to right, at full loudness; the
    // whole mix a little below, so a busy scene stays clear of the top.
    alDistanceModel(AL_NONE);
    alListenerf(AL_GAIN, kMasterGain);
    buffers_.assign(SoundFileCount, 0);
    for (int f = 0; f < SoundFileCount; ++f) {
        const std::string path = directory + pathSeparator() + soundFileName(static_cast<SoundFile>(f));
        buffers_[static_cast<std::size_t>(f)] = makeBuffer(path);
        if (buffers_[static_cast<std::size_t>(f)] == 0) {
            std::printf("ERROR: Could not load sound %s\n", path.c_str());
        }
    }

    voices_.assign(kVoices, 0);
    alGenSources(kVoices, voices_.data());
    for (unsigned int v : voices_) alSourcei(v, AL_SOURCE_RELATIVE, AL_TRUE);
    alGenSources(1, &hum_);
    alGenSources(1, &ambience_);
    for (unsigned int s : {hum_, ambience_}) {
        alSourcei(s, AL_SOURCE_RELATIVE, AL_TRUE);
        placeVoice(s, 0);
    }
    loop(ambience_, buffers_[AmbienceSound], kAmbienceGain);
    ambienceGain_ = kAmbienceGain;
    loop(hum_, buffers_[EngineHumSound], 0);
    std::fflush(stdout);
    return true;
}

void SoundSystem::stop() {
    if (context_ == nullptr) return;
    alDeleteSources(static_cast<ALsizei>(voices_.size()), voices_.data());
    alDeleteSources(1, &hum_);
    alDeleteSources(1, &ambience_);
    for (unsigned int b : buffers_) {
        if (b != 0) alDeleteBuffers(1, &b);
    }
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(asContext(context_));
    alcCloseDevice(asDevice(device_));
    context_ = nullptr;
    device_ = nullptr;
}

float SoundSystem::pan(float x, const SoundFrame& frame) {
    const float width = frame.screenRight - frame.screenLeft;
    if (!(width > 0)) return 0;
    const float p = (x - frame.screenLeft) / width * 2 - 1;
    if (!(p > -1)) return -1;  // also a position that is not a number
    return std::min(p, 1.0f);
}

// On a circle in front of the listener, the screen's edges 60 degrees to
// either side: a sound at an edge is mostly, not only, in that ear.
void SoundSystem::placeVoice(unsigned int source, float pan) {
    const float angle = pan * 1.0471976f;
    alSource3f(source, AL_POSITION, std::sin(angle), 0, -std::cos(angle));
}

void SoundSystem::play(const SoundCues& cues, const SoundFrame& frame) {
    if (context_ == nullptr) return;
    if (!cues.empty()) {
        for (std::size_t i = 0; i < voices_.size(); ++i) {
            ALint state = AL_STOPPED;
            alGetSourcei(voices_[i], AL_SOURCE_STATE, &state);
            pool_.voices[i].busy = state == AL_PLAYING;
        }
        for (const SoundCue& cue : cues) playCue(cue, frame);
    }

    // The hum fades in and out with the car and rises with the scroll speed.
    humGain_ = easeTowards(humGain_, frame.carShown && !frame.paused ? kHumGain : 0.0f);
    ambienceGain_ = easeTowards(ambienceGain_, frame.paused ? kPausedAmbienceGain : kAmbienceGain);
    alSourcef(ambience_, AL_GAIN, ambienceGain_);
    const float pitch = std::clamp(static_cast<float>(0.7 + 0.2 * frame.scrollSpeed), 0.5f, 2.0f);
    alSourcef(hum_, AL_GAIN, humGain_);
    alSourcef(hum_, AL_PITCH, pitch);
    placeVoice(hum_, pan(frame.carX + 1.1f, frame));
}

void SoundSystem::playCue(const SoundCue& cue, const SoundFrame& frame) {
    const CueSound& sound = cueSound(cue.kind);
    const unsigned int buffer = buffers_[sound.file];
    if (buffer == 0) return;
    const float gain = cueGain(sound, cue.strength);
    const int index = pool_.pick(sound.priority, gain);
    if (index < 0) return;
    std::uniform_real_distribution<float> spread(-sound.pitchSpread, sound.pitchSpread);
    const float pitch = cuePitch(sound, cue.strength) * (1 + spread(random_));

    const unsigned int voice = voices_[static_cast<std::size_t>(index)];
    alSourceStop(voice);
    alSourcei(voice, AL_BUFFER, static_cast<ALint>(buffer));
    alSourcef(voice, AL_GAIN, gain);
    alSourcef(voice, AL_PITCH, pitch);
    placeVoice(voice, pan(cue.x, frame));
    alSourcePlay(voice);
    pool_.start(index, sound.priority, gain);
}
