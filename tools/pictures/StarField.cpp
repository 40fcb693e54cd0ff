#include "tools/pictures/StarField.h"

#include <cmath>

namespace vantor::tools::pictures {

Colour StarField::Tint(tools::Random& random) {
    const float pick = random.UniformFloat();
    if (pick < 0.35f) {
        return {0.75f, 0.85f, 1.0f, 1.0f};
    }
    if (pick < 0.7f) {
        return {1.0f, 1.0f, 1.0f, 1.0f};
    }
    if (pick < 0.85f) {
        return {1.0f, 0.93f, 0.75f, 1.0f};
    }
    if (pick < 0.95f) {
        return {1.0f, 0.75f, 0.5f, 1.0f};
    }
    return {1.0f, 0.55f, 0.45f, 1.0f};
}

void StarField::Star(Canvas& canvas, float x, float y, const Colour& colour, float brightness) {
    canvas.Glow(x, y, 2.0f + 6.0f * brightness, colour, 0.5f * brightness);
    canvas.Glow(x, y, 1.6f + brightness, {1, 1, 1, 1}, brightness);
    if (brightness > 0.6f) {
        const float reach = 10.0f + 22.0f * (brightness - 0.6f) * 2.5f;
        for (int i = 0; i < 2; ++i) {
            const float dx = i == 0 ? 1.0f : 0.0f;
            const float dy = i == 0 ? 0.0f : 1.0f;
            for (float t = -reach; t <= reach; t += 0.5f / canvas.unit) {
                const float fade = 1.0f - std::fabs(t) / reach;
                canvas.Splat(x + dx * t, y + dy * t, colour, 0.35f * brightness * fade * fade);
            }
        }
    }
}

void StarField::Scatter(Canvas& canvas, tools::Random& random, int count, float brightness,
                        float left, float top, float right, float bottom) {
    for (int i = 0; i < count; ++i) {
        const float x = random.RangeFloat(left, right);
        const float y = random.RangeFloat(top, bottom);
        const Colour tint = Tint(random);
        // Most stars are faint; a steep power makes bright ones rare.
        const float level = std::pow(random.UniformFloat(), 9.0f);
        const float amount = brightness * (0.12f + 1.4f * level);
        if (level > 0.9f) {
            Star(canvas, x, y, tint, std::min(1.0f, amount * 0.75f));
        } else if (level > 0.6f) {
            Star(canvas, x, y, tint, 0.5f * amount);
        } else if (level > 0.25f) {
            canvas.Glow(x, y, 2.5f, tint, amount * 0.5f);
            canvas.Splat(x, y, tint, amount);
        } else {
            canvas.Splat(x, y, tint, amount);
        }
    }
}

} // namespace vantor::tools::pictures
