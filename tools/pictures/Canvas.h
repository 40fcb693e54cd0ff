#pragma once

#include "tools/pictures/Colour.h"
#include "tools/pictures/Shape.h"

#include <functional>
#include <vector>

namespace vantor::tools::pictures {

// A picture being drawn: straight RGBA float pixels, with shapes given in drawing units
// (unit pixels per unit), so small sprites can be drawn large and then scaled down.
class Canvas {
public:
    using Shader = std::function<Colour(float x, float y)>;

    Canvas(int width, int height, Colour fill = {0, 0, 0, 0}, float unit = 1.0f);

    int width;
    int height;
    float unit;
    std::vector<Colour> pixels;

    Colour& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Colour& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    // Lays c over the pixel with c's alpha times coverage.
    void Blend(int x, int y, const Colour& c, float coverage = 1.0f);
    // Adds light to the pixel: brighter where opaque, and more opaque where transparent.
    void AddLight(int x, int y, const Colour& c, float amount);

    // Sets every pixel from a function of its centre (in units).
    void Paint(const Shader& shader);
    void Fill(const Shape& shape, const Colour& colour);
    void Fill(const Shape& shape, const Shader& shader);
    // A soft round light, strongest at the centre and gone at radius (units).
    void Glow(float cx, float cy, float radius, const Colour& colour, float strength = 1.0f);
    // A soft round veil of colour laid over (not added), fading out at radius.
    void Haze(float cx, float cy, float radius, const Colour& colour);
    // A point of light at a fractional pixel position, spread over its four pixels.
    void Splat(float x, float y, const Colour& colour, float amount);

    // Lays src over this canvas with its top-left at pixel (x, y).
    void Draw(const Canvas& src, int x, int y, float opacity = 1.0f);
    // Uses src's alpha as a mask for the colour.
    void DrawMask(const Canvas& src, int x, int y, const Colour& colour);

    Canvas Downsampled(int factor) const;
    Canvas Blurred(int radius) const;
    Canvas Cropped(int x, int y, int w, int h) const;
};

} // namespace vantor::tools::pictures
