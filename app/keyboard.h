// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// Matches one typed letter sequence, case-blind. A key that breaks the
// sequence is not tried again as its first letter.
struct SequenceMatcher {
    const char* letters;
    int length;
    int progress = 0;

    // True when this key completes the sequence.
    bool feed(unsigned char key);
};

// Feeds both sequence matchers, then acts on the key by game state.
void handleKey(unsigned char key);
// The toolkit's keyboard callback: flushes the console, then Alt+Enter
// toggles fullscreen and any other key goes to handleKey.
void keyboardCallback(unsigned char key, int x, int y);
// The toolkit's callback for keys without a character: F11 toggles fullscreen.
void specialKeyCallback(int key, int x, int y);

// Switches the mouse-button callback on or off when the free camera is
// toggled. The game registers it with the toolkit; tests record it instead.
extern std::function<void(bool on)> switchMouseCallback;

// The two matchers, exposed so tests can start from a clean slate.
extern SequenceMatcher tintSequence;
extern SequenceMatcher freeCameraSequence;
