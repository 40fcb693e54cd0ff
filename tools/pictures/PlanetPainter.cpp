#include "tools/pictures/PlanetPainter.h"

#include "tools/pictures/ColourRamp.h"
#include "tools/pictures/Noise.h"
#include "tools/pictures/Smooth.h"

#include <cmath>

namespace vantor::tools::pictures {

namespace {

struct Ground {
    Colour colour;
    float glow = 0.0f;  // light of its own (lava), seen on the night side too
    float shine = 0.0f; // how glossy (water)
};

Ground Surface(PlanetPainter::Kind kind, const Noise& noise, float x, float y, float z) {
    using Kind = PlanetPainter::Kind;
    const float polar = std::fabs(y);
    switch (kind) {
    case Kind::Desert: {
        static const ColourRamp ramp{{0.0f, {0.62f, 0.32f, 0.16f}},
                                     {0.45f, {0.86f, 0.62f, 0.36f}},
                                     {0.7f, {0.98f, 0.84f, 0.58f}},
                                     {1.0f, {1.0f, 0.93f, 0.78f}}};
        const float h = noise.Fractal(x * 2.5f, y * 2.5f, z * 2.5f, 6);
        const float canyon = noise.Ridged(x * 3.0f + 9, y * 3.0f, z * 3.0f, 4);
        Colour c = ramp.At(h * 1.2f - 0.1f);
        c = Colour::Mix(c, {0.45f, 0.18f, 0.08f}, Smooth(0.75f, 0.95f, canyon) * 0.8f);
        return {c};
    }
    case Kind::Ocean:
    case Kind::Reef: {
        const bool reef = kind == Kind::Reef;
        const float h = noise.Fractal(x * 2.0f, y * 2.0f, z * 2.0f, 6);
        const float sea = reef ? 0.6f : 0.53f;
        Colour c;
        float shine = 0.0f;
        if (h < sea) {
            const float depth = Smooth(sea - 0.2f, sea, h);
            c = reef ? Colour::Mix({0.02f, 0.35f, 0.55f}, {0.15f, 0.85f, 0.85f}, depth)
                     : Colour::Mix({0.03f, 0.12f, 0.45f}, {0.12f, 0.45f, 0.9f}, depth);
            shine = 0.6f;
        } else {
            const float t = Smooth(sea, sea + 0.2f, h);
            c = reef ? Colour::Mix({0.95f, 0.88f, 0.6f}, {0.85f, 0.75f, 0.45f}, t)
                     : Colour::Mix({0.78f, 0.75f, 0.35f}, {0.6f, 0.4f, 0.22f}, t);
        }
        const float cap = Smooth(0.78f, 0.86f, polar + 0.1f * (h - 0.5f));
        c = Colour::Mix(c, {0.97f, 0.98f, 1.0f}, reef ? 0.0f : cap);
        const float wx = noise.Fractal(x * 1.5f + 20, y * 1.5f, z * 1.5f, 3);
        const float clouds = noise.Fractal(x * 3.0f + 2 * wx, y * 6.0f, z * 3.0f + 2 * wx, 5);
        c = Colour::Mix(c, {1.0f, 1.0f, 1.0f}, Smooth(0.52f, 0.68f, clouds) * 0.9f);
        return {c, 0.0f, shine * (1.0f - Smooth(0.52f, 0.68f, clouds))};
    }
    case Kind::Ice: {
        const float h = noise.Fractal(x * 2.2f, y * 2.2f, z * 2.2f, 5);
        const float crack = noise.Ridged(x * 4.0f, y * 4.0f, z * 4.0f, 4);
        Colour c = Colour::Mix({0.72f, 0.88f, 1.0f}, {0.97f, 0.99f, 1.0f}, Smooth(0.35f, 0.7f, h));
        c = Colour::Mix(c, {0.25f, 0.45f, 0.95f}, Smooth(0.7f, 0.92f, crack) * 0.8f);
        return {c, 0.0f, 0.3f};
    }
    case Kind::Lava: {
        const float h = noise.Fractal(x * 2.4f, y * 2.4f, z * 2.4f, 5);
        const float crack = noise.Ridged(x * 3.2f, y * 3.2f, z * 3.2f, 5);
        const float hot = Smooth(0.62f, 0.9f, crack) * (0.6f + 0.8f * h);
        Colour c = Colour::Mix({0.16f, 0.08f, 0.07f}, {0.32f, 0.16f, 0.12f}, h);
        c = Colour::Mix(c, Colour::Mix({1.0f, 0.3f, 0.05f}, {1.0f, 0.9f, 0.4f}, hot),
                        std::min(1.0f, hot));
        return {c, std::min(1.0f, hot * 1.3f)};
    }
    case Kind::Banded:
    case Kind::Ringed:
    case Kind::Storm: {
        const float warp = noise.Fractal(x * 3.0f, y * 3.0f, z * 3.0f, 5);
        const float band = std::sin((y * 7.0f + 1.2f * warp) * 3.14159f);
        Colour c;
        if (kind == Kind::Banded) {
            static const ColourRamp ramp{{-1.0f, {0.62f, 0.32f, 0.18f}},
                                         {-0.2f, {0.92f, 0.6f, 0.32f}},
                                         {0.4f, {1.0f, 0.88f, 0.68f}},
                                         {1.0f, {0.98f, 0.95f, 0.88f}}};
            c = ramp.At(band);
        } else if (kind == Kind::Ringed) {
            static const ColourRamp ramp{{-1.0f, {0.85f, 0.7f, 0.38f}},
                                         {0.0f, {0.98f, 0.9f, 0.62f}},
                                         {1.0f, {1.0f, 0.97f, 0.85f}}};
            c = ramp.At(band);
        } else {
            static const ColourRamp ramp{{-1.0f, {0.15f, 0.25f, 0.75f}},
                                         {0.0f, {0.35f, 0.55f, 0.98f}},
                                         {1.0f, {0.7f, 0.85f, 1.0f}}};
            c = ramp.At(band);
        }
        // One great storm on the face that turns toward us.
        const float sx = (kind == Kind::Banded ? 0.55f : 0.35f);
        const float d = std::hypot((x - sx) / 0.32f, (y - 0.28f) / 0.14f);
        if (z > 0.0f && d < 1.0f) {
            const Colour eye =
                kind == Kind::Banded ? Colour{0.85f, 0.25f, 0.15f} : Colour{0.95f, 0.98f, 1.0f};
            c = Colour::Mix(c, eye, Smooth(1.0f, 0.4f, d));
        }
        return {c};
    }
    case Kind::Toxic: {
        const float wx = noise.Fractal(x * 2.0f, y * 2.0f, z * 2.0f, 4);
        const float h = noise.Fractal(x * 2.5f + 2 * wx, y * 4.0f, z * 2.5f + 2 * wx, 5);
        Colour c = Colour::Mix({0.45f, 0.08f, 0.55f}, {0.9f, 0.35f, 0.85f}, Smooth(0.3f, 0.7f, h));
        c = Colour::Mix(c, {0.85f, 0.95f, 0.3f}, Smooth(0.62f, 0.75f, h) * 0.8f);
        return {c};
    }
    case Kind::Rust: {
        const float h = noise.Fractal(x * 2.3f, y * 2.3f, z * 2.3f, 6);
        Colour c = Colour::Mix({0.45f, 0.14f, 0.08f}, {0.9f, 0.42f, 0.22f}, Smooth(0.35f, 0.6f, h));
        c = Colour::Mix(c, {1.0f, 0.7f, 0.5f}, Smooth(0.62f, 0.8f, h) * 0.6f);
        const float cap = Smooth(0.84f, 0.9f, polar + 0.06f * (h - 0.5f));
        return {Colour::Mix(c, {1.0f, 0.97f, 0.95f}, cap)};
    }
    }
    return {};
}

Colour Atmosphere(PlanetPainter::Kind kind) {
    using Kind = PlanetPainter::Kind;
    switch (kind) {
    case Kind::Ocean:
    case Kind::Storm:
        return {0.45f, 0.7f, 1.0f};
    case Kind::Reef:
    case Kind::Ice:
        return {0.55f, 0.95f, 1.0f};
    case Kind::Toxic:
        return {0.9f, 0.5f, 1.0f};
    case Kind::Lava:
        return {1.0f, 0.35f, 0.1f};
    case Kind::Banded:
    case Kind::Ringed:
    case Kind::Desert:
        return {1.0f, 0.85f, 0.6f};
    case Kind::Rust:
        return {1.0f, 0.6f, 0.45f};
    }
    return {1, 1, 1};
}

// The planet's ring, as a flat band seen at an angle; front or back half only.
void DrawRing(Canvas& canvas, float cx, float cy, float radius, bool front) {
    const float tilt = 0.32f;
    const float inner = radius * 1.3f;
    const float outer = radius * 1.95f;
    const Shape band = Shape::Ellipse(cx, cy, outer, outer * tilt)
                           .Minus(Shape::Ellipse(cx, cy, inner, inner * tilt));
    const Shape half = front ? Shape::Rect(cx - outer - 2, cy, 2 * outer + 4, outer)
                             : Shape::Rect(cx - outer - 2, cy - outer, 2 * outer + 4, outer);
    canvas.Fill(band.Intersect(half), [=](float x, float y) {
        const float e = std::hypot(x - cx, (y - cy) / tilt);
        const float t = (e - inner) / (outer - inner);
        const float stripes = 0.5f + 0.5f * std::sin(t * 40.0f);
        const Colour c = Colour::Mix({0.98f, 0.88f, 0.62f}, {0.8f, 0.6f, 0.35f}, stripes * 0.6f);
        return c.Times(front ? 1.0f : 0.75f);
    });
}

} // namespace

void PlanetPainter::Draw(Canvas& canvas, Kind kind, float cx, float cy, float radius, float spin,
                         std::uint32_t seed) {
    const Noise noise(seed);
    const bool ringed = kind == Kind::Ringed;
    if (ringed) {
        DrawRing(canvas, cx, cy, radius, false);
    }
    // Light from the upper left, a little in front.
    const float lx = -0.55f;
    const float ly = -0.45f;
    const float lz = 0.70f;
    const float cs = std::cos(spin);
    const float sn = std::sin(spin);
    const Colour air = Atmosphere(kind);
    canvas.Fill(Shape::Circle(cx, cy, radius), [&](float px, float py) {
        const float nx = std::clamp((px - cx) / radius, -1.0f, 1.0f);
        const float ny = std::clamp((py - cy) / radius, -1.0f, 1.0f);
        const float nz = std::sqrt(std::max(0.0f, 1.0f - nx * nx - ny * ny));
        // Turn the surface under the light.
        const float sx = nx * cs + nz * sn;
        const float sz = -nx * sn + nz * cs;
        const Ground ground = Surface(kind, noise, sx, ny, sz);
        const float lambert = nx * lx + ny * ly + nz * lz;
        const float day = Smooth(-0.15f, 0.6f, lambert);
        float light = 0.07f + 1.0f * day;
        Colour c = ground.colour.Times(light);
        if (ground.shine > 0.0f) {
            // Sun glint: reflection toward the viewer.
            const float rz = 2.0f * lambert * nz - lz;
            c = Colour::Mix(c, {1, 1, 1}, ground.shine * std::pow(std::max(0.0f, rz), 30.0f));
        }
        if (ground.glow > 0.0f) {
            c = Colour::Mix(c, ground.colour, ground.glow * (1.0f - day * 0.5f));
        }
        const float rim = std::pow(1.0f - nz, 3.0f) * (0.2f + 0.8f * day);
        c = Colour::Mix(c, air, std::min(1.0f, rim * 0.9f));
        c.a = 1.0f;
        return c;
    });
    if (ringed) {
        DrawRing(canvas, cx, cy, radius, true);
    }
}

} // namespace vantor::tools::pictures
