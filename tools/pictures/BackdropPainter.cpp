#include "tools/pictures/BackdropPainter.h"

#include "tools/Random.h"
#include "tools/pictures/Noise.h"
#include "tools/pictures/ShipPainter.h"
#include "tools/pictures/Smooth.h"
#include "tools/pictures/StarField.h"

#include <cmath>
#include <cstdint>

namespace vantor::tools::pictures {

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kAspect = static_cast<float>(BackdropPainter::kWidth) / BackdropPainter::kHeight;

enum class Form { Clouds, Band, Ring, Swirl, Filaments, Curtains, Galaxy, Cluster, Void };

// How one sector's sky looks. Positions are fractions of the window; colours are light.
struct Sky {
    std::uint32_t seed;
    Form form;
    Colour top;
    Colour bottom;
    Colour thin;  // colour of thin gas
    Colour dense; // colour of dense gas
    Colour glow;  // hot cores of the densest gas
    float amount; // brightness of the gas
    float scale;  // how many cloud features fit in the window's height
    float cx;
    float cy;
    float angle;  // radians, for bands and galaxies
    float dust;   // 0..1, dark lanes across the gas
    float ridges; // 0..1, how much the gas breaks into filaments
    int stars;
};

const Sky kSkies[15] = {
    // 1: home sector, calm blue-violet clouds.
    {101,
     Form::Clouds,
     {0.01f, 0.01f, 0.05f},
     {0.02f, 0.02f, 0.08f},
     {0.10f, 0.14f, 0.45f},
     {0.40f, 0.32f, 0.80f},
     {0.75f, 0.85f, 1.0f},
     0.55f,
     2.2f,
     0.5f,
     0.5f,
     0.0f,
     0.35f,
     0.0f,
     1500},
    // 2: a teal band of the galaxy's disc crossing the sky.
    {202,
     Form::Band,
     {0.0f, 0.02f, 0.03f},
     {0.01f, 0.03f, 0.05f},
     {0.04f, 0.22f, 0.28f},
     {0.30f, 0.70f, 0.68f},
     {0.85f, 1.0f, 0.95f},
     0.55f,
     2.6f,
     0.5f,
     0.5f,
     -0.55f,
     0.7f,
     0.0f,
     1800},
    // 3: a pink whirl.
    {303,
     Form::Swirl,
     {0.02f, 0.0f, 0.03f},
     {0.03f, 0.01f, 0.04f},
     {0.32f, 0.05f, 0.30f},
     {0.90f, 0.32f, 0.68f},
     {1.0f, 0.85f, 0.92f},
     0.6f,
     2.0f,
     0.55f,
     0.45f,
     0.0f,
     0.25f,
     0.0f,
     1300},
    // 4: the golden shell of an old supernova.
    {404,
     Form::Ring,
     {0.02f, 0.01f, 0.0f},
     {0.03f, 0.015f, 0.01f},
     {0.35f, 0.12f, 0.03f},
     {0.98f, 0.58f, 0.16f},
     {1.0f, 0.92f, 0.65f},
     0.75f,
     3.0f,
     0.42f,
     0.5f,
     0.0f,
     0.1f,
     0.9f,
     1400},
    // 5: green gas torn by dark dust.
    {505,
     Form::Clouds,
     {0.0f, 0.02f, 0.01f},
     {0.01f, 0.03f, 0.02f},
     {0.03f, 0.22f, 0.12f},
     {0.22f, 0.65f, 0.42f},
     {0.75f, 1.0f, 0.82f},
     0.6f,
     1.7f,
     0.5f,
     0.5f,
     0.0f,
     0.85f,
     0.0f,
     1400},
    // 6: a spiral galaxy in deep, clear space.
    {606,
     Form::Galaxy,
     {0.0f, 0.0f, 0.02f},
     {0.01f, 0.01f, 0.03f},
     {0.05f, 0.06f, 0.15f},
     {0.20f, 0.20f, 0.40f},
     {0.6f, 0.7f, 1.0f},
     0.25f,
     2.4f,
     0.6f,
     0.42f,
     0.45f,
     0.0f,
     0.0f,
     1700},
    // 7: a red ring around a hot white star.
    {707,
     Form::Ring,
     {0.02f, 0.0f, 0.02f},
     {0.03f, 0.0f, 0.03f},
     {0.38f, 0.04f, 0.24f},
     {0.95f, 0.22f, 0.36f},
     {0.6f, 0.85f, 1.0f},
     0.75f,
     2.6f,
     0.5f,
     0.5f,
     0.0f,
     0.0f,
     0.25f,
     1300},
    // 8: icy blue filaments.
    {808,
     Form::Filaments,
     {0.0f, 0.01f, 0.04f},
     {0.01f, 0.02f, 0.06f},
     {0.05f, 0.12f, 0.36f},
     {0.38f, 0.62f, 0.98f},
     {0.88f, 0.95f, 1.0f},
     0.8f,
     1.6f,
     0.5f,
     0.5f,
     0.0f,
     0.0f,
     1.0f,
     1500},
    // 9: golden dust clouds.
    {909,
     Form::Clouds,
     {0.02f, 0.01f, 0.0f},
     {0.03f, 0.02f, 0.01f},
     {0.26f, 0.15f, 0.03f},
     {0.88f, 0.62f, 0.26f},
     {1.0f, 0.95f, 0.75f},
     0.5f,
     2.8f,
     0.5f,
     0.5f,
     0.0f,
     0.5f,
     0.3f,
     1300},
    // 10: a globular star cluster in a violet haze.
    {1010,
     Form::Cluster,
     {0.01f, 0.0f, 0.02f},
     {0.02f, 0.01f, 0.04f},
     {0.12f, 0.06f, 0.20f},
     {0.38f, 0.22f, 0.52f},
     {0.9f, 0.8f, 1.0f},
     0.35f,
     2.0f,
     0.35f,
     0.42f,
     0.0f,
     0.2f,
     0.0f,
     1400},
    // 11: blue gas with burning orange hearts.
    {1111,
     Form::Clouds,
     {0.0f, 0.01f, 0.04f},
     {0.01f, 0.02f, 0.05f},
     {0.05f, 0.16f, 0.52f},
     {1.0f, 0.50f, 0.20f},
     {1.0f, 0.92f, 0.75f},
     0.6f,
     1.5f,
     0.5f,
     0.5f,
     0.0f,
     0.3f,
     0.2f,
     1400},
    // 12: a purple band with heavy dust lanes.
    {1212,
     Form::Band,
     {0.01f, 0.0f, 0.03f},
     {0.02f, 0.0f, 0.04f},
     {0.20f, 0.05f, 0.36f},
     {0.62f, 0.36f, 0.88f},
     {0.95f, 0.85f, 1.0f},
     0.6f,
     2.4f,
     0.5f,
     0.55f,
     0.28f,
     0.9f,
     0.2f,
     1800},
    // 13: a rose veil.
    {1313,
     Form::Filaments,
     {0.02f, 0.0f, 0.01f},
     {0.03f, 0.01f, 0.02f},
     {0.30f, 0.07f, 0.12f},
     {1.0f, 0.50f, 0.56f},
     {1.0f, 0.88f, 0.82f},
     0.75f,
     1.8f,
     0.5f,
     0.5f,
     0.0f,
     0.2f,
     0.8f,
     1300},
    // 14: green-cyan curtains hanging in indigo.
    {1414,
     Form::Curtains,
     {0.01f, 0.0f, 0.05f},
     {0.0f, 0.02f, 0.04f},
     {0.02f, 0.22f, 0.26f},
     {0.22f, 0.92f, 0.62f},
     {0.85f, 1.0f, 0.92f},
     0.75f,
     1.6f,
     0.5f,
     0.5f,
     0.0f,
     0.0f,
     0.0f,
     1300},
    // 15: the boss's lair: a black hole in blood-red gas.
    {1515,
     Form::Void,
     {0.02f, 0.0f, 0.0f},
     {0.05f, 0.0f, 0.01f},
     {0.26f, 0.02f, 0.02f},
     {0.70f, 0.06f, 0.04f},
     {1.0f, 0.45f, 0.15f},
     0.55f,
     2.0f,
     0.62f,
     0.42f,
     0.0f,
     0.55f,
     0.8f,
     800},
};

Colour Add(const Colour& a, const Colour& b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b, 1.0f};
}

