#pragma once

#include <SDL.h>

namespace vantor::graphics {

// Fits the 1024 by 768 game picture into an output of any size: the largest centred
// rectangle of the picture's 4:3 shape, with black bars filling the rest.
class Letterbox {
public:
    // The picture's rectangle inside an output of the given pixel size; empty for an empty
    // output.
    static SDL_Rect Fit(int outputWidth, int outputHeight);

    // Maps a point of the output (in output pixels, fractions allowed) to the game pixel shown
    // there through box. False when the point lies in a bar; gameX and gameY are then the
    // nearest game pixel on the picture's edge.
    static bool ToGame(const SDL_Rect& box, float outputX, float outputY, int& gameX, int& gameY);
};

} // namespace vantor::graphics
