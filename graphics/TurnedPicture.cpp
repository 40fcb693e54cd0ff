#include "graphics/TurnedPicture.h"

#include "graphics/Canvas.h"
#include "graphics/Graphics.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace vantor::graphics {

namespace {

// Exact for the quarter turns, so that a picture turned by 0, 90, 180 or 270 degrees keeps
// its pixels whole.
void CosineAndSine(int angle, double& cosine, double& sine) {
    switch (angle) {
    case 0:
        cosine = 1.0;
        sine = 0.0;
        return;
    case 90:
        cosine = 0.0;
        sine = 1.0;
        return;
    case 180:
        cosine = -1.0;
        sine = 0.0;
        return;
    case 270:
        cosine = 0.0;
        sine = -1.0;
        return;
    default: {
        const double radians = angle * std::numbers::pi / 180.0;
        cosine = std::cos(radians);
        sine = std::sin(radians);
    }
    }
}

} // namespace

TurnedPicture::TurnedPicture(Graphics* graphics, const SDL_Surface* keyed, SDL_Point centre,
                             bool turns)
    : graphics(graphics), centre(centre) {
    SDL_Renderer* renderer = graphics != nullptr ? graphics->GetRenderTarget() : nullptr;
    if (renderer == nullptr || keyed == nullptr ||
        keyed->format->format != SDL_PIXELFORMAT_ARGB8888 || keyed->w <= 0 || keyed->h <= 0) {
        return;
    }
    width = keyed->w;
    height = keyed->h;
    pixels.resize(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        std::memcpy(&pixels[size_t(y) * size_t(width)],
                    static_cast<const Uint8*>(keyed->pixels) + size_t(y) * size_t(keyed->pitch),
                    size_t(width) * 4);
    }
    // Far enough from the centre for every corner at every angle, and a pixel more for the
    // smoothed edge.
    double farthest = 0.0;
    for (const SDL_Point corner :
         {SDL_Point{0, 0}, SDL_Point{width, 0}, SDL_Point{0, height}, SDL_Point{width, height}}) {
        farthest = std::max(farthest,
                            std::hypot(double(corner.x - centre.x), double(corner.y - centre.y)));
    }
    reach = int(std::ceil(farthest)) + 1;
    // The turned picture always fits in a square as wide as the picture's diagonal (and its
    // smoothed edge), wherever the turning centre lies.
    side = int(std::ceil(std::hypot(double(width), double(height)))) + 4;

    if (graphics->DrawsOnCanvas()) {
        uprightPixels = pixels;
        if (!uprightPicture.Take(uprightPixels.data(), width, height, width * 4)) {
            uprightPixels.clear();
            pixels.clear();
            return;
        }
    } else {
        upright = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                    width, height);
        if (upright == nullptr) {
            pixels.clear();
            return;
        }
        SDL_UpdateTexture(upright, nullptr, pixels.data(), width * 4);
        SDL_SetTextureBlendMode(upright, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(upright, SDL_ScaleModeNearest);
    }
    if (turns) {
        turnedMade = true;
        turnedReady = MakeTurnedCopies();
    }
}

TurnedPicture::~TurnedPicture() {
    for (Turned& copy : turned) {
        if (copy.texture != nullptr) {
            SDL_DestroyTexture(copy.texture);
        }
    }
    if (upright != nullptr) {
        SDL_DestroyTexture(upright);
    }
}

void TurnedPicture::Draw(int angle, float x, float y) {
    if (!Ready()) {
        return;
    }
    ++draws;
    const int turn = ((angle % 360) + 360) % 360;
    if (turn == 0) {
        DrawPart(upright, uprightPicture, SDL_Rect{0, 0, width, height}, x, y);
        return;
    }
    Turned* copy = TurnedTo(turn);
    if (copy == nullptr || copy->area.w <= 0 || copy->area.h <= 0) {
        return;
    }
    DrawPart(copy->texture, copy->picture, copy->area, x + float(centre.x - reach + copy->areaX),
             y + float(centre.y - reach + copy->areaY));
}

void TurnedPicture::DrawPart(SDL_Texture* texture, const CanvasPicture& picture, SDL_Rect part,
                             float x, float y) {
    if (Canvas* canvas = graphics->CanvasToDraw()) {
        canvas->Draw(picture, part, Canvas::Whole(x), Canvas::Whole(y));
        return;
    }
    const SDL_FRect dest = {x, y, float(part.w), float(part.h)};
    SDL_RenderCopyF(graphics->GetRenderTarget(), texture, &part, &dest);
}

TurnedPicture::Turned* TurnedPicture::TurnedTo(int angle) {
    if (!turnedMade) {
        turnedMade = true;
        turnedReady = MakeTurnedCopies();
    }
    if (!turnedReady) {
        return nullptr;
    }
    Turned* oldest = &turned[0];
    for (Turned& copy : turned) {
        if (copy.angle == angle) {
            copy.lastUse = draws;
            return &copy;
        }
        if (copy.lastUse < oldest->lastUse) {
            oldest = &copy;
        }
    }
    Turn(angle, *oldest);
    oldest->lastUse = draws;
    return oldest;
}