// The light of the gas at (x, y), measured in window heights from the top-left.
Colour Gas(const Sky& sky, const Noise& noise, float x, float y) {
    const float cx = sky.cx * kAspect;
    const float cy = sky.cy;
    float px = x;
    float py = y;
    const float r = std::hypot(x - cx, y - cy);
    if (sky.form == Form::Swirl || sky.form == Form::Galaxy) {
        // Twist the sky about the centre, more near it.
        const float turn = 2.4f / (r * 5.0f + 0.7f);
        const float c = std::cos(turn);
        const float s = std::sin(turn);
        px = cx + (x - cx) * c - (y - cy) * s;
        py = cy + (x - cx) * s + (y - cy) * c;
    }
    const float f = sky.scale;
    const float wx = noise.Fractal(px * f * 0.6f + 3.1f, py * f * 0.6f + 1.7f, 3);
    const float wy = noise.Fractal(px * f * 0.6f - 7.3f, py * f * 0.6f + 4.9f, 3);
    const float qx = px * f + 1.8f * wx;
    const float qy = py * f + 1.8f * wy;
    const float n = noise.Fractal(qx, qy, 5);
    const float detail = noise.Fractal(qx * 2.7f + 11.0f, qy * 2.7f - 3.0f, 3);

    float mask = 0.0f;
    Colour extra{0, 0, 0, 1};
    switch (sky.form) {
    case Form::Clouds:
    case Form::Swirl:
        mask = Smooth(0.42f, 0.74f, n);
        break;
    case Form::Band: {
        const float across = -std::sin(sky.angle) * (x - cx) + std::cos(sky.angle) * (y - cy);
        const float width = 0.17f + 0.2f * (n - 0.5f);
        mask = std::exp(-(across / width) * (across / width)) * Smooth(0.28f, 0.62f, n);
        break;
    }
    case Form::Ring: {
        const float t = (r - 0.27f - 0.14f * (n - 0.5f)) / 0.055f;
        mask = std::exp(-t * t) + 0.45f * Smooth(0.45f, 0.8f, n) * std::exp(-r * 4.0f);
        break;
    }
    case Form::Filaments:
        mask = Smooth(0.3f, 0.62f, n);
        break;
    case Form::Curtains: {
        const float ridge = noise.Ridged(px * f * 2.2f + 2.0f * wx, py * 0.7f, 4);
        const float fall = Smooth(0.95f, 0.25f, y) * Smooth(0.0f, 0.2f, y);
        mask = std::pow(ridge, 3.0f) * 1.6f * fall * (0.5f + n);
        break;
    }
    case Form::Galaxy: {
        // An inclined disc with two arms winding out of a bright core.
        const float c = std::cos(-sky.angle);
        const float s = std::sin(-sky.angle);
        const float lx = (x - cx) * c - (y - cy) * s;
        const float ly = ((x - cx) * s + (y - cy) * c) / 0.42f;
        const float lr = std::hypot(lx, ly);
        const float theta = std::atan2(ly, lx);
        const float arms = 0.5f + 0.5f * std::cos(2.0f * theta - 5.0f * std::log(lr + 0.03f) +
                                                  3.0f * (detail - 0.5f));
        const float disc = std::exp(-lr / 0.14f) * (0.25f + 1.2f * std::pow(arms, 3.0f)) *
                           (0.55f + 0.9f * (n - 0.35f));
        const float core = std::exp(-(lr / 0.05f) * (lr / 0.05f));
        extra = Add(Colour{0.55f, 0.62f, 0.95f}.Times(disc * 1.1f),
                    Colour{1.0f, 0.9f, 0.7f}.Times(core * 1.2f + disc * 0.25f));
        extra = Add(extra, Colour{1.0f, 0.4f, 0.6f}.Times(disc * std::pow(detail, 6.0f) * 6.0f));
        mask = 0.35f * Smooth(0.5f, 0.8f, n);
        break;
    }
    case Form::Cluster:
        mask = 0.5f * Smooth(0.45f, 0.8f, n);
        extra = Colour{1.0f, 0.85f, 0.6f}.Times(0.5f * std::exp(-(r / 0.15f) * (r / 0.15f)));
        break;
    case Form::Void:
        mask = Smooth(0.32f, 0.7f, n) * Smooth(0.06f, 0.35f, r);
        break;
    }
    if (sky.ridges > 0.0f) {
        const float ridge = noise.Ridged(qx * 0.9f + 5.0f, qy * 0.9f - 2.0f, 4);
        mask *= (1.0f - sky.ridges) + sky.ridges * std::pow(ridge, 2.5f) * 2.2f;
    }
    float density = std::clamp(mask * (0.55f + 0.9f * detail), 0.0f, 1.6f);
    if (sky.dust > 0.0f) {
        const float dust =
            Smooth(0.5f, 0.7f, noise.Fractal(qx * 1.9f + 40.0f, qy * 1.9f - 12.0f, 4));
        density *= 1.0f - sky.dust * dust;
    }
    Colour light =
        Colour::Mix(sky.thin, sky.dense, Smooth(0.25f, 1.0f, density)).Times(density * sky.amount);
    light = Add(light, sky.glow.Times(std::pow(density, 4.0f) * 0.35f * sky.amount));
    return Add(light, extra);
}

