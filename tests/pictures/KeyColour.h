#pragma once

#include "Picture.h"

#include <cstdint>
#include <cstdlib>

namespace vantor::test {

// The chroma key the game draws keyed pictures through: a pixel disappears when each of its
// channels lies within 0.7 of the key colour's (channels from 0 to 1).
struct KeyColour {
    int r;
    int g;
    int b;

    bool Removes(const std::uint8_t* p) const {
        return std::abs(p[0] - r) / 255.0 <= 0.7 && std::abs(p[1] - g) / 255.0 <= 0.7 &&
               std::abs(p[2] - b) / 255.0 <= 0.7;
    }
    bool Is(const std::uint8_t* p) const { return p[0] == r && p[1] == g && p[2] == b; }
};

} // namespace vantor::test
