#pragma once

namespace vantor::graphics {

// The colour a picture's background is painted in, so that it vanishes when the picture is
// drawn turned: red, green and blue from 0 to 1.
struct KeyColour {
    float r = 0;
    float g = 0;
    float b = 0;

    // The keys the game's pictures use.
    static const KeyColour Black;
    static const KeyColour Green;
    static const KeyColour Blue;
    static const KeyColour White;
};

inline constexpr KeyColour KeyColour::Black{0, 0, 0};
inline constexpr KeyColour KeyColour::Green{0, 1, 0};
inline constexpr KeyColour KeyColour::Blue{0, 0, 1};
inline constexpr KeyColour KeyColour::White{1, 1, 1};

} // namespace vantor::graphics
