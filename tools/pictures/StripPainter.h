#pragma once

#include "tools/pictures/Canvas.h"

namespace vantor::tools::pictures {

// Animation strips: a row of equal cells, cell 0 at the left, each a step of the animation.
class StripPainter {
public:
    // A lumpy cratered body turning a quarter turn per cell.
    static Canvas Asteroid(int cellSize, int cells, float roughness, const Colour& rock,
                           unsigned seed);
    // A planet scan's globe: a dark glass sphere with a glowing grid, turning one grid step
    // over the cells, so that the cells loop; leaning forward by tilt (radians). Not any
    // particular planet: the panel it turns in serves every planet of a sector.
    static Canvas ScanGlobe(int cellSize, int cells, float tilt);
    // A blast: flash, fireball, spreading fire, fading smoke.
    static Canvas Explosion(int cellSize, int cells);
    // A crackling energy beam with a pulsing glow.
    static Canvas Beam(int cellSize, int cells);
};

} // namespace vantor::tools::pictures
