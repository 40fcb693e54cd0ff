#include "tools/pictures/Canvas.h"

#include <algorithm>
#include <cmath>

namespace vantor::tools::pictures {

namespace {

// Calls visit(x, y, d) for every pixel whose centre lies inside the circle of the radius
// (units) around (cx, cy), d being the centre's distance from it as a fraction of the radius.
template <typename Visit>
void ForEachPixelInDisc(const Canvas& canvas, float cx, float cy, float radius, Visit visit) {
    const float unit = canvas.unit;
    const int x0 = std::max(0, static_cast<int>((cx - radius) * unit));
    const int y0 = std::max(0, static_cast<int>((cy - radius) * unit));
    const int x1 = std::min(canvas.width - 1, static_cast<int>((cx + radius) * unit) + 1);
    const int y1 = std::min(canvas.height - 1, static_cast<int>((cy + radius) * unit) + 1);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float d = std::hypot((x + 0.5f) / unit - cx, (y + 0.5f) / unit - cy) / radius;
            if (d < 1.0f) {
                visit(x, y, d);
            }
        }
    }
}

} // namespace

Canvas::Canvas(int width, int height, Colour fill, float unit)
    : width(width), height(height), unit(unit),
      pixels(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::Blend(int x, int y, const Colour& c, float coverage) {
    const float sa = std::clamp(c.a * coverage, 0.0f, 1.0f);
    if (sa <= 0.0f || !Inside(x, y)) {
        return;
    }
    Colour& d = At(x, y);
    const float keep = d.a * (1.0f - sa);
    const float outA = sa + keep;
    d.r = (c.r * sa + d.r * keep) / outA;
    d.g = (c.g * sa + d.g * keep) / outA;
    d.b = (c.b * sa + d.b * keep) / outA;
    d.a = outA;
}

void Canvas::AddLight(int x, int y, const Colour& c, float amount) {
    if (amount <= 0.0f || !Inside(x, y)) {
        return;
    }
    Colour& d = At(x, y);
    const float r = d.r * d.a + c.r * amount;
    const float g = d.g * d.a + c.g * amount;
    const float b = d.b * d.a + c.b * amount;
    const float a = std::min(1.0f, d.a + amount * std::max({c.r, c.g, c.b}));
    if (a <= 0.0f) {
        return;
    }
    d = {r / a, g / a, b / a, a};
}

void Canvas::Paint(const Shader& shader) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            At(x, y) = shader((x + 0.5f) / unit, (y + 0.5f) / unit);
        }
    }
}

void Canvas::Fill(const Shape& shape, const Colour& colour) {
    Fill(shape, [&colour](float, float) { return colour; });
}

void Canvas::Fill(const Shape& shape, const Shader& shader) {
    const int x0 = std::max(0, static_cast<int>(std::floor(shape.left * unit)) - 1);
    const int y0 = std::max(0, static_cast<int>(std::floor(shape.top * unit)) - 1);
    const int x1 = std::min(width - 1, static_cast<int>(std::ceil(shape.right * unit)) + 1);
    const int y1 = std::min(height - 1, static_cast<int>(std::ceil(shape.bottom * unit)) + 1);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float ux = (x + 0.5f) / unit;
            const float uy = (y + 0.5f) / unit;
            const float coverage = std::clamp(0.5f - shape.distance(ux, uy) * unit, 0.0f, 1.0f);
            if (coverage > 0.0f) {
                Blend(x, y, shader(ux, uy), coverage);
            }
        }
    }
}

void Canvas::Glow(float cx, float cy, float radius, const Colour& colour, float strength) {
    ForEachPixelInDisc(*this, cx, cy, radius, [&](int x, int y, float d) {
        const float falloff = (1.0f - d) * (1.0f - d);
        AddLight(x, y, colour, strength * falloff * falloff);
    });
}

void Canvas::Haze(float cx, float cy, float radius, const Colour& colour) {
    ForEachPixelInDisc(*this, cx, cy, radius, [&](int x, int y, float d) {
        Blend(x, y, colour, (1.0f - d) * (1.0f - d));
    });
}

