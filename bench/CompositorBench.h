#pragma once

namespace vantor::bench {

// The ways the processor can draw the game's pictures, side by side on the same pictures in
// the same run: SDL's software renderer from textures (how every picture was drawn before the
// canvas), SDL's RLE-accelerated surface blits, and the canvas on pixman (what the game draws
// with now). Each draws the same scene onto its own 1024 by 768 picture: the play screen's
// backdrop, three keyed planets, the planet panel, the score panel, the bottom bar and the
// engineering menu over all of it.
class CompositorBench {
public:
    static void Register();
};

} // namespace vantor::bench
