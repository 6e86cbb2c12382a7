// The game's sound: started beside the window, fed the world's cues each frame.
#pragma once

class ModelManager;

// Opens the audio device and loads the sounds from the sounds/ folder next to
// the executable, on a thread of its own, while the window and world load.
void startSound();

// After each frame: plays the world's cues and empties the list. Until the
// audio has started the cues are dropped; the frame never waits for it.
void handOverSound(ModelManager& world);
