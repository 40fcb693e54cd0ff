#include "tools/pictures/Shape.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vantor::tools::pictures {

Shape Shape::Circle(float cx, float cy, float radius) {
    return {[=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; }, cx - radius,
            cy - radius, cx + radius, cy + radius};
}

Shape Shape::Ellipse(float cx, float cy, float rx, float ry) {
    const float smaller = std::min(rx, ry);
    return {[=](float x, float y) {
                return (std::hypot((x - cx) / rx, (y - cy) / ry) - 1.0f) * smaller;
            },
            cx - rx, cy - ry, cx + rx, cy + ry};
}

Shape Shape::RoundRect(float x, float y, float width, float height, float radius) {
    const float cx = x + width / 2;
    const float cy = y + height / 2;
    const float hx = width / 2 - radius;
    const float hy = height / 2 - radius;
    return {[=](float px, float py) {
                const float qx = std::fabs(px - cx) - hx;
                const float qy = std::fabs(py - cy) - hy;
                const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
                return outside + std::min(std::max(qx, qy), 0.0f) - radius;
            },
            x, y, x + width, y + height};
}

Shape Shape::Polygon(std::vector<Point> corners) {
    float left = corners[0].x;
    float right = left;
    float top = corners[0].y;
    float bottom = top;
    for (const Point& p : corners) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    return {[v = std::move(corners)](float px, float py) {
                float nearest = 1e30f;
                bool inside = false;
                const std::size_t n = v.size();
                for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
                    const float ex = v[j].x - v[i].x;
                    const float ey = v[j].y - v[i].y;
                    const float wx = px - v[i].x;
                    const float wy = py - v[i].y;
                    const float length = ex * ex + ey * ey;
                    const float t =
                        length > 0 ? std::clamp((wx * ex + wy * ey) / length, 0.0f, 1.0f) : 0.0f;
                    const float bx = wx - ex * t;
                    const float by = wy - ey * t;
                    nearest = std::min(nearest, bx * bx + by * by);
                    const bool above = py >= v[i].y;
                    const bool below = py < v[j].y;
                    const bool turn = ex * wy > ey * wx;
                    if ((above && below && turn) || (!above && !below && !turn)) {
                        inside = !inside;
                    }
                }
                const float d = std::sqrt(nearest);
                return inside ? -d : d;
            },
            left, top, right, bottom};
}

Shape Shape::Line(Point from, Point to, float width) {
    const float half = width / 2;
    return {[=](float px, float py) {
                const float ex = to.x - from.x;
                const float ey = to.y - from.y;
                const float wx = px - from.x;
                const float wy = py - from.y;
                const float length = ex * ex + ey * ey;
                const float t =
                    length > 0 ? std::clamp((wx * ex + wy * ey) / length, 0.0f, 1.0f) : 0.0f;
                return std::hypot(wx - ex * t, wy - ey * t) - half;
            },
            std::min(from.x, to.x) - half, std::min(from.y, to.y) - half,
            std::max(from.x, to.x) + half, std::max(from.y, to.y) + half};
}

Shape Shape::Outline(float width) const {
    const float half = width / 2;
    return {[d = distance, half](float x, float y) { return std::fabs(d(x, y)) - half; },
            left - half, top - half, right + half, bottom + half};
}

Shape Shape::Grown(float amount) const {
    return {[d = distance, amount](float x, float y) { return d(x, y) - amount; }, left - amount,
            top - amount, right + amount, bottom + amount};
}

Shape Shape::Union(const Shape& other) const {
    return {
        [a = distance, b = other.distance](float x, float y) { return std::min(a(x, y), b(x, y)); },
        std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
        std::max(bottom, other.bottom)};
}

Shape Shape::Intersect(const Shape& other) const {
    return {
        [a = distance, b = other.distance](float x, float y) { return std::max(a(x, y), b(x, y)); },
        std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
        std::min(bottom, other.bottom)};
}

Shape Shape::Minus(const Shape& other) const {
    return {[a = distance, b = other.distance](float x, float y) {
                return std::max(a(x, y), -b(x, y));
            },
            left, top, right, bottom};
}

} // namespace vantor::tools::pictures
