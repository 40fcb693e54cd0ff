#pragma once

#include <SDL.h>

union pixman_image;

namespace vantor::graphics {

// A picture as the processor draws it onto the game picture (Canvas.h): premultiplied ARGB8888
// pixels, or alpha alone (a mask, drawn in one colour). The pixels belong to the owner of the
// picture (a texture it keeps locked, or a buffer of its own), which keeps them in place for as
// long as the picture refers to them.
class CanvasPicture {
public:
    CanvasPicture() = default;
    ~CanvasPicture();
    CanvasPicture(const CanvasPicture&) = delete;
    CanvasPicture& operator=(const CanvasPicture&) = delete;

    // Turns straight-alpha ARGB8888 pixels into premultiplied ones in place and refers to them.
    // False, referring to nothing, for an empty picture.
    bool Take(Uint32* pixels, int width, int height, int pitch);
    // Refers to pixels that are premultiplied already; opaque when every alpha is 255.
    bool Refer(Uint32* pixels, int width, int height, int pitch, bool opaque);
    // Refers to one byte of alpha a pixel.
    bool ReferMask(Uint8* alpha, int width, int height, int pitch);
    // Refers to nothing any more.
    void Release();

    bool Ready() const { return image != nullptr; }
    bool Opaque() const { return opaque; }
    bool IsMask() const { return mask; }
    int Width() const { return width; }
    int Height() const { return height; }
    pixman_image* Image() const { return image; }

    // Premultiplies straight-alpha pixels in place; true when every pixel is fully opaque (and
    // so left as it was).
    static bool Premultiply(Uint32* pixels, int width, int height, int pitch) {
        bool allOpaque = true;
        for (int y = 0; y < height; ++y) {
            auto* row = reinterpret_cast<Uint32*>(reinterpret_cast<Uint8*>(pixels) +
                                                  size_t(y) * size_t(pitch));
            for (int x = 0; x < width; ++x) {
                if (row[x] < 0xFF000000u) {
                    allOpaque = false;
                    row[x] = Premultiplied(row[x]);
                }
            }
        }
        return allOpaque;
    }
    // One straight-alpha pixel premultiplied, each channel rounded to the nearest value.
    static Uint32 Premultiplied(Uint32 pixel) {
        const Uint32 alpha = pixel >> 24;
        if (alpha == 255) {
            return pixel;
        }
        auto scale = [alpha](Uint32 channel) {
            const Uint32 product = channel * alpha + 128;
            return (product + (product >> 8)) >> 8;
        };
        return alpha << 24 | scale((pixel >> 16) & 0xFF) << 16 | scale((pixel >> 8) & 0xFF) << 8 |
               scale(pixel & 0xFF);
    }

private:
    // Refers to the pixels in pixman's format (a pixman_format_code_t).
    bool Wrap(int format, void* pixels, int width, int height, int pitch);

    pixman_image* image = nullptr;
    int width = 0;
    int height = 0;
    bool opaque = false;
    bool mask = false;
};

} // namespace vantor::graphics
