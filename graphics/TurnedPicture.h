#pragma once

#include "graphics/CanvasPicture.h"

#include <SDL.h>

#include <array>
#include <vector>

class Graphics;

namespace vantor::graphics {

// A keyed picture as it is drawn turned: about a fixed point, smoothed, its keyed background
// clear. Upright it needs no turning at all: the keyed picture itself is drawn. Any other angle
// is worked out here, into one of two turned copies, each big enough for the picture at any
// angle, and kept for as long as its angle is drawn: a ship that keeps its heading is only
// copied from frame to frame, and a picture drawn at two angles in one frame keeps both.
// Turning allocates nothing, and on every drawing device the pixels are the same.
class TurnedPicture {
public:
    // Keeps a copy of the keyed ARGB8888 pixels; Ready() is false when the upright picture
    // could not be made for the device. A picture that turns gets its turned copies now, any
    // other the first time it is drawn turned after all.
    TurnedPicture(Graphics* graphics, const SDL_Surface* keyed, SDL_Point centre, bool turns);
    ~TurnedPicture();
    TurnedPicture(const TurnedPicture&) = delete;
    TurnedPicture& operator=(const TurnedPicture&) = delete;

    bool Ready() const { return upright != nullptr || uprightPicture.Ready(); }

    // The picture placed with its top-left at (x, y), turned angle degrees clockwise about
    // (x, y) plus the centre.
    void Draw(int angle, float x, float y);

    // How many times any picture has been worked out at an angle, since the program started.
    // A frame that draws every picture at the angle of the frame before adds nothing.
    static inline long long turns = 0;

private:
    // One angle worked out: the box about the turned picture, from the top-left of its pixels,
    // and where that box lies in the square 2 * reach on a side about the turning centre.
    struct Turned {
        int angle = -1; // none yet
        long long lastUse = 0;
        SDL_Rect area = {0, 0, 0, 0};
        int areaX = 0;
        int areaY = 0;
        SDL_Texture* texture = nullptr; // with a renderer
        std::vector<Uint32> pixels;     // on the canvas, premultiplied, side pixels square
        CanvasPicture picture;
    };

    // The turned copy holding the angle (1 to 359), worked out now unless one holds it already;
    // null when the copies cannot be made.
    Turned* TurnedTo(int angle);
    // Makes both turned copies for the device.
    bool MakeTurnedCopies();
    // Works the picture out at the angle into the copy.
    void Turn(int angle, Turned& into);
    void DrawPart(SDL_Texture* texture, const CanvasPicture& picture, SDL_Rect part, float x,
                  float y);

    Graphics* graphics = nullptr;
    std::vector<Uint32> pixels; // the keyed picture, row after row, straight alpha
    int width = 0;
    int height = 0;
    SDL_Point centre = {0, 0};
    // Turned pixels are placed in a square 2 * reach on a side with the turning centre in its
    // middle; each copy, side pixels square, holds the part of it the picture covers.
    int reach = 0;
    int side = 0;
    // The keyed picture upright: a texture with a renderer, premultiplied pixels on the canvas.
    SDL_Texture* upright = nullptr;
    std::vector<Uint32> uprightPixels;
    CanvasPicture uprightPicture;
    std::array<Turned, 2> turned;
    bool turnedMade = false; // tried once, the first time the picture is drawn turned
    bool turnedReady = false;
    long long draws = 0;
};

} // namespace vantor::graphics