bool TurnedPicture::MakeTurnedCopies() {
    for (Turned& copy : turned) {
        if (graphics->DrawsOnCanvas()) {
            // The canvas refers to the whole square once; a turn fills its top-left corner, and
            // only that part is drawn, so turning to a new angle allocates nothing.
            copy.pixels.assign(size_t(side) * size_t(side), 0);
            if (!copy.picture.Refer(copy.pixels.data(), side, side, side * 4, false)) {
                return false;
            }
            continue;
        }
        copy.texture = SDL_CreateTexture(graphics->GetRenderTarget(), SDL_PIXELFORMAT_ARGB8888,
                                         SDL_TEXTUREACCESS_STREAMING, side, side);
        if (copy.texture == nullptr) {
            return false;
        }
        SDL_SetTextureBlendMode(copy.texture, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(copy.texture, SDL_ScaleModeNearest);
    }
    return true;
}

void TurnedPicture::Turn(int angle, Turned& into) {
    ++turns;
    into.angle = angle;
    into.area = SDL_Rect{0, 0, 0, 0};
    double cosine = 0.0;
    double sine = 0.0;
    CosineAndSine(angle, cosine, sine);
    // Where the turned picture lies: the box about its turned corners, a pixel wider for the
    // smoothing, in a square 2 * reach wide with the turning centre in its middle. That box is
    // what the texture holds, from its top-left corner.
    const int span = 2 * reach;
    double left = span;
    double top = span;
    double right = 0.0;
    double bottom = 0.0;
    for (const SDL_Point corner :
         {SDL_Point{0, 0}, SDL_Point{width, 0}, SDL_Point{0, height}, SDL_Point{width, height}}) {
        const double dx = corner.x - centre.x;
        const double dy = corner.y - centre.y;
        const double tx = reach + cosine * dx - sine * dy;
        const double ty = reach + sine * dx + cosine * dy;
        left = std::min(left, tx);
        right = std::max(right, tx);
        top = std::min(top, ty);
        bottom = std::max(bottom, ty);
    }
    const bool quarterTurn = angle % 90 == 0;
    const int pad = quarterTurn ? 0 : 1;
    const int x0 = std::clamp(int(std::floor(left)) - pad, 0, span);
    const int y0 = std::clamp(int(std::floor(top)) - pad, 0, span);
    const int x1 = std::clamp(int(std::ceil(right)) + pad, x0, std::min(span, x0 + side));
    const int y1 = std::clamp(int(std::ceil(bottom)) + pad, y0, std::min(span, y0 + side));
    if (x1 <= x0 || y1 <= y0) {
        return;
    }
    const SDL_Rect box = {0, 0, x1 - x0, y1 - y0};
    void* locked = nullptr;
    int pitch = 0;
    if (into.texture == nullptr) {
        locked = into.pixels.data();
        pitch = side * 4;
    } else if (SDL_LockTexture(into.texture, &box, &locked, &pitch) != 0) {
        return;
    }

    // Each texture pixel's middle is turned back onto the picture and read there between its
    // four nearest pixels, weighted by their alpha so that the clear background lends them
    // none of its colour. Outside the picture everything is clear.
    auto at = [this](int px, int py) -> Uint32 {
        if (px < 0 || py < 0 || px >= width || py >= height) {
            return 0;
        }
        return pixels[size_t(py) * size_t(width) + size_t(px)];
    };
    for (int j = y0; j < y1; ++j) {
        Uint32* row =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(locked) + size_t(j - y0) * size_t(pitch));
        const double qy = j + 0.5 - reach;
        for (int i = x0; i < x1; ++i) {
            const double qx = i + 0.5 - reach;
            // The picture position whose middle lands here, in pixel-corner coordinates.
            const double u = centre.x + cosine * qx + sine * qy - 0.5;
            const double v = centre.y - sine * qx + cosine * qy - 0.5;
            const double fu = std::floor(u);
            const double fv = std::floor(v);
            const int px = int(fu);
            const int py = int(fv);
            if (px < -1 || py < -1 || px >= width || py >= height) {
                row[i - x0] = 0;
                continue;
            }
            // Weights in 1/256ths; a quarter turn lands on whole pixels and copies them.
            const int wx = int((u - fu) * 256.0 + 0.5);
            const int wy = int((v - fv) * 256.0 + 0.5);
            const Uint32 samples[4] = {at(px, py), at(px + 1, py), at(px, py + 1),
                                       at(px + 1, py + 1)};
            const int weights[4] = {(256 - wx) * (256 - wy), wx * (256 - wy), (256 - wx) * wy,
                                    wx * wy};
            Uint64 alpha = 0;
            Uint64 red = 0;
            Uint64 green = 0;
            Uint64 blue = 0;
            for (int k = 0; k < 4; ++k) {
                const Uint64 a = Uint64(weights[k]) * (samples[k] >> 24);
                alpha += a;
                red += a * ((samples[k] >> 16) & 0xFF);
                green += a * ((samples[k] >> 8) & 0xFF);
                blue += a * (samples[k] & 0xFF);
            }
            if (alpha == 0) {
                row[i - x0] = 0;
                continue;
            }
            const Uint32 outAlpha = Uint32((alpha + 32768) >> 16);
            const Uint32 outRed = Uint32((red + alpha / 2) / alpha);
            const Uint32 outGreen = Uint32((green + alpha / 2) / alpha);
            const Uint32 outBlue = Uint32((blue + alpha / 2) / alpha);
            row[i - x0] = outAlpha << 24 | outRed << 16 | outGreen << 8 | outBlue;
        }
    }
    if (into.texture != nullptr) {
        SDL_UnlockTexture(into.texture);
    } else {
        CanvasPicture::Premultiply(into.pixels.data(), box.w, box.h, pitch);
    }
    into.area = box;
    into.areaX = x0;
    into.areaY = y0;
}

} // namespace vantor::graphics
