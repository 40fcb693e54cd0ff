#pragma once

#include "tools/pictures/Canvas.h"

#include <cstdint>

namespace vantor::tools::pictures {

// Lit, textured planets of several kinds, turned about their axis by any angle.
class PlanetPainter {
public:
    enum class Kind { Desert, Ocean, Ice, Lava, Banded, Toxic, Ringed, Rust, Reef, Storm };

    // Draws the planet centred at (cx, cy) with the given radius (units), its surface turned
    // by spin radians; the same seed and spin give the same face.
    static void Draw(Canvas& canvas, Kind kind, float cx, float cy, float radius, float spin,
                     std::uint32_t seed);
};

} // namespace vantor::tools::pictures
