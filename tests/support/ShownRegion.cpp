#include "support/ShownRegion.h"

#include "graphics/Graphics.h"
#include "support/PictureFile.h"

#include <cstdlib>

namespace vantor::test {

bool ShownRegion::Near(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int ca = int((a >> shift) & 0xFF);
        const int cb = int((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > tolerance) {
            return false;
        }
    }
    return true;
}

bool ShownRegion::Keyed(uint32_t pixel) const {
    if (!key) {
        return false;
    }
    const int limit = 178; // 0.7 of 255
    return std::abs(int((pixel >> 16) & 0xFF) - int(key->r * 255)) <= limit &&
           std::abs(int((pixel >> 8) & 0xFF) - int(key->g * 255)) <= limit &&
           std::abs(int(pixel & 0xFF) - int(key->b * 255)) <= limit;
}

double ShownRegion::Share(Graphics& graphics, const PictureFile& picture, int& solid) const {
    solid = 0;
    int same = 0;
    for (int py = sy; py < sy + h && py < picture.Height(); py += step) {
        for (int px = sx; px < sx + w && px < picture.Width(); px += step) {
            const uint32_t expected = picture.At(px, py);
            if (int(expected >> 24) < minAlpha || Keyed(expected)) {
                continue;
            }
            const int screenX = x + px - sx;
            const int screenY = y + py - sy;
            if (screenX < 0 || screenY < 0 || screenX >= Graphics::Width ||
                screenY >= Graphics::Height) {
                continue;
            }
            ++solid;
            same += Near(graphics.ReadPixel(screenX, screenY), expected, tolerance);
        }
    }
    return solid > 0 ? double(same) / solid : 0.0;
}

} // namespace vantor::test
