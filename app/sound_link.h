// SPDX-License-Identifier: MIT
// The game's sound: started beside the window, fed the world's cues each frame.
#pragma once

class ModelManager;

// After each frame's update: plays the world's cues and empties the list.
// Its second call, once the first frame is on screen, opens the audio device
// and loads the sounds from the sounds/ folder next to the executable, on a
// thread of its own, so the first picture never waits for them (without
// threads, in the browser, right there). Until that is done the cues are
// dropped; a frame never waits for the audio.
void handOverSound(ModelManager& world);

// True while the sound is still starting on its thread. Quitting then must
// not wait for it: a driver or a file may keep it busy for long.
bool soundStarting();
