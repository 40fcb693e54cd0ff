#include "graphics/DrawTarget.h"

namespace vantor::graphics {

Canvas* DrawTarget::CanvasToDraw() const {
    if (canvas != nullptr && renderer != nullptr) {
        SDL_RenderFlush(renderer);
    }
    return canvas;
}

void DrawTarget::FillRect(const SDL_Rect& box, SDL_Color colour) const {
    if (renderer == nullptr) {
        return;
    }
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, colour.a);
    SDL_RenderFillRect(renderer, &box);
}

} // namespace vantor::graphics