// Fills the canvas with the sky gradient, a vignette and the gas, the gas worked out at half
// resolution (it is soft anyway) and smoothed up to full size.
void PaintSky(Canvas& canvas, const Sky& sky) {
    const Noise noise(sky.seed);
    const int halfW = canvas.width / 2 + 1;
    const int halfH = canvas.height / 2 + 1;
    std::vector<Colour> gas(static_cast<std::size_t>(halfW) * halfH);
    for (int j = 0; j < halfH; ++j) {
        for (int i = 0; i < halfW; ++i) {
            gas[static_cast<std::size_t>(j) * halfW + i] = Gas(
                sky, noise, (i * 2.0f + 1.0f) / canvas.height, (j * 2.0f + 1.0f) / canvas.height);
        }
    }
    for (int y = 0; y < canvas.height; ++y) {
        const float gy = std::max(0.0f, (y - 0.5f) / 2.0f);
        const int j = std::min(static_cast<int>(gy), halfH - 2);
        const float fy = std::min(1.0f, gy - j);
        const float v = static_cast<float>(y) / canvas.height;
        for (int x = 0; x < canvas.width; ++x) {
            const float gx = std::max(0.0f, (x - 0.5f) / 2.0f);
            const int i = std::min(static_cast<int>(gx), halfW - 2);
            const float fx = std::min(1.0f, gx - i);
            const Colour& a = gas[static_cast<std::size_t>(j) * halfW + i];
            const Colour& b = gas[static_cast<std::size_t>(j) * halfW + i + 1];
            const Colour& c = gas[static_cast<std::size_t>(j + 1) * halfW + i];
            const Colour& d = gas[static_cast<std::size_t>(j + 1) * halfW + i + 1];
            const Colour top = Colour::Mix(a, b, fx);
            const Colour bottom = Colour::Mix(c, d, fx);
            const Colour light = Colour::Mix(top, bottom, fy);
            const float u = static_cast<float>(x) / canvas.width;
            const float edge = std::hypot(u - 0.5f, v - 0.5f);
            const float vignette = 1.0f - 0.55f * Smooth(0.3f, 0.75f, edge);
            const Colour base = Colour::Mix(sky.top, sky.bottom, v);
            canvas.At(x, y) = Add(base, light).Times(vignette);
        }
    }
}

