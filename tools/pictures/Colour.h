#pragma once

#include <algorithm>

namespace vantor::tools::pictures {

// A straight (not premultiplied) colour with red, green, blue and alpha from 0 to 1.
struct Colour {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 1.0f;

    // From 0..255 channels, the way colours are usually written down.
    static Colour Rgb(int red, int green, int blue, float alpha = 1.0f) {
        return {red / 255.0f, green / 255.0f, blue / 255.0f, alpha};
    }

    static Colour Mix(const Colour& from, const Colour& to, float t) {
        return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
                from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
    }

    Colour WithAlpha(float alpha) const { return {r, g, b, alpha}; }

    // Brighter or darker: the colour channels times k, alpha kept.
    Colour Times(float k) const { return {r * k, g * k, b * k, a}; }

    Colour Clamped() const {
        return {std::clamp(r, 0.0f, 1.0f), std::clamp(g, 0.0f, 1.0f), std::clamp(b, 0.0f, 1.0f),
                std::clamp(a, 0.0f, 1.0f)};
    }

    float Luminance() const { return 0.2126f * r + 0.7152f * g + 0.0722f * b; }
};

} // namespace vantor::tools::pictures
