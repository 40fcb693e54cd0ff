#pragma once

#include "graphics/CanvasPicture.h"

#include <SDL.h>

union pixman_image;

namespace vantor::graphics {

// The game picture as the processor draws pictures onto it when no graphics card does: with
// pixman, the compositing of the X server and of cairo, which copies runs of fully opaque pixels,
// skips fully clear ones and blends the rest four at a time. Pictures land at whole pixels, as
// SDL's software renderer places them; whatever falls outside the game picture is cut off.
class Canvas {
public:
    // Draws onto the ARGB8888 surface, which the caller keeps for as long as the canvas lives.
    explicit Canvas(SDL_Surface* picture);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool Ready() const { return image != nullptr && solid != nullptr; }
    SDL_Surface* Picture() const { return picture; }

    // The source rectangle of the picture with its top-left at (x, y), over what is there (an
    // opaque picture is simply copied).
    void Draw(const CanvasPicture& source, SDL_Rect part, int x, int y);
    // The mask's source rectangle in the opaque colour, over what is there.
    void DrawMask(const CanvasPicture& mask, SDL_Rect part, int x, int y, SDL_Color colour);
    // Whether the whole picture drawn with its top-left at (x, y) would cover the whole of a
    // canvas of the size with opaque pixels.
    static bool Covers(const CanvasPicture& source, int x, int y, int width, int height) {
        return source.Ready() && source.Opaque() && x <= 0 && y <= 0 &&
               x + source.Width() >= width && y + source.Height() >= height;
    }

    // A position SDL's software renderer would draw a picture at: the whole part of the
    // coordinate, rounded toward zero.
    static int Whole(float position) { return static_cast<int>(position); }

private:
    SDL_Surface* picture = nullptr;
    pixman_image* image = nullptr;
    // One pixel that stands for a colour the whole picture wide, set anew for every mask.
    Uint32 solidPixel = 0;
    pixman_image* solid = nullptr;
};

} // namespace vantor::graphics
