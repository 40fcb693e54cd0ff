#pragma once

#include "tools/pictures/Canvas.h"
#include "tools/pictures/TextPainter.h"

namespace vantor::tools::pictures {

// The panels laid over the play screen, shaped around the numbers and pictures the game
// draws on them, with a caption for each; and the game-over plate.
class PanelPainter {
public:
    explicit PanelPainter(TextPainter& text) : text(text) {}

    // Top bar, drawn at (360, 0): energy, science and kills counters.
    Canvas Score() const;
    // Top-right corner, drawn at (888, 0): the warp charge in percent. Variant 0 is the one
    // shown; 1 and 2 are the same panel in other colours.
    Canvas Warp(int variant) const;
    // Bottom bar, drawn at (307, 720): weapon, torpedoes left and the captain.
    Canvas BottomBar() const;
    // The planet report, drawn at (104, 75), with the turning planet's window and the choices.
    Canvas PlanetReport() const;
    // The full-window engineering menu.
    Canvas Engineering() const;
    // The end-of-game plate, drawn at (200, 190) through the green key.
    Canvas GameOver() const;

private:
    TextPainter& text;
};

} // namespace vantor::tools::pictures
