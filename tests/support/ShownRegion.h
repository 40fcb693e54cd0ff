#pragma once

#include "graphics/KeyColour.h"

#include <cstdint>
#include <optional>

class Graphics;

namespace vantor::test {

class PictureFile;

// A rectangle (sx, sy, w, h) of a picture file that the game picture is expected to show
// unchanged at (x, y), with nothing over it. Whether the game draws the picture is told by
// looking there.
struct ShownRegion {
    int sx, sy, w, h;
    int x, y;
    int tolerance = 3;   // per channel
    int minAlpha = 0xFF; // pixels of the file less opaque than this are not looked at
    // Pixels that this colour key removes (within 0.7 on every channel) are not looked at either.
    std::optional<graphics::KeyColour> key = std::nullopt;
    int step = 3; // every step-th pixel in each direction

    // The share of the looked-at pixels of the picture that the game picture shows; solid
    // tells how many were looked at.
    double Share(Graphics& graphics, const PictureFile& picture, int& solid) const;

    // Whether every channel of the two 0xAARRGGBB pixels lies within the tolerance.
    static bool Near(uint32_t a, uint32_t b, int tolerance);

private:
    bool Keyed(uint32_t pixel) const;
};

} // namespace vantor::test
