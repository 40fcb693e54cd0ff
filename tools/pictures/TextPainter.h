#pragma once

#include "tools/pictures/Canvas.h"

#include <map>
#include <string>
#include <utility>

struct _TTF_Font;

namespace vantor::tools::pictures {

// Bakes text into pictures with a sans-serif font that fontconfig finds on the system.
class TextPainter {
public:
    enum class Align { Left, Centre, Right };

    TextPainter() = default;
    ~TextPainter();
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    // Finds the fonts and starts the rasteriser; prints why and returns false when it cannot.
    bool Open();

    // The text in white, with coverage as alpha, size pixels high, letters spread by tracking
    // pixels.
    Canvas Render(const std::string& text, int size, bool bold, int tracking = 0);

    // Width in the canvas's units of text drawn at size units.
    float Width(const Canvas& canvas, const std::string& text, float size, bool bold = true,
                float tracking = 0.0f);

    // Draws text with its top at y and its left edge, centre or right edge at x (units).
    void Draw(Canvas& canvas, float x, float y, const std::string& text, float size,
              const Colour& colour, Align align = Align::Left, bool bold = true,
              float tracking = 0.0f);
    // The same, coloured per pixel by shader (called with unit positions).
    void DrawShaded(Canvas& canvas, float x, float y, const std::string& text, float size,
                    const Canvas::Shader& shader, Align align = Align::Left, bool bold = true,
                    float tracking = 0.0f);

    // A soft halo of colour around where the text would be drawn, blurred by radius pixels.
    void DrawGlow(Canvas& canvas, float x, float y, const std::string& text, float size,
                  const Colour& colour, int radius, float opacity, Align align = Align::Left,
                  bool bold = true, float tracking = 0.0f);

private:
    _TTF_Font* Font(int size, bool bold);
    int Place(const Canvas& canvas, float x, const std::string& text, float size, Align align,
              bool bold, float tracking);

    std::string regularPath;
    std::string boldPath;
    bool started = false;
    std::map<std::pair<int, bool>, _TTF_Font*> fonts;
};

} // namespace vantor::tools::pictures