void Canvas::Splat(float x, float y, const Colour& colour, float amount) {
    const float px = x * unit - 0.5f;
    const float py = y * unit - 0.5f;
    const int ix = static_cast<int>(std::floor(px));
    const int iy = static_cast<int>(std::floor(py));
    const float fx = px - ix;
    const float fy = py - iy;
    AddLight(ix, iy, colour, amount * (1 - fx) * (1 - fy));
    AddLight(ix + 1, iy, colour, amount * fx * (1 - fy));
    AddLight(ix, iy + 1, colour, amount * (1 - fx) * fy);
    AddLight(ix + 1, iy + 1, colour, amount * fx * fy);
}

void Canvas::Draw(const Canvas& src, int x, int y, float opacity) {
    for (int sy = 0; sy < src.height; ++sy) {
        for (int sx = 0; sx < src.width; ++sx) {
            Blend(x + sx, y + sy, src.At(sx, sy), opacity);
        }
    }
}

void Canvas::DrawMask(const Canvas& src, int x, int y, const Colour& colour) {
    for (int sy = 0; sy < src.height; ++sy) {
        for (int sx = 0; sx < src.width; ++sx) {
            Blend(x + sx, y + sy, colour, src.At(sx, sy).a);
        }
    }
}

Canvas Canvas::Downsampled(int factor) const {
    Canvas out(width / factor, height / factor, {0, 0, 0, 0}, unit / factor);
    const float count = static_cast<float>(factor * factor);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            float r = 0, g = 0, b = 0, a = 0;
            for (int j = 0; j < factor; ++j) {
                for (int i = 0; i < factor; ++i) {
                    const Colour& c = At(x * factor + i, y * factor + j);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            }
            if (a > 0.0f) {
                out.At(x, y) = {r / a, g / a, b / a, a / count};
            }
        }
    }
    return out;
}

Canvas Canvas::Blurred(int radius) const {
    // Premultiplied box blur, twice in each direction, which is close to a gaussian.
    std::vector<Colour> a(pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const Colour& c = pixels[i];
        a[i] = {c.r * c.a, c.g * c.a, c.b * c.a, c.a};
    }
    std::vector<Colour> b(a.size());
    const float scale = 1.0f / (2 * radius + 1);
    auto pass = [&](const std::vector<Colour>& from, std::vector<Colour>& to, bool across) {
        const int lines = across ? height : width;
        const int length = across ? width : height;
        for (int line = 0; line < lines; ++line) {
            auto index = [&](int k) {
                k = std::clamp(k, 0, length - 1);
                return across ? static_cast<std::size_t>(line) * width + k
                              : static_cast<std::size_t>(k) * width + line;
            };
            Colour sum{0, 0, 0, 0};
            for (int k = -radius; k <= radius; ++k) {
                const Colour& c = from[index(k)];
                sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, sum.a + c.a};
            }
            for (int k = 0; k < length; ++k) {
                to[index(k)] = {sum.r * scale, sum.g * scale, sum.b * scale, sum.a * scale};
                const Colour& add = from[index(k + radius + 1)];
                const Colour& drop = from[index(k - radius)];
                sum = {sum.r + add.r - drop.r, sum.g + add.g - drop.g, sum.b + add.b - drop.b,
                       sum.a + add.a - drop.a};
            }
        }
    };
    pass(a, b, true);
    pass(b, a, false);
    pass(a, b, true);
    pass(b, a, false);
    Canvas out(width, height, {0, 0, 0, 0}, unit);
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Colour& c = a[i];
        if (c.a > 1e-6f) {
            out.pixels[i] = {c.r / c.a, c.g / c.a, c.b / c.a, std::min(1.0f, c.a)};
        }
    }
    return out;
}

Canvas Canvas::Cropped(int x, int y, int w, int h) const {
    Canvas out(w, h, {0, 0, 0, 0}, unit);
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            if (Inside(x + i, y + j)) {
                out.At(i, j) = At(x + i, y + j);
            }
        }
    }
    return out;
}

} // namespace vantor::tools::pictures
