#include "app/Crosshair.h"

#include "graphics/Graphics.h"

#include <algorithm>
#include <cmath>

namespace vantor::app {

float Crosshair::Tilt(Sint16 axis) {
    return std::clamp(static_cast<float>(axis) / 32767.0f, -1.0f, 1.0f);
}

float Crosshair::Pace(float x, float y) {
    const float tilt = std::min(1.0f, std::hypot(x, y));
    if (tilt <= DeadZone) {
        return 0.0f;
    }
    const float beyond = (tilt - DeadZone) / (1.0f - DeadZone);
    return beyond * beyond;
}

void Crosshair::Move(float seconds, float leftX, float leftY, float rightX, float rightY) {
    float dx = 0.0f;
    float dy = 0.0f;
    const auto add = [&](float sx, float sy, float speed) {
        const float length = std::hypot(sx, sy);
        const float pace = Pace(sx, sy);
        if (pace > 0.0f) {
            dx += sx / length * pace * speed * seconds;
            dy += sy / length * pace * speed * seconds;
        }
    };
    add(leftX, leftY, Speed);
    add(rightX, rightY, FastSpeed);
    Place(x + dx, y + dy);
}

void Crosshair::Place(float toX, float toY) {
    x = std::clamp(toX, 0.0f, static_cast<float>(Graphics::Width - 1));
    y = std::clamp(toY, 0.0f, static_cast<float>(Graphics::Height - 1));
}

} // namespace vantor::app
