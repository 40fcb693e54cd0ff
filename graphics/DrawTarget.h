#pragma once

#include <SDL.h>

namespace vantor::graphics {

class Canvas;

// Where a draw lands: a 1024 by 768 picture reached through an SDL renderer and, where the
// processor composites pictures and text onto the same pixels, a canvas. Whoever draws is handed
// the target; nothing draws by reaching for a device's current renderer. A target owns neither:
// both belong to whoever made the picture (Graphics for the game picture and for the copy the
// overlay is drawn on) and must outlive every draw onto it. One thread only, as all drawing.
class DrawTarget {
public:
    DrawTarget() = default;
    DrawTarget(SDL_Renderer* renderer, Canvas* canvas) : renderer(renderer), canvas(canvas) {}

    // Null when there is nothing to draw onto.
    SDL_Renderer* Renderer() const { return renderer; }
    // Whether the processor composites pictures and text here (CanvasToDraw gives a canvas).
    bool DrawsOnCanvas() const { return canvas != nullptr; }
    // The canvas, with whatever the renderer still holds back drawn first, so that the canvas
    // draws over it; null where the renderer draws everything.
    Canvas* CanvasToDraw() const;

    // Fills the rectangle with the colour, blended by its alpha.
    void FillRect(const SDL_Rect& box, SDL_Color colour) const;

private:
    SDL_Renderer* renderer = nullptr;
    Canvas* canvas = nullptr;
};

} // namespace vantor::graphics
