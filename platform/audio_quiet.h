// SPDX-License-Identifier: MIT
#pragma once

// On a machine with no way to play sound, the audio libraries complain at
// length on standard error while the game looks for a device (ALSA's
// configuration errors, OpenAL Soft's "(EE)" lines), before the game's own
// "Sound: off" line; a player reads them as a crash. Where the system shows
// some sound output, or the player has configured OpenAL Soft, nothing is
// silenced: a device that exists and fails must still be heard of.

// True when the system shows a sound card, a sound server or the player's
// own OpenAL Soft settings.
bool soundOutputVisible();

// Called on the main thread before any audio call, when no sound output is
// visible: keeps the libraries' messages about the missing device off the
// terminal until `endQuietAudioProbe`.
void beginQuietAudioProbe();
void endQuietAudioProbe();
