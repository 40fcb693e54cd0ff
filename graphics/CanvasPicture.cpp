#include "graphics/CanvasPicture.h"

#include <pixman.h>

namespace vantor::graphics {

CanvasPicture::~CanvasPicture() {
    Release();
}

void CanvasPicture::Release() {
    if (image != nullptr) {
        pixman_image_unref(image);
        image = nullptr;
    }
    width = 0;
    height = 0;
    opaque = false;
    mask = false;
}

bool CanvasPicture::Take(Uint32* pixels, int pictureWidth, int pictureHeight, int pitch) {
    if (pixels == nullptr || pictureWidth <= 0 || pictureHeight <= 0) {
        Release();
        return false;
    }
    const bool allOpaque = Premultiply(pixels, pictureWidth, pictureHeight, pitch);
    return Refer(pixels, pictureWidth, pictureHeight, pitch, allOpaque);
}

bool CanvasPicture::Refer(Uint32* pixels, int pictureWidth, int pictureHeight, int pitch,
                          bool allOpaque) {
    if (!Wrap(PIXMAN_a8r8g8b8, pixels, pictureWidth, pictureHeight, pitch)) {
        return false;
    }
    opaque = allOpaque;
    return true;
}

bool CanvasPicture::ReferMask(Uint8* alpha, int maskWidth, int maskHeight, int pitch) {
    if (!Wrap(PIXMAN_a8, alpha, maskWidth, maskHeight, pitch)) {
        return false;
    }
    mask = true;
    return true;
}

bool CanvasPicture::Wrap(int format, void* pixels, int pictureWidth, int pictureHeight, int pitch) {
    Release();
    // pixman's rows are whole 32-bit words.
    if (pixels == nullptr || pictureWidth <= 0 || pictureHeight <= 0 || pitch % 4 != 0) {
        return false;
    }
    image = pixman_image_create_bits_no_clear(pixman_format_code_t(format), pictureWidth,
                                              pictureHeight, static_cast<uint32_t*>(pixels), pitch);
    if (image == nullptr) {
        return false;
    }
    width = pictureWidth;
    height = pictureHeight;
    return true;
}

} // namespace vantor::graphics
