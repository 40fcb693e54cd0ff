#pragma once

#include <cstddef>

#include "tools/sounds/StereoBuffer.h"

namespace vantor::tools::sounds {

// Where instruments play into: the dry mix and the two effect sends of a piece.
struct MixBuses {
    StereoBuffer dry;
    StereoBuffer reverb;
    StereoBuffer echo;

    void Clear(std::size_t frames) {
        dry.Clear(frames);
        reverb.Clear(frames);
        echo.Clear(frames);
    }
};

} // namespace vantor::tools::sounds
