// SPDX-License-Identifier: MIT
// Which sound file each cue plays, how loud, how important, how varied.
#pragma once

#include <string>

#include "gameplay/sound_cue.h"

// The sound files in the build's sounds/ folder, made by scripts/make_sounds.py;
// named, in this order, in audio/sound_files.txt.
enum SoundFile {
    CarShotSound,
    BalloonShotSound,
    GroundHitSound,
    RabbitHitSound,
    BalloonHitSound,
    BalloonDestroyedSound,
    CarHitSound,
    CarDeathSound,
    DriveOutSound,
    GameStartSound,
    JumpSound,
    LandSound,
    TurretSound,
    RabbitHopSound,
    EngineHumSound,   // loops while the car is on screen
    AmbienceSound,    // loops all the time
    SoundFileCount,
};

const char* soundFileName(SoundFile file);

struct CueSound {
    SoundFile file;
    float gain;        // at strength 1
    int priority;      // 0 least important
    float pitch;       // base playback rate
    float pitchSpread; // random variation, plus or minus this share
    bool explosion;    // loudness from the explosion's size
};

const CueSound& cueSound(CueKind kind);

// Gain of one cue: explosions grow louder and deeper with their size (1 to
// 6); other cues scale with their strength.
float cueGain(const CueSound& sound, float strength);
float cuePitch(const CueSound& sound, float strength);
