#include "tools/pictures/StatusPainter.h"

#include <cmath>

namespace vantor::tools::pictures {

namespace {

// The schematic maps the ship's 100 by 75 frame onto the plate.
constexpr float kScale = 0.9f;
constexpr float kLeft = 100.0f - 50.0f * kScale;
constexpr float kTop = 54.0f - 37.0f * kScale;

Point At(float x, float y) {
    return {kLeft + x * kScale, kTop + y * kScale};
}

std::vector<Point> Map(std::initializer_list<Point> points) {
    std::vector<Point> out;
    for (const Point& p : points) {
        out.push_back(At(p.x, p.y));
    }
    return out;
}

Colour StateColour(int level) {
    static const Colour colours[6] = {{0.3f, 1.0f, 0.55f},  {1.0f, 0.92f, 0.2f},
                                      {1.0f, 0.72f, 0.15f}, {1.0f, 0.52f, 0.1f},
                                      {1.0f, 0.32f, 0.1f},  {1.0f, 0.12f, 0.1f}};
    return colours[std::clamp(level, 0, 5)];
}

const char* StateText(int level) {
    static const char* texts[6] = {"ALL SYSTEMS NOMINAL", "SHIELDS FAILING",
                                   "HULL BREACHED",       "STRUCTURAL DAMAGE",
                                   "ENGINE FIRE",         "LIFE SUPPORT FAILING"};
    return texts[std::clamp(level, 0, 5)];
}

void Crack(Canvas& canvas, std::initializer_list<Point> path, const Colour& colour) {
    const std::vector<Point> points = Map(path);
    for (std::size_t i = 1; i < points.size(); ++i) {
        canvas.Fill(Shape::Line(points[i - 1], points[i], 2.6f), Colour{0.0f, 0.0f, 0.0f});
        canvas.Fill(Shape::Line(points[i - 1], points[i], 1.3f), colour);
    }
}

void Breach(Canvas& canvas, float x, float y, float radius) {
    const Point p = At(x, y);
    canvas.Glow(p.x, p.y, radius * 3.0f, {1.0f, 0.2f, 0.05f}, 0.8f);
    canvas.Fill(Shape::Circle(p.x, p.y, radius), Colour{0.05f, 0.0f, 0.0f});
    canvas.Fill(Shape::Circle(p.x, p.y, radius).Outline(1.0f), Colour{1.0f, 0.35f, 0.1f});
}

void Fire(Canvas& canvas, float x, float y, float size) {
    const Point p = At(x, y);
    canvas.Glow(p.x, p.y, size * 2.2f, {1.0f, 0.45f, 0.05f}, 1.0f);
    canvas.Fill(Shape::Polygon({{p.x - size, p.y + size * 0.6f},
                                {p.x - size * 0.6f, p.y - size * 0.5f},
                                {p.x - size * 0.2f, p.y},
                                {p.x + size * 0.1f, p.y - size * 1.2f},
                                {p.x + size * 0.5f, p.y - size * 0.1f},
                                {p.x + size, p.y - size * 0.7f},
                                {p.x + size * 0.9f, p.y + size * 0.6f}}),
                Colour{1.0f, 0.55f, 0.08f});
    canvas.Fill(Shape::Ellipse(p.x, p.y + size * 0.2f, size * 0.55f, size * 0.4f),
                Colour{1.0f, 0.95f, 0.5f});
}

} // namespace

Canvas StatusPainter::Status(int level) const {
    Canvas canvas(kWidth, kHeight);
    const Colour state = StateColour(level);
    const Colour ink = Colour::Mix(state, {1, 1, 1}, 0.15f);

    // An opaque plate with cut corners: later pictures cover earlier ones completely.
    const Shape plate =
        Shape::Polygon({{10, 1}, {199, 1}, {199, 100}, {190, 109}, {1, 109}, {1, 10}});
    canvas.Fill(plate, Colour{0.05f, 0.07f, 0.12f});
    canvas.Fill(plate.Grown(-3.0f), [](float, float y) {
        return Colour::Mix({0.02f, 0.06f, 0.1f}, {0.01f, 0.02f, 0.05f}, y / 110.0f);
    });
    // A faint blueprint grid.
    for (int x = 14; x < 196; x += 12) {
        canvas.Fill(Shape::Rect(static_cast<float>(x), 20, 0.6f, 66),
                    Colour{0.2f, 0.45f, 0.6f, 0.25f});
    }
    for (int y = 20; y <= 86; y += 11) {
        canvas.Fill(Shape::Rect(6, static_cast<float>(y), 188, 0.6f),
                    Colour{0.2f, 0.45f, 0.6f, 0.25f});
    }
    canvas.Fill(plate.Outline(2.0f), level >= 5 ? Colour{1.0f, 0.1f, 0.1f} : ink.Times(0.85f));
    if (level >= 5) {
        canvas.Fill(plate.Grown(-4.0f).Outline(1.2f), Colour{1.0f, 0.1f, 0.1f, 0.8f});
    }

    text.Draw(canvas, 10, 4, "SHIP STATUS", 10, {0.75f, 0.9f, 1.0f}, TextPainter::Align::Left, true,
              1.0f);
    // Damage gauge: one block per level.
    for (int i = 0; i < 5; ++i) {
        const float x = 124.0f + i * 14.0f;
        const bool hit = i < level;
        canvas.Fill(Shape::Rect(x, 6, 11, 8),
                    hit ? Colour{1.0f, 0.12f, 0.1f} : Colour{0.15f, 0.22f, 0.3f});
    }

    // Shields: whole when intact, broken once damaged.
    const Point middle = At(50, 37);
    const Shape shield = Shape::Ellipse(middle.x, middle.y, 58, 35).Outline(1.4f);
    if (level == 0) {
        canvas.Fill(shield, state.WithAlpha(0.8f));
    } else if (level < 5) {
        for (int i = 0; i < 24; i += 3) {
            const float a0 = 6.2832f * i / 24.0f;
            const float a1 = a0 + 6.2832f / 24.0f * 1.4f;
            canvas.Fill(shield.Intersect(Shape::Polygon(
                            {middle,
                             {middle.x + 120 * std::cos(a0), middle.y + 120 * std::sin(a0)},
                             {middle.x + 120 * std::cos(a1), middle.y + 120 * std::sin(a1)}})),
                        state.WithAlpha(0.7f));
        }
    }

    // The ship's outline, seen from above.
    const Colour hull = Colour::Mix({0.05f, 0.2f, 0.25f}, {0.25f, 0.05f, 0.05f}, level / 5.0f);
    const std::vector<Shape> parts = {
        Shape::Polygon(Map({{58, 30}, {40, 9}, {28, 6}, {22, 9}, {30, 30}})),
        Shape::Polygon(Map({{58, 44}, {40, 65}, {28, 68}, {22, 65}, {30, 44}})),
        Shape::RoundRect(At(12, 12).x, At(12, 12).y, 28 * kScale, 8 * kScale, 3.5f),
        Shape::RoundRect(At(12, 55).x, At(12, 55).y, 28 * kScale, 8 * kScale, 3.5f),
        Shape::Polygon(Map({{95, 37},
                            {82, 31.5f},
                            {62, 27},
                            {34, 26},
                            {16, 28},
                            {9, 31},
                            {7, 37},
                            {9, 43},
                            {16, 46},
                            {34, 48},
                            {62, 47},
                            {82, 42.5f}}))};
    for (const Shape& part : parts) {
        canvas.Fill(part, hull);
        canvas.Fill(part.Outline(1.2f), ink);
    }
    const Point cockpit = At(66, 37);
    canvas.Fill(Shape::Ellipse(cockpit.x, cockpit.y, 9, 4).Outline(1.0f), ink);

    if (level >= 2) {
        Crack(canvas, {{36, 12}, {40, 17}, {37, 21}, {43, 26}}, {1.0f, 0.85f, 0.3f});
        Breach(canvas, 46, 20, 2.5f);
    }
    if (level >= 3) {
        Crack(canvas, {{70, 30}, {64, 35}, {69, 39}, {60, 44}, {55, 43}}, {1.0f, 0.8f, 0.3f});
        Crack(canvas, {{34, 62}, {40, 57}, {36, 52}, {44, 48}}, {1.0f, 0.8f, 0.3f});
        Breach(canvas, 50, 39, 3.0f);
    }
    if (level >= 4) {
        Fire(canvas, 16, 16, 6.0f);
        Fire(canvas, 17, 59, 6.0f);
    }
    if (level >= 5) {
        Fire(canvas, 40, 36, 8.0f);
        Breach(canvas, 78, 37, 2.5f);
        // Warning sign.
        canvas.Fill(Shape::Polygon({{182, 28}, {194, 48}, {170, 48}}).Grown(1.5f), Colour{0, 0, 0});
        canvas.Fill(Shape::Polygon({{182, 28}, {194, 48}, {170, 48}}), Colour{1.0f, 0.15f, 0.1f});
        text.Draw(canvas, 182, 33, "!", 13, {1, 1, 1}, TextPainter::Align::Centre);
    }

    text.Draw(canvas, 100, 91, StateText(level), 11, ink, TextPainter::Align::Centre, true, 0.5f);
    return canvas;
}

} // namespace vantor::tools::pictures
