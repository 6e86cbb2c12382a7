// SPDX-License-Identifier: MIT
// The sound file, loudness, importance and pitch spread of each cue.
#include "audio/cue_sounds.h"

#include <algorithm>
#include <iterator>

#include "audio/sound_file_names.h"

namespace {
static_assert(std::size(kSoundFileNames) == SoundFileCount,
              "audio/sound_files.txt lists one file per SoundFile");

// In CueKind order.
const CueSound kCueSounds[] = {
    {CarShotSound, 0.8f, 3, 1.0f, 0.04f, false},           // PlayerShot
    {BalloonShotSound, 0.6f, 2, 1.0f, 0.06f, false},       // EnemyShot
    {GroundHitSound, 0.7f, 2, 1.0f, 0.08f, true},          // GroundHit
    {GroundHitSound, 0.6f, 2, 1.4f, 0.08f, true},          // BulletsCollide
    {RabbitHitSound, 0.8f, 2, 1.0f, 0.06f, true},          // RabbitHit
    {BalloonHitSound, 0.8f, 2, 1.0f, 0.06f, true},         // BalloonHit
    {BalloonDestroyedSound, 1.0f, 3, 1.0f, 0.04f, true},   // BalloonDestroyed
    {CarHitSound, 1.0f, 4, 1.0f, 0.04f, true},             // PlayerHit
    {CarDeathSound, 1.0f, 5, 1.0f, 0.0f, false},           // PlayerDeath
    {BalloonHitSound, 0.6f, 2, 0.8f, 0.1f, true},          // CarBurn
    {DriveOutSound, 0.7f, 3, 1.0f, 0.0f, false},           // DriveOut
    {GameStartSound, 0.8f, 4, 1.0f, 0.0f, false},          // GameStart
    {JumpSound, 0.5f, 2, 1.0f, 0.05f, false},              // Jump
    {LandSound, 0.5f, 1, 1.0f, 0.08f, false},              // Land
    {TurretSound, 0.4f, 1, 1.0f, 0.05f, false},            // TurretTurn
    {RabbitHopSound, 0.35f, 0, 1.0f, 0.15f, false},        // RabbitHop
};
static_assert(sizeof(kCueSounds) / sizeof(kCueSounds[0]) ==
                  static_cast<int>(CueKind::RabbitHop) + 1,
              "one sound per cue kind");
}  // namespace

const char* soundFileName(SoundFile file) { return kSoundFileNames[file]; }

const CueSound& cueSound(CueKind kind) { return kCueSounds[static_cast<int>(kind)]; }

float cueGain(const CueSound& sound, float strength) {
    const float loudness = sound.explosion ? 0.35f + 0.13f * strength : strength;
    return sound.gain * std::clamp(loudness, 0.0f, 1.0f);
}

float cuePitch(const CueSound& sound, float strength) {
    if (!sound.explosion) return sound.pitch;
    return sound.pitch * std::clamp(1.15f - 0.05f * strength, 0.8f, 1.1f);
}
