#pragma once

#include <SDL.h>

namespace vantor::graphics {

// The colour key that makes a picture's background vanish when it is drawn rotated. A pixel
// whose red, green and blue (0 to 1) each lie within Tolerance of the key's becomes fully
// transparent; every other pixel keeps its colour and its alpha. There is no feathering.
class ChromaKey {
public:
    static constexpr float Tolerance = 0.7f;

    // True when the colour (channels 0 to 255, not premultiplied) is keyed out.
    static bool Matches(Uint8 r, Uint8 g, Uint8 b, float keyR, float keyG, float keyB);

    // Keys an ARGB8888 picture in place. Keyed pixels take the average colour of their
    // unkeyed neighbours (black when there is none) at alpha 0, so that smoothing a rotated
    // picture blends its edges into the picture's own colours rather than into the key's.
    // Does nothing to a picture of any other format.
    static void Apply(SDL_Surface* picture, float keyR, float keyG, float keyB);
};

} // namespace vantor::graphics