// A black hole with a burning disc, its shadow swallowing the disc's far side.
void PaintBlackHole(Canvas& canvas, float cx, float cy) {
    const float hole = 46.0f;
    const float tilt = 0.22f;
    canvas.Glow(cx, cy, 330.0f, {0.6f, 0.05f, 0.02f}, 0.35f);
    const int x0 = static_cast<int>(cx - 260);
    const int x1 = static_cast<int>(cx + 260);
    const int y0 = static_cast<int>(cy - 150);
    const int y1 = static_cast<int>(cy + 150);
    const Noise streaks(77);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (!canvas.Inside(x, y)) {
                continue;
            }
            const float dx = x + 0.5f - cx;
            const float dy = y + 0.5f - cy;
            const float r = std::hypot(dx, dy);
            // The disc, seen nearly edge-on; brighter on the side that turns toward us.
            const float e = std::hypot(dx, dy / tilt);
            const float ring = std::exp(-std::pow((e - 120.0f) / 55.0f, 2.0f));
            const float swirl =
                0.6f + 0.8f * streaks.At(std::atan2(dy / tilt, dx) * 6.0f, e / 18.0f);
            const float beaming = 0.6f + 0.4f * (-dx / (e + 1.0f));
            const float disc = ring * swirl * beaming * (e > hole * 1.1f ? 1.0f : 0.0f);
            Colour& pixel = canvas.At(x, y);
            const bool front = dy > 0.0f;
            if (r < hole && !front) {
                pixel = {0, 0, 0, 1};
            } else if (r < hole) {
                pixel = {0, 0, 0, 1};
                pixel = Add(pixel, Colour{1.0f, 0.45f, 0.12f}.Times(disc * 1.3f));
            } else {
                pixel = Add(pixel, Colour{1.0f, 0.42f, 0.10f}.Times(disc * 1.3f));
                pixel = Add(pixel, Colour{1.0f, 0.85f, 0.55f}.Times(std::pow(disc, 3.0f) * 0.6f));
            }
            // The thin bright ring of light bent round the hole.
            const float photon = std::exp(-std::pow((r - hole - 2.0f) / 2.2f, 2.0f));
            pixel = Add(pixel, Colour{1.0f, 0.6f, 0.3f}.Times(photon * 0.9f));
        }
    }
}

