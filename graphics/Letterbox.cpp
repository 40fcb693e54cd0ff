#include "graphics/Letterbox.h"

#include "graphics/Graphics.h"

#include <cmath>
#include <cstdint>

namespace vantor::graphics {

namespace {

// The nearest of the pixels 0 to size - 1; a point that is not a number at all counts as 0.
int ClampToPixel(double value, int size) {
    if (!(value > 0)) {
        return 0;
    }
    return value >= size - 1 ? size - 1 : static_cast<int>(value);
}

} // namespace

SDL_Rect Letterbox::Fit(int outputWidth, int outputHeight) {
    if (outputWidth <= 0 || outputHeight <= 0) {
        return SDL_Rect{0, 0, 0, 0};
    }
    const int64_t w = outputWidth;
    const int64_t h = outputHeight;
    int64_t fitWidth = w;
    int64_t fitHeight = h;
    if (w * Graphics::Height >= h * Graphics::Width) {
        // Wider than 4:3: the picture fills the height, bars left and right.
        fitWidth = h * Graphics::Width / Graphics::Height;
    } else {
        // Taller than 4:3: the picture fills the width, bars above and below.
        fitHeight = w * Graphics::Height / Graphics::Width;
    }
    return SDL_Rect{static_cast<int>((w - fitWidth) / 2), static_cast<int>((h - fitHeight) / 2),
                    static_cast<int>(fitWidth), static_cast<int>(fitHeight)};
}

bool Letterbox::ToGame(const SDL_Rect& box, float outputX, float outputY, int& gameX, int& gameY) {
    if (box.w <= 0 || box.h <= 0) {
        gameX = 0;
        gameY = 0;
        return false;
    }
    const double x = std::floor((outputX - box.x) * static_cast<double>(Graphics::Width) / box.w);
    const double y = std::floor((outputY - box.y) * static_cast<double>(Graphics::Height) / box.h);
    const bool inside = x >= 0 && x < Graphics::Width && y >= 0 && y < Graphics::Height;
    gameX = ClampToPixel(x, Graphics::Width);
    gameY = ClampToPixel(y, Graphics::Height);
    return inside;
}

} // namespace vantor::graphics
