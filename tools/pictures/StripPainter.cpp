#include "tools/pictures/StripPainter.h"

#include "tools/Random.h"
#include "tools/pictures/Noise.h"
#include "tools/pictures/Smooth.h"

#include <algorithm>
#include <cmath>

namespace vantor::tools::pictures {

namespace {

constexpr float kTurn = 6.2831853f;

struct Crater {
    float x;
    float y;
    float radius;
};

} // namespace

Canvas StripPainter::Asteroid(int cellSize, int cells, float roughness, const Colour& rock,
                              unsigned seed) {
    Canvas strip(cellSize * cells, cellSize);
    const Noise noise(seed);
    tools::Random random(seed);
    const float size = cellSize * 0.44f;
    std::vector<Crater> craters;
    for (int i = 0; i < 6; ++i) {
        const float angle = random.RangeFloat(0.0f, kTurn);
        const float distance = random.RangeFloat(0.2f, 0.7f) * size;
        craters.push_back({distance * std::cos(angle), distance * std::sin(angle),
                           random.RangeFloat(0.1f, 0.2f) * size});
    }
    // The outline's radius at each angle, uneven but closing on itself.
    auto reach = [&](float angle) {
        const float n = noise.Fractal(std::cos(angle) * 0.9f + 5.0f, std::sin(angle) * 0.9f, 2);
        return size * (0.8f + roughness * (n - 0.5f) * 1.6f);
    };
    // Small relief on the surface: lumps, and craters pressed in.
    auto relief = [&](float u, float v) {
        float h = size * 0.05f * noise.Fractal(u / size * 3.0f, v / size * 3.0f, 3);
        for (const Crater& c : craters) {
            const float d = std::hypot(u - c.x, v - c.y) / c.radius;
            if (d < 1.0f) {
                h -= c.radius * 0.35f * (1.0f - d * d);
            } else if (d < 1.4f) {
                h += c.radius * 0.12f * (1.0f - (d - 1.0f) / 0.4f);
            }
        }
        return h;
    };
    const float lx = -0.6f;
    const float ly = -0.5f;
    const float lz = 0.62f;
    for (int cell = 0; cell < cells; ++cell) {
        const float spin = kTurn * cell / cells;
        const float cs = std::cos(spin);
        const float sn = std::sin(spin);
        const float cx = cell * cellSize + cellSize / 2.0f;
        const float cy = cellSize / 2.0f;
        for (int y = 0; y < cellSize; ++y) {
            for (int x = cell * cellSize; x < (cell + 1) * cellSize; ++x) {
                const float px = x + 0.5f - cx;
                const float py = y + 0.5f - cy;
                // Into the rock's own frame, which turns with the cell.
                const float u = px * cs + py * sn;
                const float v = -px * sn + py * cs;
                const float rho = std::hypot(u, v);
                const float edge = reach(std::atan2(v, u));
                const float coverage = std::clamp(edge - rho + 0.5f, 0.0f, 1.0f);
                if (coverage <= 0.0f) {
                    continue;
                }
                // The body's curve, as if it were round with this angle's radius, tilted by
                // the slopes of the relief.
                const float e = 0.75f;
                const float du = (relief(u + e, v) - relief(u - e, v)) / (2 * e);
                const float dv = (relief(u, v + e) - relief(u, v - e)) / (2 * e);
                const float bx = std::clamp(u / edge, -1.0f, 1.0f);
                const float by = std::clamp(v / edge, -1.0f, 1.0f);
                const float bz = std::sqrt(std::max(0.0f, 1.0f - bx * bx - by * by));
                const float tu = bx - du * bz;
                const float tv = by - dv * bz;
                // Back to the screen's frame, where the light stays put.
                const float sx = tu * cs - tv * sn;
                const float sy = tu * sn + tv * cs;
                const float length = std::sqrt(sx * sx + sy * sy + bz * bz) + 1e-6f;
                const float nx = sx / length;
                const float ny = sy / length;
                const float nz = bz / length;
                const float light = std::max(0.0f, nx * lx + ny * ly + nz * lz);
                const float grain = noise.Fractal(u / size * 5.0f + 30.0f, v / size * 5.0f, 4);
                Colour c = rock.Times(0.55f + 0.9f * grain);
                c = c.Times(0.12f + 1.1f * light);
                c.a = coverage;
                strip.At(x, y) = c.Clamped();
            }
        }
    }
    return strip;
}

Canvas StripPainter::ScanGlobe(int cellSize, int cells, float tilt) {
    Canvas strip(cellSize * cells, cellSize);
    const float radius = cellSize * 0.44f;
    // Lines every 30 degrees of latitude and longitude, a pixel and a half wide.
    constexpr float Step = kTurn / 12.0f;
    const float lineWidth = 1.5f / radius;
    const auto nearLine = [=](float angle) {
        const float offset = std::fabs(std::remainder(angle, Step));
        return std::clamp(1.0f - offset / lineWidth, 0.0f, 1.0f);
    };
    for (int cell = 0; cell < cells; ++cell) {
        const float cx = cell * cellSize + cellSize / 2.0f;
        const float cy = cellSize / 2.0f;
        const float spin = kTurn / 12.0f * cell / cells; // one grid step over the cells
        // A faint cyan haze round the limb.
        strip.Fill(Shape::Circle(cx, cy, radius + 5.0f), [=](float x, float y) {
            const float d = (std::hypot(x - cx, y - cy) - radius) / 5.0f;
            return Colour{0.3f, 0.85f, 1.0f, 0.45f * (1.0f - std::clamp(d, 0.0f, 1.0f))};
        });
        strip.Fill(Shape::Circle(cx, cy, radius), [=](float x, float y) {
            const float nx = (x - cx) / radius;
            const float ny = (y - cy) / radius;
            const float nz = std::sqrt(std::max(0.0f, 1.0f - nx * nx - ny * ny));
            // The globe leans by the tilt about the view's x axis.
            const float ly = ny * std::cos(tilt) - nz * std::sin(tilt);
            const float lz = ny * std::sin(tilt) + nz * std::cos(tilt);
            const float latitude = std::asin(std::clamp(ly, -1.0f, 1.0f));
            const float longitude = std::atan2(nx, lz) + spin;
            const float grid = std::max(nearLine(latitude), nearLine(longitude));
            // A dark glass sphere, lit from the upper left, its grid glowing cyan.
            const float light =
                std::clamp(0.35f + 0.65f * (-0.5f * nx - 0.6f * ny + 0.62f * nz), 0.0f, 1.0f);
            const Colour glass = Colour{0.02f, 0.07f, 0.13f}.Times(0.6f + 0.8f * light);
            const Colour line = Colour{0.35f, 0.9f, 1.0f}.Times(0.45f + 0.55f * nz);
            return Colour::Mix(glass, line, grid * (0.4f + 0.6f * nz)).Clamped();
        });
    }
    return strip;
}

Canvas StripPainter::Explosion(int cellSize, int cells) {
    Canvas strip(cellSize * cells, cellSize);
    const Noise noise(4711);
    tools::Random random(4711);
    // The blast is centred near the middle of the ship it replaces.
    const float centreX = cellSize * 0.44f;
    const float centreY = cellSize * 0.38f;
    const float largest = cellSize * 0.36f;
    for (int cell = 0; cell < cells; ++cell) {
        const float t = (cell + 1.0f) / cells; // 0.25, 0.5, 0.75, 1
        const float radius = largest * (0.35f + 0.65f * std::sqrt(t));
        const float heat = 1.0f - t * 0.85f; // white-hot first, cooling to smoke
        const float fade = cell + 1 == cells ? 0.55f : 1.0f;
        const float ox = cell * cellSize + centreX;
        for (int y = 0; y < cellSize; ++y) {
            for (int x = cell * cellSize; x < (cell + 1) * cellSize; ++x) {
                const float dx = x + 0.5f - ox;
                const float dy = y + 0.5f - centreY;
                const float d = std::hypot(dx, dy);
                const float angle = std::atan2(dy, dx);
                const float billow = noise.Fractal(std::cos(angle) * 2.0f + cell * 3.1f,
                                                   std::sin(angle) * 2.0f + d / radius * 1.5f, 4);
                const float edge = radius * (0.75f + 0.5f * billow);
                const float inside = Smooth(edge, edge * 0.8f, d);
                if (inside <= 0.0f) {
                    continue;
                }
                const float turbulence = noise.Fractal(dx / 14.0f + cell * 7.0f, dy / 14.0f, 5);
                float hot = (1.0f - d / edge) * heat * 1.6f + (turbulence - 0.5f) * 0.8f;
                hot = std::clamp(hot, 0.0f, 1.0f);
                Colour c;
                if (hot > 0.66f) {
                    c = Colour::Mix({1.0f, 0.85f, 0.3f}, {1.0f, 1.0f, 0.9f}, (hot - 0.66f) * 3.0f);
                } else if (hot > 0.33f) {
                    c = Colour::Mix({1.0f, 0.4f, 0.05f}, {1.0f, 0.85f, 0.3f}, (hot - 0.33f) * 3.0f);
                } else {
                    c = Colour::Mix({0.18f, 0.12f, 0.1f}, {1.0f, 0.4f, 0.05f}, hot * 3.0f);
                }
                const float smoke = hot < 0.33f ? 0.55f + 0.45f * turbulence : 1.0f;
                c.a = inside * smoke * fade;
                strip.At(x, y) = c;
            }
        }
        // Sparks and burning debris thrown outward.
        for (int i = 0; i < 26; ++i) {
            const float angle = random.RangeFloat(0.0f, kTurn);
            const float distance = radius * random.RangeFloat(0.8f, 1.25f);
            const float x = ox + distance * std::cos(angle);
            const float y = centreY + distance * std::sin(angle);
            if (x < cell * cellSize + 3 || x > (cell + 1) * cellSize - 3 || y < 3 ||
                y > cellSize - 3) {
                continue;
            }
            const Colour spark = Colour::Mix({1.0f, 0.95f, 0.6f}, {1.0f, 0.4f, 0.1f}, t);
            strip.Fill(Shape::Circle(x, y, random.RangeFloat(0.8f, 2.0f)), spark.WithAlpha(fade));
        }
    }
    return strip;
}

Canvas StripPainter::Beam(int cellSize, int cells) {
    Canvas strip(cellSize * cells, cellSize);
    const float mid = cellSize / 2.0f;
    for (int cell = 0; cell < cells; ++cell) {
        const float left = static_cast<float>(cell * cellSize);
        const Noise noise(900 + cell);
        const float pulse = 0.7f + 0.3f * std::sin(kTurn * cell / cells);
        // The beam's glow, a soft band across the cell.
        strip.Fill(Shape::Rect(left, mid - 12, static_cast<float>(cellSize), 24),
                   [=](float, float y) {
                       const float d = std::fabs(y - mid) / 12.0f;
                       return Colour{0.35f, 0.55f, 1.0f, 0.55f * pulse * (1.0f - d) * (1.0f - d)};
                   });
        // Two crackling threads of light wound round its core.
        for (int thread = 0; thread < 2; ++thread) {
            Point last{left, mid};
            for (int step = 1; step <= 10; ++step) {
                const float x = left + cellSize * step / 10.0f;
                const float wobble = (noise.At(step * 0.9f, thread * 5.0f) - 0.5f) * 22.0f;
                const Point next{x, mid + (step == 10 ? 0.0f : wobble)};
                strip.Fill(Shape::Line(last, next, 2.2f), Colour{0.6f, 0.8f, 1.0f, 0.9f});
                strip.Fill(Shape::Line(last, next, 0.9f), Colour{1.0f, 1.0f, 1.0f});
                last = next;
            }
        }
        strip.Fill(Shape::Rect(left, mid - 1.5f, static_cast<float>(cellSize), 3.0f),
                   Colour{0.85f, 0.95f, 1.0f});
        // A bright knot travelling along the beam.
        const float knot = left + cellSize * (cell + 0.5f) / cells;
        strip.Glow(knot, mid, 10.0f * pulse, {0.8f, 0.9f, 1.0f}, 1.0f);
    }
    return strip;
}

} // namespace vantor::tools::pictures
