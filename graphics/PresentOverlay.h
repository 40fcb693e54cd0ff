#pragma once

#include "graphics/DrawTarget.h"

#include <SDL.h>

namespace vantor::graphics {

// What the window shows over the game picture without being part of it (a pause screen, a
// volume indicator): drawn in game coordinates each time the picture is presented, onto the
// target it is given (a copy of the game picture, or the window's picture scaled to game
// coordinates), so the game picture itself, and a screenshot of it, never holds it.
class PresentOverlay {
public:
    virtual ~PresentOverlay() = default;
    // Whether there is anything to draw; when not, presenting costs nothing more.
    virtual bool Visible() const = 0;
    virtual void Draw(const vantor::graphics::DrawTarget& target) = 0;

    // What shows on the whole output, the bars beside the picture included (buttons for a
    // finger): drawn after the picture is in its place, in the output's own pixels, onto the
    // output's renderer; `picture` is where the game picture lies. Nothing unless an overlay
    // has such things.
    virtual bool VisibleOnOutput() const { return false; }
    virtual void DrawOnOutput(const vantor::graphics::DrawTarget& output, const SDL_Rect& picture) {
        (void)output;
        (void)picture;
    }
};

} // namespace vantor::graphics