// Stars gathered toward one point, thinning outward.
void PaintCluster(Canvas& canvas, tools::Random& random, float cx, float cy) {
    for (int i = 0; i < 4200; ++i) {
        const float u = std::max(0.02f, random.UniformFloat());
        const float radius = 38.0f / std::sqrt(std::pow(u, -2.0f / 3.0f) - 1.0f + 0.02f);
        const float angle = random.RangeFloat(0.0f, 2.0f * kPi);
        const float x = cx + radius * std::cos(angle);
        const float y = cy + radius * std::sin(angle);
        const Colour tint =
            random.UniformFloat() < 0.6f ? Colour{1.0f, 0.92f, 0.75f} : Colour{1.0f, 0.75f, 0.55f};
        canvas.Splat(x, y, tint, random.RangeFloat(0.15f, 0.9f));
    }
}

// A planet filling the bottom of the picture: its rim lit from behind, its face dark.
void PaintHorizon(Canvas& canvas, float cx, float cy, float radius, const Colour& rim,
                  const Colour& surface, float litDepth, std::uint32_t seed) {
    const Noise noise(seed);
    const int top = std::max(0, static_cast<int>(cy - radius) - 140);
    for (int y = top; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x) {
            const float r = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            const float depth = radius - r; // pixels inside the rim
            Colour& pixel = canvas.At(x, y);
            if (depth < 0.0f) {
                // Atmosphere glowing above the rim.
                const float haze = std::exp(depth / 14.0f);
                pixel = Add(pixel, rim.Times(0.8f * haze));
                continue;
            }
            const float clouds = noise.Fractal(x / 150.0f, y / 40.0f, 5);
            const float lit = std::exp(-depth / litDepth);
            Colour ground = surface.Times(0.2f + 0.8f * clouds);
            ground = Colour::Mix(Colour{0.0f, 0.0f, 0.0f}, ground, 0.15f + 0.85f * lit);
            ground = Add(ground, rim.Times(std::exp(-depth / 5.0f) * 0.9f));
            const float cover = std::clamp(depth + 0.5f, 0.0f, 1.0f);
            pixel = Colour::Mix(pixel, ground, cover);
            pixel.a = 1.0f;
        }
    }
}

} // namespace

