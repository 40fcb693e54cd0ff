#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantor::test {

// A decoded picture file as 8-bit RGBA, with whether the file itself carries alpha.
struct Picture {
    int width = 0;
    int height = 0;
    bool hasAlpha = false;
    std::vector<std::uint8_t> rgba;

    const std::uint8_t* At(int x, int y) const {
        return rgba.data() + (static_cast<std::size_t>(y) * width + x) * 4;
    }
    float Luminance(int x, int y) const {
        const std::uint8_t* p = At(x, y);
        return (0.2126f * p[0] + 0.7152f * p[1] + 0.0722f * p[2]) / 255.0f;
    }
};

} // namespace vantor::test
