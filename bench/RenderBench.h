#pragma once

namespace vantor::bench {

// Drawing every screen of the game on the offscreen software picture, beside one plain opaque
// full-screen copy on the same renderer: the floor any frame with a backdrop pays.
class RenderBench {
public:
    static void Register();
};

} // namespace vantor::bench
