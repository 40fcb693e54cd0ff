#include "graphics/Canvas.h"

#include <pixman.h>

#include <algorithm>

namespace vantor::graphics {

Canvas::Canvas(SDL_Surface* target) : picture(target) {
    if (picture == nullptr || picture->format->format != SDL_PIXELFORMAT_ARGB8888 ||
        SDL_MUSTLOCK(picture)) {
        return;
    }
    image =
        pixman_image_create_bits_no_clear(PIXMAN_a8r8g8b8, picture->w, picture->h,
                                          static_cast<uint32_t*>(picture->pixels), picture->pitch);
    // A one-pixel picture repeated without end is what pixman takes for a solid colour.
    solid = pixman_image_create_bits_no_clear(PIXMAN_a8r8g8b8, 1, 1, &solidPixel, 4);
    if (solid != nullptr) {
        pixman_image_set_repeat(solid, PIXMAN_REPEAT_NORMAL);
    }
}

Canvas::~Canvas() {
    if (solid != nullptr) {
        pixman_image_unref(solid);
    }
    if (image != nullptr) {
        pixman_image_unref(image);
    }
}

namespace {

// The part of the picture that lies on it, moving the destination along with what is cut off
// at the left and the top; false when nothing is left.
bool ClipToSource(const CanvasPicture& source, SDL_Rect& part, int& x, int& y) {
    if (part.x < 0) {
        x -= part.x;
        part.w += part.x;
        part.x = 0;
    }
    if (part.y < 0) {
        y -= part.y;
        part.h += part.y;
        part.y = 0;
    }
    part.w = std::min(part.w, source.Width() - part.x);
    part.h = std::min(part.h, source.Height() - part.y);
    return part.w > 0 && part.h > 0;
}

} // namespace

void Canvas::Draw(const CanvasPicture& source, SDL_Rect part, int x, int y) {
    if (!Ready() || !source.Ready() || source.IsMask() || !ClipToSource(source, part, x, y)) {
        return;
    }
    // pixman cuts the rectangle to the destination by itself.
    pixman_image_composite32(source.Opaque() ? PIXMAN_OP_SRC : PIXMAN_OP_OVER, source.Image(),
                             nullptr, image, part.x, part.y, 0, 0, x, y, part.w, part.h);
}

void Canvas::DrawMask(const CanvasPicture& mask, SDL_Rect part, int x, int y, SDL_Color colour) {
    if (!Ready() || !mask.Ready() || !mask.IsMask() || !ClipToSource(mask, part, x, y)) {
        return;
    }
    solidPixel = 0xFF000000u | Uint32(colour.r) << 16 | Uint32(colour.g) << 8 | colour.b;
    pixman_image_composite32(PIXMAN_OP_OVER, solid, mask.Image(), image, 0, 0, part.x, part.y, x, y,
                             part.w, part.h);
}

} // namespace vantor::graphics
