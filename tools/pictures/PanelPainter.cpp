#include "tools/pictures/PanelPainter.h"

#include "tools/pictures/ShipPainter.h"

#include <cmath>

namespace vantor::tools::pictures {

namespace {

using Align = TextPainter::Align;

const Colour kEnergy{1.0f, 0.95f, 0.35f};
const Colour kScience{1.0f, 0.5f, 1.0f};
const Colour kKills{0.6f, 0.65f, 1.0f};
const Colour kPink{1.0f, 0.6f, 1.0f};
const Colour kCaption{0.62f, 0.86f, 1.0f};
const Colour kDim{0.45f, 0.62f, 0.78f};

struct Accent {
    Colour edge;
    Colour glow;
};

const Accent kCyan{{0.25f, 0.78f, 1.0f}, {0.1f, 0.35f, 0.6f}};

// A rectangle with its corners cut off at 45 degrees.
Shape Chamfered(float x, float y, float w, float h, float cut) {
    return Shape::Polygon({{x + cut, y},
                           {x + w - cut, y},
                           {x + w, y + cut},
                           {x + w, y + h - cut},
                           {x + w - cut, y + h},
                           {x + cut, y + h},
                           {x, y + h - cut},
                           {x, y + cut}});
}

// A panel body: a dark glassy fill, a bright rim and a faint inner line.
void Body(Canvas& canvas, const Shape& shape, float alpha, const Accent& accent = kCyan) {
    const float top = shape.top;
    const float span = std::max(1.0f, shape.bottom - shape.top);
    canvas.Fill(shape, [=](float, float y) {
        const float t = (y - top) / span;
        return Colour::Mix({0.05f, 0.1f, 0.19f}, {0.02f, 0.04f, 0.09f}, t).WithAlpha(alpha);
    });
    canvas.Fill(shape.Grown(-1.0f).Outline(2.0f), accent.edge);
    canvas.Fill(shape.Grown(-4.0f).Outline(1.0f), accent.glow.WithAlpha(0.8f));
}

// A dark recess where the game writes a number or draws a picture.
void Well(Canvas& canvas, float x, float y, float w, float h) {
    const Shape well = Shape::RoundRect(x, y, w, h, 3);
    canvas.Fill(well, Colour{0.0f, 0.01f, 0.03f, 0.97f});
    canvas.Fill(well.Outline(1.0f), Colour{0.2f, 0.42f, 0.6f});
}

// A framed box grouping some slots, with an optional title on its top edge.
void Box(Canvas& canvas, TextPainter& text, float x, float y, float w, float h,
         const std::string& title) {
    const Shape box = Chamfered(x, y, w, h, 10);
    canvas.Fill(box, Colour{0.03f, 0.07f, 0.13f, 1.0f});
    canvas.Fill(box.Outline(1.4f), Colour{0.2f, 0.55f, 0.8f});
    if (!title.empty()) {
        const float width = text.Width(canvas, title, 11, true, 2) + 12;
        canvas.Fill(Shape::Rect(x + 14, y - 7, width, 14), Colour{0.03f, 0.07f, 0.13f, 1.0f});
        text.Draw(canvas, x + 20, y - 7, title, 11, kCaption, Align::Left, true, 2);
    }
}

// A key cap with its label, for the choices written on the panels.
void KeyCap(Canvas& canvas, TextPainter& text, float x, float y, float w, float h,
            const std::string& key) {
    const Shape cap = Shape::RoundRect(x, y, w, h, 5);
    canvas.Fill(cap, [=](float, float py) {
        return Colour::Mix({0.85f, 0.92f, 1.0f}, {0.45f, 0.55f, 0.7f}, (py - y) / h);
    });
    canvas.Fill(Shape::RoundRect(x + 3, y + 2, w - 6, h - 7, 3), Colour{0.92f, 0.96f, 1.0f});
    text.Draw(canvas, x + w / 2, y + h / 2 - 11, key, key.size() > 1 ? 13 : 18, {0.05f, 0.1f, 0.2f},
              Align::Centre);
}

// A simple lightning bolt, the mark for energy.
void BoltIcon(Canvas& canvas, float x, float y, float size) {
    const float s = size / 30.0f;
    canvas.Fill(Shape::Polygon({{x + 17 * s, y},
                                {x + 4 * s, y + 17 * s},
                                {x + 13 * s, y + 17 * s},
                                {x + 9 * s, y + 30 * s},
                                {x + 26 * s, y + 11 * s},
                                {x + 16 * s, y + 11 * s},
                                {x + 21 * s, y}}),
                kEnergy);
}

// An atom, the mark for science.
void AtomIcon(Canvas& canvas, float cx, float cy, float size) {
    const float r = size / 2;
    for (int i = 0; i < 3; ++i) {
        const float angle = 3.14159f * i / 3.0f;
        const float c = std::cos(angle);
        const float s = std::sin(angle);
        const Shape orbit = Shape::Ellipse(0, 0, r, r * 0.35f).Outline(1.6f);
        canvas.Fill(Shape{[=](float x, float y) {
                              const float dx = x - cx;
                              const float dy = y - cy;
                              return orbit.distance(dx * c + dy * s, -dx * s + dy * c);
                          },
                          cx - r - 2, cy - r - 2, cx + r + 2, cy + r + 2},
                    kScience);
    }
    canvas.Fill(Shape::Circle(cx, cy, r * 0.18f), Colour{1.0f, 0.85f, 1.0f});
}

} // namespace

Canvas PanelPainter::Score() const {
    Canvas canvas(300, 46);
    Body(canvas, Shape::Polygon({{0, 0}, {300, 0}, {300, 32}, {286, 46}, {14, 46}, {0, 32}}), 0.9f);
    // A chevron badge at the left end.
    canvas.Fill(Shape::Polygon({{12, 12}, {26, 23}, {12, 34}, {18, 23}}), kCyan.edge);
    canvas.Fill(Shape::Polygon({{24, 12}, {38, 23}, {24, 34}, {30, 23}}), kCyan.edge.Times(0.7f));
    // The game writes energy at x 51, science at 140 and kills at 212, each from y 19.
    Well(canvas, 45, 17, 88, 24);
    Well(canvas, 136, 17, 70, 24);
    Well(canvas, 209, 17, 80, 24);
    text.Draw(canvas, 49, 4, "ENERGY", 10, kEnergy, Align::Left, true, 1);
    text.Draw(canvas, 140, 4, "SCIENCE", 10, kScience, Align::Left, true, 1);
    text.Draw(canvas, 213, 4, "KILLS", 10, kKills, Align::Left, true, 1);
    return canvas;
}

Canvas PanelPainter::Warp(int variant) const {
    static const Accent accents[3] = {kCyan,
                                      {{1.0f, 0.7f, 0.2f}, {0.5f, 0.3f, 0.05f}},
                                      {{1.0f, 0.4f, 0.9f}, {0.45f, 0.1f, 0.4f}}};
    const Accent& accent = accents[std::clamp(variant, 0, 2)];
    Canvas canvas(136, 50);
    Body(canvas, Shape::Polygon({{0, 0}, {136, 0}, {136, 50}, {14, 50}, {0, 36}}), 0.9f, accent);
    text.Draw(canvas, 12, 5, "WARP DRIVE", 10, Colour::Mix(accent.edge, {1, 1, 1}, 0.3f),
              Align::Left, true, 1);
    // Direction marks on the right of the title line.
    for (int i = 0; i < 3; ++i) {
        const float x = 100.0f + i * 9.0f;
        canvas.Fill(Shape::Polygon({{x, 6}, {x + 5, 11}, {x, 16}, {x + 2.5f, 11}}),
                    accent.edge.WithAlpha(0.5f + 0.25f * i));
    }
    // The game writes the percentage at (95, 26) before it lays this panel over the bar, so
    // the well is a clear window onto the number beneath.
    Well(canvas, 89, 23, 43, 23);
    for (int y = 25; y < 45; ++y) {
        for (int x = 91; x < 130; ++x) {
            canvas.At(x, y) = Colour{0.0f, 0.0f, 0.0f, 0.0f};
        }
    }
    text.Draw(canvas, 84, 29, "CHARGE %", 10, kPink, Align::Right, true, 0.5f);
    return canvas;
}

Canvas PanelPainter::BottomBar() const {
    Canvas canvas(410, 48);
    Body(canvas, Shape::Polygon({{14, 2}, {396, 2}, {410, 16}, {410, 48}, {0, 48}, {0, 16}}),
         0.92f);
    // Weapon bay: the game draws the weapon at (57, 14), 100 wide.
    Well(canvas, 54, 9, 106, 39);
    text.Draw(canvas, 51, 22, "WEAPON", 8, kCaption, Align::Right);
    // Torpedoes left, written at (193, 15).
    Well(canvas, 187, 11, 40, 24);
    text.Draw(canvas, 207, 35, "TORP", 9, kPink, Align::Centre, true, 0.5f);
    // The captain's badge, drawn at (233, 7), 40 by 40.
    canvas.Fill(Shape::Circle(253, 27, 22), Colour{0.0f, 0.01f, 0.03f, 0.97f});
    canvas.Fill(Shape::Circle(253, 27, 22).Outline(1.2f), Colour{0.2f, 0.42f, 0.6f});
    text.Draw(canvas, 282, 12, "RANK", 9, kCaption, Align::Left, true, 0.5f);
    // A reminder of the key for the engineering menu.
    const Shape key = Shape::RoundRect(282, 26, 20, 16, 3);
    canvas.Fill(key, Colour{0.8f, 0.88f, 1.0f});
    text.Draw(canvas, 292, 25, "+", 13, {0.05f, 0.1f, 0.2f}, Align::Centre);
    text.Draw(canvas, 308, 29, "ENGINEERING", 9, kDim, Align::Left, true, 0.5f);
    return canvas;
}

Canvas PanelPainter::PlanetReport() const {
    Canvas canvas(560, 440);
    Body(canvas, Chamfered(0, 0, 560, 440, 18), 0.93f);
    text.Draw(canvas, 280, 8, "PLANET SCAN COMPLETE", 17, kCaption, Align::Centre, true, 3);
    canvas.Fill(Shape::Rect(20, 34, 520, 1.2f), Colour{0.2f, 0.55f, 0.8f});

    // The game writes the planet's energy at (116, 35) and its science at (116, 105).
    BoltIcon(canvas, 16, 36, 24);
    text.Draw(canvas, 102, 41, "ENERGY", 12, kEnergy, Align::Right);
    Well(canvas, 108, 31, 176, 34);
    AtomIcon(canvas, 27, 118, 22);
    text.Draw(canvas, 102, 111, "SCIENCE", 12, kScience, Align::Right);
    Well(canvas, 108, 101, 176, 34);

    text.Draw(canvas, 300, 50, "RESOURCES DETECTED", 12, kCaption, Align::Left, true, 1);
    text.Draw(canvas, 300, 76, "Take its energy or its", 12, kDim, Align::Left, false);
    text.Draw(canvas, 300, 94, "science, or leave it be.", 12, kDim, Align::Left, false);
    text.Draw(canvas, 300, 112, "A planet gives once each", 12, kDim, Align::Left, false);
    text.Draw(canvas, 300, 130, "time you enter a sector.", 12, kDim, Align::Left, false);

    // The window for the turning planet, drawn at (298, 200), 200 by 200.
    const Shape window = Shape::RoundRect(292, 194, 212, 212, 8);
    canvas.Fill(window, Colour{0.0f, 0.01f, 0.03f, 1.0f});
    for (float r : {60.0f, 100.0f}) {
        canvas.Fill(Shape::Circle(398, 300, r).Outline(1.0f), Colour{0.15f, 0.35f, 0.5f, 0.6f});
    }
    canvas.Fill(Shape::Rect(296, 299.5f, 204, 1), Colour{0.15f, 0.35f, 0.5f, 0.6f});
    canvas.Fill(Shape::Rect(397.5f, 198, 1, 204), Colour{0.15f, 0.35f, 0.5f, 0.6f});
    canvas.Fill(window.Outline(2.0f), kCyan.edge);

    // The three answers, on numpad keys 1 to 3.
    struct Choice {
        const char* key;
        const char* label;
        Colour colour;
    };
    const Choice choices[3] = {
        {"1", "TAKE ENERGY", kEnergy}, {"2", "TAKE SCIENCE", kScience}, {"3", "LEAVE", kCaption}};
    for (int i = 0; i < 3; ++i) {
        const float y = 200.0f + i * 66.0f;
        canvas.Fill(Chamfered(20, y, 256, 52, 8), Colour{0.04f, 0.09f, 0.16f, 1.0f});
        canvas.Fill(Chamfered(20, y, 256, 52, 8).Outline(1.2f), choices[i].colour.Times(0.7f));
        KeyCap(canvas, text, 30, y + 8, 36, 36, choices[i].key);
        text.Draw(canvas, 80, y + 14, choices[i].label, 18, choices[i].colour);
    }
    text.Draw(canvas, 148, 410, "PRESS 1, 2 OR 3", 11, kDim, Align::Centre, true, 0.5f);
    return canvas;
}

Canvas PanelPainter::Engineering() const {
    Canvas canvas(1024, 768);
    // Opaque: at the 97% it once had the scene beneath could not be made out, and a full-screen
    // panel the processor only copies costs a tenth of one it blends.
    Body(canvas, Chamfered(4, 4, 1016, 760, 26), 1.0f);
    text.Draw(canvas, 512, 14, "ENGINEERING", 30, kCaption, Align::Centre, true, 8);
    text.Draw(canvas, 512, 52, "SHIP SYSTEMS CONTROL", 12, kDim, Align::Centre, true, 4);
    canvas.Fill(Shape::Rect(30, 74, 964, 1.2f), Colour{0.2f, 0.55f, 0.8f});

    // Command: the captain's badge at (122, 113) and weapon energy created at (145, 205).
    Box(canvas, text, 24, 92, 306, 148, "COMMAND");
    canvas.Fill(Shape::Circle(142, 133, 25), Colour{0.0f, 0.01f, 0.03f, 1.0f});
    canvas.Fill(Shape::Circle(142, 133, 25).Outline(1.2f), Colour{0.2f, 0.42f, 0.6f});
    text.Draw(canvas, 180, 114, "CAPTAIN", 14, kCaption);
    text.Draw(canvas, 180, 134, "RANK BADGE", 10, kDim, Align::Left, true, 1);
    text.Draw(canvas, 142, 182, "WEAPON ENERGY CREATED", 10, kPink, Align::Left, true, 0.5f);
    Well(canvas, 139, 199, 176, 26);

    // Actions on the numpad.
    Box(canvas, text, 344, 92, 494, 250, "ACTIONS");
    struct Action {
        const char* key;
        const char* label;
        const char* note;
    };
    const Action actions[4] = {{"4", "REPAIR", "one damage level for 60 energy"},
                               {"5", "CREATE WARP ENERGY", "250 warp for 85 energy, 65 science"},
                               {"6", "WEAPON RESEARCH", "30 weapon energy for 50 science"},
                               {"ENTER", "CLOSE", "back to the helm"}};
    for (int i = 0; i < 4; ++i) {
        const float y = 112.0f + i * 56.0f;
        const float keyWidth = i == 3 ? 70.0f : 40.0f;
        KeyCap(canvas, text, 362, y, keyWidth, 40, actions[i].key);
        const float x = 362 + keyWidth + 16;
        text.Draw(canvas, x, y + 1, actions[i].label, 18, {0.92f, 0.96f, 1.0f});
        text.Draw(canvas, x, y + 24, actions[i].note, 11, kDim, Align::Left, false);
    }

    // Kills, written at (920, 290).
    Box(canvas, text, 852, 92, 154, 150, "REACTOR");
    canvas.Glow(929, 168, 60, {0.3f, 0.7f, 1.0f}, 0.8f);
    for (float r : {44.0f, 32.0f, 20.0f}) {
        canvas.Fill(Shape::Circle(929, 168, r).Outline(2.0f), Colour{0.4f, 0.8f, 1.0f, 0.8f});
    }
    canvas.Fill(Shape::Circle(929, 168, 9), Colour{0.9f, 0.97f, 1.0f});
    Box(canvas, text, 852, 256, 154, 70, "KILLS");
    Well(canvas, 913, 284, 86, 26);
    text.Draw(canvas, 862, 290, "ENEMY", 10, kKills, Align::Left, true, 0.5f);

    // Stores: energy at (150, 420) and science at (150, 522).
    Box(canvas, text, 24, 376, 306, 188, "STORES");
    BoltIcon(canvas, 62, 408, 36);
    text.Draw(canvas, 142, 397, "ENERGY", 12, kEnergy, Align::Left, true, 1);
    Well(canvas, 139, 414, 176, 26);
    AtomIcon(canvas, 80, 522, 38);
    text.Draw(canvas, 142, 499, "SCIENCE", 12, kScience, Align::Left, true, 1);
    Well(canvas, 139, 516, 176, 26);

    // Warp core: the beam at (80, 605) and warp energy created at (150, 618).
    Box(canvas, text, 24, 580, 306, 160, "WARP CORE");
    Well(canvas, 74, 598, 62, 64);
    text.Draw(canvas, 142, 598, "WARP ENERGY CREATED", 10, kPink, Align::Left, true, 0.5f);
    Well(canvas, 139, 614, 176, 26);
    text.Draw(canvas, 142, 646, "joins the warp drive", 11, kDim, Align::Left, false);
    text.Draw(canvas, 142, 662, "at 1000", 11, kDim, Align::Left, false);

    // A hologram of the ship between the columns.
    Canvas ship(220, 165, {0, 0, 0, 0}, 2.2f);
    ShipPainter::PlayerHull(ship);
    ShipPainter::PlayerDetail(ship);
    for (Colour& c : ship.pixels) {
        const float l = c.Luminance();
        c = {0.3f + 0.5f * l, 0.6f + 0.4f * l, 1.0f, c.a * 0.55f};
    }
    canvas.Fill(Shape::Ellipse(462, 500, 110, 24), Colour{0.2f, 0.5f, 0.8f, 0.25f});
    canvas.Draw(ship, 352, 370);
    text.Draw(canvas, 462, 536, "HELM", 11, kDim, Align::Centre, true, 3);

    // Ship status picture at (610, 450), 200 by 110, and the weapon at (820, 470).
    text.Draw(canvas, 606, 425, "DAMAGE REPORT", 11, kCaption, Align::Left, true, 1);
    Well(canvas, 604, 444, 212, 122);
    text.Draw(canvas, 824, 425, "WEAPON", 11, kCaption, Align::Left, true, 1);
    Well(canvas, 818, 444, 188, 76);

    // Drive and weapon stores: the second beam at (552, 660), warp energy at (615, 675) and
    // weapon energy at (865, 674).
    Box(canvas, text, 536, 600, 470, 140, "DRIVE AND WEAPONS");
    Well(canvas, 546, 654, 60, 62);
    text.Draw(canvas, 612, 652, "WARP ENERGY", 10, kPink, Align::Left, true, 0.5f);
    Well(canvas, 609, 670, 150, 26);
    text.Draw(canvas, 858, 652, "WEAPON ENERGY", 10, kPink, Align::Left, true, 0.5f);
    Well(canvas, 855, 669, 140, 26);
    text.Draw(canvas, 612, 704, "20 weapon energy per torpedo", 11, kDim, Align::Left, false);
    return canvas;
}

Canvas PanelPainter::GameOver() const {
    Canvas canvas(624, 200);
    const Shape frame = Chamfered(0, 0, 624, 200, 22);
    canvas.Fill(frame, [](float, float y) {
        return Colour::Mix({0.92f, 0.93f, 0.98f}, {0.45f, 0.47f, 0.6f}, y / 200.0f);
    });
    const Shape plate = Chamfered(8, 8, 608, 184, 16);
    canvas.Fill(plate, [](float, float y) {
        return Colour::Mix({0.16f, 0.04f, 0.08f}, {0.05f, 0.01f, 0.04f}, y / 200.0f);
    });
    // Hazard stripes along the top and bottom.
    for (float y : {16.0f, 168.0f}) {
        const Shape band = Shape::Rect(24, y, 576, 14);
        canvas.Fill(band, Colour{1.0f, 0.82f, 0.1f});
        for (float x = 24; x < 600; x += 24) {
            canvas.Fill(Shape::Polygon({{x, y + 14}, {x + 10, y}, {x + 20, y}, {x + 10, y + 14}})
                            .Intersect(band),
                        Colour{0.06f, 0.04f, 0.04f});
        }
    }
    // Rivets.
    for (float x : {30.0f, 594.0f}) {
        for (float y : {48.0f, 152.0f}) {
            canvas.Fill(Shape::Circle(x, y, 4), Colour{0.85f, 0.87f, 0.95f});
            canvas.Fill(Shape::Circle(x + 1, y + 1, 2), Colour{0.35f, 0.35f, 0.5f});
        }
    }
    // The same plate ends a defeat and a victory: it says neither.
    text.DrawGlow(canvas, 312, 48, "MISSION ENDED", 58, {1.0f, 0.45f, 0.1f}, 6, 0.9f, Align::Centre,
                  true, 3);
    text.DrawShaded(
        canvas, 312, 48, "MISSION ENDED", 58,
        [](float, float y) {
            const float t = std::clamp((y - 50.0f) / 70.0f, 0.0f, 1.0f);
            return Colour::Mix({1.0f, 0.9f, 0.4f}, {1.0f, 0.2f, 0.08f}, t);
        },
        Align::Centre, true, 4);
    text.Draw(canvas, 312, 136, "PRESS ENTER", 17, {0.85f, 0.9f, 1.0f}, Align::Centre, true, 3);
    return canvas;
}

} // namespace vantor::tools::pictures
