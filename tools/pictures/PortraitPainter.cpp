#include "tools/pictures/PortraitPainter.h"

#include <cmath>

namespace vantor::tools::pictures {

namespace {

Canvas::Shader Vertical(const Colour& top, const Colour& bottom, float y0, float y1) {
    return [=](float, float y) {
        return Colour::Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f));
    };
}

} // namespace

void PortraitPainter::Captain(Canvas& canvas, int rank) {
    const bool senior = rank > 0;
    const Colour metal = senior ? Colour{1.0f, 0.8f, 0.25f} : Colour{0.85f, 0.88f, 0.95f};
    const Colour metalDark = senior ? Colour{0.75f, 0.45f, 0.05f} : Colour{0.4f, 0.45f, 0.6f};
    const Shape inside = Shape::Circle(20, 20, 17.2f);

    // The badge.
    canvas.Fill(Shape::Circle(20, 20, 19.8f), Colour{0.05f, 0.04f, 0.1f});
    canvas.Fill(Shape::Circle(20, 20, 19.0f), Vertical(metal, metalDark, 1.0f, 39.0f));
    canvas.Fill(inside, Vertical({0.08f, 0.12f, 0.35f}, {0.02f, 0.03f, 0.12f}, 3.0f, 37.0f));
    if (senior) {
        for (int i = 0; i < 10; ++i) {
            const float angle = 3.14159f * (0.15f + 0.7f * i / 9.0f);
            canvas.Fill(Shape::Circle(20 + 18.1f * std::cos(angle + 3.14159f),
                                      20 - 18.1f * std::sin(angle + 3.14159f), 0.9f),
                        Colour{1.0f, 0.95f, 0.6f});
        }
    }

    // Shoulders in uniform.
    const Colour cloth = senior ? Colour{0.08f, 0.1f, 0.32f} : Colour{0.1f, 0.16f, 0.55f};
    canvas.Fill(Shape::Polygon({{3, 40}, {5, 31}, {12, 27.5f}, {28, 27.5f}, {35, 31}, {37, 40}})
                    .Intersect(inside),
                Vertical(cloth.Times(1.4f), cloth.Times(0.6f), 27.0f, 40.0f));
    // Neck and collar.
    canvas.Fill(Shape::Rect(17, 22, 6, 7), Colour{0.85f, 0.6f, 0.46f});
    canvas.Fill(Shape::Polygon({{13, 28}, {20, 34}, {27, 28}, {25, 27}, {20, 31}, {15, 27}}),
                metal);
    // Rank pips on the collar: one for a captain, three for a senior captain.
    const int pips = senior ? 3 : 1;
    for (int i = 0; i < pips; ++i) {
        canvas.Fill(Shape::Circle(28.5f + 2.2f * i, 31.0f + 0.8f * i, 0.9f), metal);
    }
    if (senior) {
        // Shoulder boards and a medal.
        canvas.Fill(Shape::Polygon({{5, 31}, {12, 27.5f}, {13, 29}, {6, 32.5f}}), metal);
        canvas.Fill(Shape::Polygon({{35, 31}, {28, 27.5f}, {27, 29}, {34, 32.5f}}), metal);
        canvas.Fill(Shape::Rect(11, 32, 3, 3.5f), Colour{0.9f, 0.1f, 0.15f});
        canvas.Fill(Shape::Circle(12.5f, 36.5f, 1.6f), Colour{1.0f, 0.85f, 0.3f});
    }

    // Head.
    const Colour skin{0.98f, 0.78f, 0.62f};
    const Colour shadow{0.8f, 0.52f, 0.4f};
    canvas.Fill(Shape::Ellipse(13.6f, 17.5f, 1.3f, 2.0f), shadow);
    canvas.Fill(Shape::Ellipse(26.4f, 17.5f, 1.3f, 2.0f), shadow);
    canvas.Fill(Shape::Ellipse(20, 17, 6.3f, 8.0f), [&](float x, float) {
        return Colour::Mix(skin, shadow, std::clamp((x - 17.0f) / 10.0f, 0.0f, 1.0f));
    });
    // Eyes, brows, nose and mouth.
    const Colour dark{0.12f, 0.05f, 0.05f};
    canvas.Fill(Shape::Circle(17.6f, 16.6f, 0.85f), dark);
    canvas.Fill(Shape::Circle(22.4f, 16.6f, 0.85f), dark);
    const Colour brow = senior ? Colour{0.85f, 0.85f, 0.88f} : Colour{0.25f, 0.14f, 0.08f};
    canvas.Fill(Shape::Line({16.0f, 14.6f}, {19.0f, 14.2f}, 0.8f), brow);
    canvas.Fill(Shape::Line({21.0f, 14.2f}, {24.0f, 14.6f}, 0.8f), brow);
    canvas.Fill(Shape::Line({20.3f, 17.5f}, {20.8f, 20.0f}, 0.7f), shadow);
    canvas.Fill(Shape::Line({18.2f, 22.0f}, {21.8f, 22.0f}, 0.8f), Colour{0.7f, 0.25f, 0.22f});

    if (senior) {
        // Grey beard and a peaked cap with a gold band and badge.
        canvas.Fill(Shape::Polygon({{14, 19},
                                    {15, 23.5f},
                                    {20, 26},
                                    {25, 23.5f},
                                    {26, 19},
                                    {23.5f, 21},
                                    {20, 23.5f},
                                    {16.5f, 21}}),
                    Colour{0.85f, 0.86f, 0.9f});
        canvas.Fill(Shape::Line({18.0f, 22.0f}, {22.0f, 22.0f}, 0.8f), Colour{0.7f, 0.25f, 0.22f});
        canvas.Fill(Shape::Polygon({{11, 11}, {12, 5}, {20, 3}, {28, 5}, {29, 11}}),
                    Vertical({0.1f, 0.12f, 0.4f}, {0.04f, 0.05f, 0.18f}, 3.0f, 11.0f));
        canvas.Fill(Shape::Rect(12, 9.5f, 16, 2.2f), metal);
        canvas.Fill(Shape::Ellipse(20, 12.6f, 8.5f, 1.5f), Colour{0.05f, 0.05f, 0.08f});
        canvas.Fill(Shape::Circle(20, 6.8f, 1.8f), Colour{1.0f, 0.9f, 0.4f});
    } else {
        // Short dark hair.
        canvas.Fill(Shape::Ellipse(20, 11.5f, 6.8f, 4.0f)
                        .Union(Shape::Ellipse(14.2f, 14.0f, 1.4f, 3.0f))
                        .Union(Shape::Ellipse(25.8f, 14.0f, 1.4f, 3.0f)),
                    Colour{0.25f, 0.14f, 0.08f});
    }
}

} // namespace vantor::tools::pictures
