// SPDX-License-Identifier: MIT
// What a cached layer's pixels depend on, as exact bits, to tell a still view.
#pragma once

#include <cstdint>
#include <vector>

// Both matrices, the viewport and the clear values as they stand, plus
// whatever the caller adds (texture names, sizes). Two keys are equal only
// when every bit is, so a cached picture is reused only where drawing it
// afresh would give the very same pixels.
struct ViewKey {
    std::vector<std::uint32_t> bits;

    static ViewKey current();
    void add(float value);
    void add(unsigned int value);
    bool operator==(const ViewKey& other) const { return bits == other.bits; }
    bool operator!=(const ViewKey& other) const { return bits != other.bits; }
};