Canvas BackdropPainter::Sector(int sector) const {
    const Sky& sky = kSkies[std::clamp(sector, 1, 15) - 1];
    Canvas canvas(kWidth, kHeight, {0, 0, 0, 1});
    PaintSky(canvas, sky);
    tools::Random random(sky.seed * 7919u);
    StarField::Scatter(canvas, random, sky.stars, sky.form == Form::Void ? 0.7f : 1.0f, 0, 0,
                       kWidth, kHeight);
    const float cx = sky.cx * kWidth;
    const float cy = sky.cy * kHeight;
    if (sky.form == Form::Band) {
        // More stars crowd into the band.
        for (int i = 0; i < 1600; ++i) {
            const float along = random.RangeFloat(-700.0f, 700.0f);
            const float across =
                (random.UniformFloat() + random.UniformFloat() + random.UniformFloat() - 1.5f) *
                110.0f;
            const float x = cx + along * std::cos(sky.angle) - across * std::sin(sky.angle);
            const float y = cy + along * std::sin(sky.angle) + across * std::cos(sky.angle);
            canvas.Splat(x, y, StarField::Tint(random), random.RangeFloat(0.1f, 0.7f));
        }
    } else if (sky.form == Form::Cluster) {
        PaintCluster(canvas, random, cx, cy);
    } else if (sky.form == Form::Ring && sky.glow.b > sky.glow.r) {
        StarField::Star(canvas, cx, cy, {0.8f, 0.9f, 1.0f}, 1.0f);
    } else if (sky.form == Form::Void) {
        PaintBlackHole(canvas, cx, cy);
        // A few swollen red stars.
        for (int i = 0; i < 5; ++i) {
            StarField::Star(canvas, random.RangeFloat(40, kWidth - 40),
                            random.RangeFloat(60, kHeight - 60), {1.0f, 0.35f, 0.25f},
                            random.RangeFloat(0.5f, 0.8f));
        }
    }
    return canvas;
}

Canvas BackdropPainter::Title() const {
    Canvas canvas(kWidth, kHeight, {0, 0, 0, 1});
    Sky sky = kSkies[0];
    sky.seed = 4242;
    sky.form = Form::Swirl;
    sky.thin = {0.12f, 0.08f, 0.42f};
    sky.dense = {0.55f, 0.30f, 0.85f};
    sky.cx = 0.7f;
    sky.cy = 0.3f;
    sky.amount = 0.65f;
    PaintSky(canvas, sky);
    tools::Random random(99);
    StarField::Scatter(canvas, random, 1500, 1.0f, 0, 0, kWidth, 600);
    for (int i = 0; i < 4; ++i) {
        StarField::Star(canvas, random.RangeFloat(60, kWidth - 60), random.RangeFloat(40, 480),
                        StarField::Tint(random), random.RangeFloat(0.7f, 1.0f));
    }
    // A world below, its rim catching the light of a sun just behind it.
    PaintHorizon(canvas, 512.0f, 2050.0f, 1470.0f, {0.35f, 0.6f, 1.0f}, {0.1f, 0.2f, 0.4f}, 45.0f,
                 4343);
    canvas.Glow(700.0f, 582.0f, 260.0f, {1.0f, 0.85f, 0.6f}, 0.7f);
    StarField::Star(canvas, 700.0f, 581.0f, {1.0f, 0.95f, 0.85f}, 1.0f);

    // The player's ship racing across, with an enemy ahead.
    Canvas ship(300, 225, {0, 0, 0, 0}, 3.0f);
    ShipPainter::PlayerHull(ship);
    ShipPainter::PlayerDetail(ship);
    canvas.Glow(150.0f + 30.0f, 330.0f + 111.0f, 70.0f, {0.5f, 0.7f, 1.0f}, 0.5f);
    canvas.Draw(ship, 150, 330);
    Canvas enemy(150, 113, {0, 0, 0, 0}, 1.5f);
    ShipPainter::Enemy(enemy);
    canvas.Draw(enemy, 790, 360);

    // The name, large, in brushed steel with a cold glow.
    const std::string name = "VANTOR GAME";
    float size = 120.0f;
    while (size > 40.0f && text.Width(canvas, name, size, true, 6.0f) > 900.0f) {
        size -= 2.0f;
    }
    const float titleTop = 110.0f;
    text.DrawGlow(canvas, 512.0f, titleTop, name, size, {0.3f, 0.7f, 1.0f}, 9, 1.0f,
                  TextPainter::Align::Centre, true, 6.0f);
    text.DrawGlow(canvas, 512.0f, titleTop, name, size, {0.3f, 0.7f, 1.0f}, 3, 0.8f,
                  TextPainter::Align::Centre, true, 6.0f);
    text.Draw(canvas, 515.0f, titleTop + 4.0f, name, size, {0.0f, 0.0f, 0.05f, 0.9f},
              TextPainter::Align::Centre, true, 6.0f);
    text.DrawShaded(
        canvas, 512.0f, titleTop, name, size,
        [titleTop, size](float, float y) {
            const float t = (y - titleTop - size * 0.2f) / (size * 0.95f);
            if (t < 0.5f) {
                return Colour::Mix({1.0f, 1.0f, 1.0f}, {0.70f, 0.85f, 1.0f}, t * 2.0f);
            }
            return Colour::Mix({0.35f, 0.55f, 0.85f}, {0.75f, 0.9f, 1.0f}, (t - 0.5f) * 2.0f);
        },
        TextPainter::Align::Centre, true, 6.0f);
    text.Draw(canvas, 512.0f, titleTop + size * 1.22f, "FIFTEEN SECTORS.  ONE SHIP.", 22.0f,
              {0.7f, 0.85f, 1.0f}, TextPainter::Align::Centre, true, 5.0f);
    return canvas;
}

