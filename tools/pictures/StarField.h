#pragma once

#include "tools/Random.h"
#include "tools/pictures/Canvas.h"

namespace vantor::tools::pictures {

// Stars for the backdrops: many faint points, some soft glows and a few bright stars with
// spikes, in star colours from blue-white to red.
class StarField {
public:
    // Scatters count stars over the rectangle (units); brightness scales them all.
    static void Scatter(Canvas& canvas, tools::Random& random, int count, float brightness,
                        float left, float top, float right, float bottom);
    // One star with a halo and, when bright enough, four spikes.
    static void Star(Canvas& canvas, float x, float y, const Colour& colour, float brightness);
    // A star colour, mostly white and blue-white, sometimes yellow, orange or red.
    static Colour Tint(tools::Random& random);
};

} // namespace vantor::tools::pictures
