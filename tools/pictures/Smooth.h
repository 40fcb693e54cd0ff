#pragma once

#include <algorithm>

namespace vantor::tools::pictures {

// 0 at edge0, 1 at edge1 and an S-curve between them, flat at both ends (edge0 may lie above
// edge1 for a curve that falls).
inline float Smooth(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

} // namespace vantor::tools::pictures