Canvas BackdropPainter::Victory() const {
    Canvas canvas(kWidth, kHeight, {0, 0, 0, 1});
    canvas.Paint([](float, float y) {
        const float t = y / kHeight;
        return Colour::Mix({0.02f, 0.02f, 0.08f}, {0.45f, 0.22f, 0.12f}, std::pow(t, 1.6f));
    });
    tools::Random random(2024);
    StarField::Scatter(canvas, random, 500, 0.8f, 0, 0, kWidth, 380);
    // Dawn over a saved world: the sun breaks over the rim, its rays fanning out.
    const float sunX = 512.0f;
    const float sunY = 498.0f;
    const Noise rays(555);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const float dx = x + 0.5f - sunX;
            const float dy = y + 0.5f - sunY;
            const float r = std::hypot(dx, dy);
            const float angle = std::atan2(dy, dx);
            const float ray = std::pow(rays.At(angle * 7.0f, 0.5f), 3.0f);
            const float amount = ray * 1.6f * std::exp(-r / 420.0f) * Smooth(20.0f, 80.0f, r);
            canvas.AddLight(x, y, {1.0f, 0.75f, 0.4f}, amount * 0.5f);
        }
    }
    canvas.Glow(sunX, sunY, 420.0f, {1.0f, 0.6f, 0.25f}, 0.8f);
    PaintHorizon(canvas, 512.0f, 1960.0f, 1460.0f, {1.0f, 0.7f, 0.35f}, {0.18f, 0.28f, 0.45f},
                 70.0f, 777);
    canvas.Glow(sunX, sunY, 150.0f, {1.0f, 0.9f, 0.7f}, 1.0f);
    canvas.Glow(sunX, sunY, 45.0f, {1.0f, 1.0f, 1.0f}, 1.0f);
    StarField::Star(canvas, sunX, sunY, {1.0f, 0.95f, 0.8f}, 1.0f);

    text.DrawGlow(canvas, 512.0f, 560.0f, "VICTORY", 96.0f, {1.0f, 0.7f, 0.2f}, 8, 1.0f,
                  TextPainter::Align::Centre, true, 10.0f);
    text.DrawShaded(
        canvas, 512.0f, 560.0f, "VICTORY", 96.0f,
        [](float, float y) {
            const float t = std::clamp((y - 575.0f) / 90.0f, 0.0f, 1.0f);
            return Colour::Mix({1.0f, 0.97f, 0.75f}, {0.95f, 0.6f, 0.15f}, t);
        },
        TextPainter::Align::Centre, true, 10.0f);
    text.Draw(canvas, 512.0f, 680.0f, "THE FIFTEEN SECTORS ARE SAFE", 22.0f, {1.0f, 0.9f, 0.75f},
              TextPainter::Align::Centre, true, 5.0f);
    return canvas;
}

} // namespace vantor::tools::pictures
