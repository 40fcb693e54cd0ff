// A build without pixman has no canvas: Graphics never makes one, and SDL's software renderer
// draws every picture. A canvas or a picture for it can then never be made ready.
#include "graphics/Canvas.h"

namespace vantor::graphics {

Canvas::Canvas(SDL_Surface* target) : picture(target) {}

Canvas::~Canvas() = default;

void Canvas::Draw(const CanvasPicture&, SDL_Rect, int, int) {}

void Canvas::DrawMask(const CanvasPicture&, SDL_Rect, int, int, SDL_Color) {}

CanvasPicture::~CanvasPicture() = default;

void CanvasPicture::Release() {}

bool CanvasPicture::Take(Uint32*, int, int, int) {
    return false;
}

bool CanvasPicture::Refer(Uint32*, int, int, int, bool) {
    return false;
}

bool CanvasPicture::ReferMask(Uint8*, int, int, int) {
    return false;
}

} // namespace vantor::graphics
