#pragma once

namespace vantor::bench {

// Loading the level's 69 assets (55 sprite sheets from 56 picture files, and 14 text styles)
// onto the offscreen software picture, beside plainly decoding the same 56 files with
// SDL2_image.
class LoadBench {
public:
    static void Register();
};

} // namespace vantor::bench
