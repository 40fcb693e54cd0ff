#pragma once

#include "graphics/DrawTarget.h"

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
};

} // namespace vantor::graphics
