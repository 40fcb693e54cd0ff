#pragma once

#include "tools/pictures/Canvas.h"
#include "tools/pictures/PlanetPainter.h"

namespace vantor::tools::pictures {

// Animation strips: a row of equal cells, cell 0 at the left, each a step of the animation.
class StripPainter {
public:
    // A lumpy cratered body turning a quarter turn per cell.
    static Canvas Asteroid(int cellSize, int cells, float roughness, const Colour& rock,
                           unsigned seed);
    // A planet turning once round over the cells.
    static Canvas TurningPlanet(int cellSize, int cells, PlanetPainter::Kind kind, unsigned seed);
    // A blast: flash, fireball, spreading fire, fading smoke.
    static Canvas Explosion(int cellSize, int cells);
    // A crackling energy beam with a pulsing glow.
    static Canvas Beam(int cellSize, int cells);
};

} // namespace vantor::tools::pictures
