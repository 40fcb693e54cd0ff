#pragma once

namespace vantor::tools::pictures {

// A position in drawing units (a canvas maps units to pixels).
struct Point {
    float x = 0.0f;
    float y = 0.0f;
};

} // namespace vantor::tools::pictures
