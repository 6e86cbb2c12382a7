// SPDX-License-Identifier: MIT
// Sound cues: what the simulation heard happen this frame, for the audio to play.
#pragma once

#include <vector>

// What made the sound. The audio module picks the sound for each kind.
enum class CueKind {
    PlayerShot,
    EnemyShot,
    GroundHit,         // a bullet striking the ground
    BulletsCollide,    // two bullets shooting each other down
    RabbitHit,         // a bullet killing a rabbit
    BalloonHit,        // a balloon losing one of its three hits
    BalloonDestroyed,  // its last hit: the doubled explosion
    PlayerHit,         // the car hit by a bullet, a rabbit or a balloon
    PlayerDeath,       // the car starts to burn
    CarBurn,           // one of the explosions on the burning car
    DriveOut,
    GameStart,  // the engine rev of the drive-in
    Jump,
    Land,
    TurretTurn,
    RabbitHop,
};

// x is where it happened in world units (the play area runs from x = -5 to
// 25); strength is the explosion's size for explosions and 1 otherwise.
struct SoundCue {
    CueKind kind;
    float x;
    float strength;
};

using SoundCues = std::vector<SoundCue>;

// Cues wait at most this many frames' worth for the audio to take them.
constexpr unsigned kMaxPendingCues = 512;
