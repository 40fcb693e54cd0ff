#include "tools/pictures/ShipPainter.h"

#include "tools/pictures/Noise.h"

#include <cmath>

namespace vantor::tools::pictures {

namespace {

constexpr float kCentreY = 37.0f;

// Points given for the upper half, mirrored about the ship's centre line.
std::vector<Point> Mirrored(const std::vector<Point>& upper) {
    std::vector<Point> all = upper;
    for (auto it = upper.rbegin(); it != upper.rend(); ++it) {
        if (std::fabs(it->y - kCentreY) > 0.01f) {
            all.push_back({it->x, 2 * kCentreY - it->y});
        }
    }
    return all;
}

std::vector<Point> Flipped(const std::vector<Point>& points) {
    std::vector<Point> out;
    for (const Point& p : points) {
        out.push_back({p.x, 2 * kCentreY - p.y});
    }
    return out;
}

// Lit from above: light at the top edge, dark below, as a ramp across the shape.
Canvas::Shader TopLit(const Colour& light, const Colour& dark, float top, float bottom) {
    return [=](float, float y) {
        const float t = std::clamp((y - top) / (bottom - top), 0.0f, 1.0f);
        return Colour::Mix(light, dark, t);
    };
}

void FillOutlined(Canvas& canvas, const Shape& shape, const Canvas::Shader& shader,
                  const Colour& edge, float edgeWidth) {
    canvas.Fill(shape.Grown(edgeWidth / 2), edge);
    canvas.Fill(shape.Grown(-edgeWidth / 2), shader);
}

} // namespace

void ShipPainter::PlayerHull(Canvas& canvas) {
    const Colour edge{0.06f, 0.07f, 0.14f};
    // Swept wings, drawn first so the body lies over their roots.
    const std::vector<Point> wing = {{58, 30}, {40, 9}, {28, 6}, {22, 9}, {30, 30}};
    const Canvas::Shader wingShade =
        TopLit({0.80f, 0.84f, 0.95f}, {0.30f, 0.34f, 0.52f}, 6.0f, 31.0f);
    FillOutlined(canvas, Shape::Polygon(wing), wingShade, edge, 1.4f);
    FillOutlined(canvas, Shape::Polygon(Flipped(wing)),
                 TopLit({0.62f, 0.66f, 0.82f}, {0.22f, 0.25f, 0.42f}, 44.0f, 69.0f), edge, 1.4f);
    // Engine pods along the wings.
    for (float y : {12.0f, 55.0f}) {
        FillOutlined(canvas, Shape::RoundRect(12, y, 28, 8, 4),
                     TopLit({0.88f, 0.90f, 0.98f}, {0.28f, 0.30f, 0.45f}, y, y + 8), edge, 1.2f);
    }
    // The body: a long wedge ending in a sharp nose.
    const std::vector<Point> body = {{95, 37}, {82, 31.5f}, {62, 27}, {34, 26},
                                     {16, 28}, {9, 31},     {7, 37}};
    FillOutlined(canvas, Shape::Polygon(Mirrored(body)),
                 TopLit({0.95f, 0.96f, 1.0f}, {0.30f, 0.33f, 0.50f}, 26.0f, 48.0f), edge, 1.4f);
    // A raised spine along the top of the body.
    canvas.Fill(Shape::Polygon({{84, 35}, {60, 30.5f}, {24, 30}, {24, 34}, {60, 34.5f}}),
                TopLit({1.0f, 1.0f, 1.0f}, {0.72f, 0.76f, 0.92f}, 30.0f, 35.0f));
}

void ShipPainter::PlayerDetail(Canvas& canvas) {
    // Exhaust flames behind the pods and the body.
    for (float y : {16.0f, 59.0f, 37.0f}) {
        const float length = y == 37.0f ? 8.0f : 11.0f;
        const float x = y == 37.0f ? 9.0f : 13.0f;
        canvas.Fill(Shape::Ellipse(x - length / 2, y, length / 2 + 1.0f, 3.2f),
                    Colour{1.0f, 0.45f, 0.1f});
        canvas.Fill(Shape::Ellipse(x - length / 3, y, length / 3, 1.8f), Colour{1.0f, 0.9f, 0.6f});
    }
    // Cockpit canopy with a glint.
    canvas.Fill(Shape::Ellipse(66, 37, 11, 4.6f).Grown(0.8f), Colour{0.05f, 0.08f, 0.2f});
    canvas.Fill(Shape::Ellipse(66, 37, 11, 4.6f),
                TopLit({0.75f, 0.97f, 1.0f}, {0.1f, 0.45f, 0.9f}, 32.5f, 41.5f));
    canvas.Fill(Shape::Ellipse(69, 35, 4, 1.3f), Colour{1.0f, 1.0f, 1.0f});
    // Red stripes near the wing tips and a band round the nose.
    canvas.Fill(Shape::Polygon({{36, 10}, {40, 10.5f}, {50, 22}, {46, 22}}),
                Colour{0.9f, 0.1f, 0.12f});
    canvas.Fill(Shape::Polygon(Flipped({{36, 10}, {40, 10.5f}, {50, 22}, {46, 22}})),
                Colour{0.8f, 0.08f, 0.1f});
    canvas.Fill(Shape::Polygon({{84, 32.5f}, {87, 33.7f}, {87, 40.3f}, {84, 41.5f}}),
                Colour{0.9f, 0.1f, 0.12f});
    // Panel seams on the body.
    const Colour seam{0.25f, 0.28f, 0.5f};
    canvas.Fill(Shape::Line({22, 37}, {52, 37}, 1.1f), seam);
    canvas.Fill(Shape::Line({40, 28.0f}, {40, 46.0f}, 1.1f), seam);
    canvas.Fill(Shape::Line({28, 28.0f}, {28, 46.0f}, 1.1f), seam);
    // Lights at the wing tips: red above, cyan below.
    canvas.Fill(Shape::Circle(28, 8.5f, 1.6f), Colour{1.0f, 0.2f, 0.2f});
    canvas.Fill(Shape::Circle(28, 65.5f, 1.6f), Colour{0.3f, 0.95f, 1.0f});
}

void ShipPainter::Enemy(Canvas& canvas) {
    const Colour edge{0.08f, 0.0f, 0.0f};
    // Swept-back spines at the rear.
    const std::vector<Point> spine = {{38, 29}, {18, 14}, {12, 15}, {26, 33}};
    FillOutlined(canvas, Shape::Polygon(spine),
                 TopLit({0.85f, 0.2f, 0.12f}, {0.35f, 0.04f, 0.03f}, 14.0f, 33.0f), edge, 1.2f);
    FillOutlined(canvas, Shape::Polygon(Flipped(spine)),
                 TopLit({0.7f, 0.12f, 0.08f}, {0.28f, 0.03f, 0.02f}, 41.0f, 60.0f), edge, 1.2f);
    // Two pincers reaching forward.
    const std::vector<Point> claw = {{56, 28}, {74, 18}, {88, 22}, {90, 27},
                                     {80, 24}, {70, 28}, {64, 34}};
    FillOutlined(canvas, Shape::Polygon(claw),
                 TopLit({1.0f, 0.35f, 0.2f}, {0.45f, 0.05f, 0.03f}, 18.0f, 34.0f), edge, 1.2f);
    FillOutlined(canvas, Shape::Polygon(Flipped(claw)),
                 TopLit({0.85f, 0.22f, 0.12f}, {0.35f, 0.04f, 0.02f}, 40.0f, 56.0f), edge, 1.2f);
    // The body.
    FillOutlined(canvas, Shape::Ellipse(48, 37, 24, 13.5f),
                 TopLit({0.95f, 0.25f, 0.15f}, {0.25f, 0.02f, 0.02f}, 24.0f, 50.0f), edge, 1.4f);
    // Armour ridges.
    for (float x : {36.0f, 44.0f}) {
        canvas.Fill(Shape::Line({x, 26.5f}, {x, 47.5f}, 1.2f), Colour{0.2f, 0.02f, 0.02f});
    }
    // Burning engine at the back and a glaring eye in front.
    canvas.Fill(Shape::Ellipse(23, 37, 4, 5), Colour{1.0f, 0.55f, 0.1f});
    canvas.Fill(Shape::Ellipse(22, 37, 2, 3), Colour{1.0f, 0.95f, 0.5f});
    canvas.Fill(Shape::Ellipse(60, 37, 6, 4.5f), Colour{0.1f, 0.0f, 0.0f});
    canvas.Fill(Shape::Ellipse(60.5f, 37, 4.5f, 3.2f),
                TopLit({1.0f, 1.0f, 0.4f}, {1.0f, 0.5f, 0.0f}, 34.0f, 40.0f));
    canvas.Fill(Shape::Ellipse(61.5f, 37, 1.2f, 2.6f), Colour{0.1f, 0.0f, 0.0f});
}

void ShipPainter::Boss(Canvas& canvas) {
    const Colour edge{0.04f, 0.0f, 0.06f};
    // Rows of spikes along the back.
    for (int i = 0; i < 5; ++i) {
        const float x = 20.0f + i * 13.0f;
        const std::vector<Point> spike = {
            {x - 4, 20.0f + i * 1.5f}, {x - 8, 1.5f + i * 1.5f}, {x + 4, 18.0f + i * 1.5f}};
        const Canvas::Shader shade = TopLit({0.6f, 0.1f, 0.7f}, {0.18f, 0.02f, 0.22f}, 1.0f, 22.0f);
        FillOutlined(canvas, Shape::Polygon(spike), shade, edge, 1.0f);
        FillOutlined(canvas, Shape::Polygon(Flipped(spike)), shade, edge, 1.0f);
    }
    // The great wedge of the hull.
    const std::vector<Point> hull = {{99, 37}, {86, 30}, {70, 21}, {44, 12}, {14, 7},
                                     {2, 6},   {10, 20}, {4, 28},  {1, 37}};
    FillOutlined(canvas, Shape::Polygon(Mirrored(hull)),
                 TopLit({0.62f, 0.14f, 0.72f}, {0.12f, 0.01f, 0.16f}, 6.0f, 68.0f), edge, 1.6f);
    // Plates and seams.
    const Colour seam{0.06f, 0.0f, 0.09f};
    for (float x : {30.0f, 48.0f, 66.0f}) {
        const float half = (99.0f - x) * 0.33f;
        canvas.Fill(Shape::Line({x, 37 - half}, {x + 6, 37}, 1.2f), seam);
        canvas.Fill(Shape::Line({x + 6, 37}, {x, 37 + half}, 1.2f), seam);
    }
    canvas.Fill(Shape::Line({8, 37}, {92, 37}, 1.0f), seam);
    // A furnace of a core and a row of red eyes.
    canvas.Glow(54, 37, 16, {1.0f, 0.1f, 0.05f}, 0.9f);
    canvas.Fill(Shape::Circle(54, 37, 7.5f), Colour{0.1f, 0.0f, 0.0f});
    canvas.Fill(Shape::Circle(54, 37, 6),
                TopLit({1.0f, 0.95f, 0.3f}, {1.0f, 0.15f, 0.05f}, 31.0f, 43.0f));
    canvas.Fill(Shape::Ellipse(54, 37, 1.4f, 5.0f), Colour{0.12f, 0.0f, 0.0f});
    for (float x : {70.0f, 78.0f, 86.0f}) {
        const float spread = (99.0f - x) * 0.22f;
        canvas.Fill(Shape::Circle(x, 37 - spread, 1.8f), Colour{1.0f, 0.1f, 0.05f});
        canvas.Fill(Shape::Circle(x, 37 + spread, 1.8f), Colour{1.0f, 0.1f, 0.05f});
    }
    // Magenta engines at the back.
    for (float y : {16.0f, 37.0f, 58.0f}) {
        canvas.Fill(Shape::Ellipse(6, y, 4, 3), Colour{1.0f, 0.2f, 0.85f});
        canvas.Fill(Shape::Ellipse(5.5f, y, 2, 1.5f), Colour{1.0f, 0.8f, 1.0f});
    }
}

void ShipPainter::Torpedo(Canvas& canvas) {
    const float cy = 17.0f;
    const Colour edge{0.05f, 0.05f, 0.1f};
    // Tail fins.
    for (float sign : {-1.0f, 1.0f}) {
        canvas.Fill(
            Shape::Polygon({{22, cy}, {16, cy + sign * 11}, {24, cy + sign * 11}, {34, cy}}),
            Colour{0.8f, 0.1f, 0.1f});
    }
    // Body and nose cone.
    FillOutlined(canvas, Shape::RoundRect(20, cy - 6, 58, 12, 5),
                 TopLit({0.96f, 0.97f, 1.0f}, {0.30f, 0.32f, 0.45f}, cy - 6, cy + 6), edge, 1.2f);
    FillOutlined(canvas, Shape::Polygon({{76, cy - 6}, {92, cy}, {76, cy + 6}}),
                 TopLit({1.0f, 0.4f, 0.3f}, {0.6f, 0.05f, 0.05f}, cy - 6, cy + 6), edge, 1.2f);
    // Warning bands.
    for (float x : {40.0f, 66.0f}) {
        canvas.Fill(Shape::Rect(x, cy - 5.4f, 4, 10.8f), Colour{1.0f, 0.85f, 0.1f});
    }
    // Exhaust.
    canvas.Fill(Shape::Ellipse(15, cy, 5, 3), Colour{1.0f, 0.55f, 0.1f});
    canvas.Fill(Shape::Ellipse(15, cy, 2.5f, 1.6f), Colour{1.0f, 0.95f, 0.7f});
}

void ShipPainter::PlasmaWarhead(Canvas& canvas) {
    const float cy = 20.0f;
    // A tail of plasma thinning backward.
    canvas.Fill(
        Shape::Polygon({{62, cy - 7}, {22, cy - 1.5f}, {18, cy}, {22, cy + 1.5f}, {62, cy + 7}}),
        [cy](float x, float y) {
            const float t = std::clamp((x - 18.0f) / 44.0f, 0.0f, 1.0f);
            const float core = 1.0f - std::fabs(y - cy) / 7.0f;
            return Colour::Mix({0.2f, 0.3f, 1.0f}, {0.6f, 0.95f, 1.0f}, t * core);
        });
    // Casing claws holding the charge.
    for (float sign : {-1.0f, 1.0f}) {
        canvas.Fill(Shape::Polygon({{52, cy + sign * 4},
                                    {60, cy + sign * 12},
                                    {78, cy + sign * 9},
                                    {70, cy + sign * 6}}),
                    TopLit({0.95f, 0.95f, 1.0f}, {0.3f, 0.3f, 0.5f}, cy - 12, cy + 12));
    }
    // The charge: a white-hot heart in a blue-white halo.
    canvas.Fill(Shape::Circle(66, cy, 9), [cy](float x, float y) {
        const float d = std::hypot(x - 66.0f, y - cy) / 9.0f;
        return Colour::Mix({1.0f, 1.0f, 1.0f}, {0.25f, 0.55f, 1.0f}, d * d);
    });
}

void ShipPainter::FireBolt(Canvas& canvas) {
    const Noise flicker(31);
    // A flame trail behind a burning head, ragged at its edges.
    canvas.Fill(Shape::Polygon({{66, 28}, {42, 33}, {27, 37}, {42, 41}, {66, 46}}),
                [&flicker](float x, float y) {
                    const float t = std::clamp((x - 27.0f) / 39.0f, 0.0f, 1.0f);
                    const float core = 1.0f - std::fabs(y - 37.0f) / 9.0f;
                    const float hot =
                        std::clamp(t * core + 0.3f * (flicker.At(x / 4, y / 4) - 0.5f), 0.0f, 1.0f);
                    return Colour::Mix({0.8f, 0.1f, 0.0f}, {1.0f, 0.8f, 0.3f}, hot);
                });
    canvas.Fill(Shape::Circle(66, 37, 11), [](float x, float y) {
        const float d = std::hypot(x - 66.0f, y - 37.0f) / 11.0f;
        return Colour::Mix({1.0f, 1.0f, 0.85f}, {1.0f, 0.4f, 0.05f}, d * d);
    });
    canvas.Fill(Shape::Circle(67, 37, 4), Colour{1.0f, 1.0f, 1.0f});
}

} // namespace vantor::tools::pictures
