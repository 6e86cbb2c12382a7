// SPDX-License-Identifier: MIT
// Decodes a sound file with libsndfile into samples ready for OpenAL.
#pragma once

#include <string>
#include <vector>

struct DecodedSound {
    std::vector<short> samples;  // mono, 16 bit
    int rate = 0;
};

// False when the file is missing, unreadable or empty. Stereo files are
// mixed down to mono, so every sound can be placed left or right.
bool decodeSound(const std::string& path, DecodedSound& out);
