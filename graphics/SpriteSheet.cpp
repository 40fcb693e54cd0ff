#include "graphics/SpriteSheet.h"

#include "graphics/Canvas.h"
#include "graphics/ChromaKey.h"
#include "graphics/ImageErrorReporter.h"
#include "graphics/ImageHeader.h"
#include "graphics/PictureLoader.h"

#include <algorithm>
#include <cstring>
#include <vector>

using vantor::graphics::Canvas;
using vantor::graphics::CanvasPicture;
using vantor::graphics::ChromaKey;
using vantor::graphics::ImageHeader;
using vantor::graphics::KeyColour;
using vantor::graphics::PictureLoader;
using vantor::graphics::ReportImageError;
using vantor::graphics::TurnedPicture;

namespace {

// Every rotation turns about this point, measured from the picture's top-left corner, whatever
// the picture's size: it is the middle of the game's 100 by 74 ships.
constexpr SDL_Point RotationCentre = {50, 37};

// A picture's texture, drawn pixel for pixel (whole and cell draws never scale).
SDL_Texture* MakeTexture(SDL_Renderer* renderer, SDL_Surface* pixels, SDL_BlendMode blendMode) {
    SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_STATIC, pixels->w, pixels->h);
    if (texture == nullptr) {
        return nullptr;
    }
    SDL_UpdateTexture(texture, nullptr, pixels->pixels, pixels->pitch);
    SDL_SetTextureBlendMode(texture, blendMode);
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
    return texture;
}

// True when every pixel of the ARGB8888 picture is fully opaque.
bool IsOpaque(const SDL_Surface* pixels) {
    for (int y = 0; y < pixels->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(pixels->pixels) + size_t(y) * size_t(pixels->pitch));
        Uint32 all = 0xFF000000u;
        for (int x = 0; x < pixels->w; ++x) {
            all &= row[x];
        }
        if ((all & 0xFF000000u) != 0xFF000000u) {
            return false;
        }
    }
    return true;
}

void Destroy(SDL_Texture*& texture) {
    if (texture != nullptr) {
        SDL_DestroyTexture(texture);
        texture = nullptr;
    }
}

void Destroy(TurnedPicture*& picture) {
    delete picture;
    picture = nullptr;
}

// Every picture is turned into ARGB in the same memory, which stays from one picture to the
// next: a level's loading then makes no big block per picture besides its textures.
std::vector<Uint32>& Scratch(size_t pixels) {
    static std::vector<Uint32> scratch;
    scratch.resize(std::max(scratch.size(), pixels));
    return scratch;
}

// A texture of the size the picture file's header gives, for the picture to be turned into once
// decoded; null when the header cannot be read (the decoding then reports why).
SDL_Texture* TextureForHeader(SDL_Renderer* renderer, const char* fileName) {
    SDL_RWops* file = SDL_RWFromFile(fileName, "rb");
    if (file == nullptr) {
        return nullptr;
    }
    long long width = 0;
    long long height = 0;
    const ImageHeader::Format format = ImageHeader::Detect(file);
    const bool sized = format != ImageHeader::Format::Unknown &&
                       ImageHeader::ReadSize(file, format, width, height) && width > 0 &&
                       height > 0 && width < ImageHeader::MaxSide && height < ImageHeader::MaxSide;
    SDL_RWclose(file);
    if (!sized) {
        return nullptr;
    }
    return SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                             int(width), int(height));
}

// The keyed copy of the ARGB8888 pixels, turned as drawn; null when it cannot be made.
TurnedPicture* MakeKeyed(Graphics* graphics, SDL_Surface* pixels, KeyColour key, bool turns) {
    ChromaKey::Apply(pixels, key.r, key.g, key.b);
    auto* keyed = new TurnedPicture(graphics, pixels, RotationCentre, turns);
    if (!keyed->Ready()) {
        Destroy(keyed);
    }
    return keyed;
}

} // namespace

SpriteSheet::SpriteSheet(const char* fileName, Graphics* graphics, KeyColour key, Drawing drawing)
    : graphics(graphics) {
    ++live;
    LoadPicture(fileName, key, drawing, bitmap, bitmapPicture, keyEffect, bitmapSize);
    cellWidth = bitmapSize.w;
    cellHeight = bitmapSize.h;
    columns = 1;
}

SpriteSheet::SpriteSheet(const char* fileName, Graphics* graphics, int cellWidth, int cellHeight,
                         KeyColour key, Drawing drawing)
    : SpriteSheet(fileName, graphics, key, drawing) {
    this->cellWidth = cellWidth;
    this->cellHeight = cellHeight;
    // The row length follows the game picture's width, not the file's.
    columns = cellWidth > 0 ? Graphics::Width / cellWidth : 0;
}

SpriteSheet::SpriteSheet(const char* baseFileName, const char* detailFileName, Graphics* graphics,
                         KeyColour key)
    : graphics(graphics) {
    ++live;
    LoadPicture(baseFileName, key, Drawing::AlsoRotated, baseBitmap, basePicture, baseKeyEffect,
                baseSize);
    LoadPicture(detailFileName, key, Drawing::AlsoRotated, detailBitmap, detailPicture,
                detailKeyEffect, detailSize);
}

SpriteSheet::~SpriteSheet() {
    --live;
    // The canvas pictures refer to the textures' pixels.
    bitmapPicture.Release();
    basePicture.Release();
    detailPicture.Release();
    Destroy(bitmap);
    Destroy(baseBitmap);
    Destroy(detailBitmap);
    Destroy(detailKeyEffect);
    Destroy(baseKeyEffect);
    Destroy(keyEffect);
}

void SpriteSheet::LoadPicture(const char* fileName, KeyColour key, Drawing drawing,
                              SDL_Texture*& picture, CanvasPicture& canvasPicture,
                              TurnedPicture*& keyedPicture, SDL_Rect& size) {
    picture = nullptr;
    keyedPicture = nullptr;
    size = SDL_Rect{0, 0, 0, 0};
    SDL_Renderer* renderer = graphics != nullptr ? graphics->GetRenderTarget() : nullptr;
    if (renderer != nullptr && graphics->DrawsOnCanvas()) {
        // The texture is made before the picture is decoded, so that the decoded pixels are
        // still at hand in the processor's cache when they are turned into the texture's.
        SDL_Texture* early = TextureForHeader(renderer, fileName);
        SDL_Surface* decoded = PictureLoader::LoadDecoded(fileName);
        if (decoded == nullptr) {
            Destroy(early);
            return;
        }
        LoadForCanvas(renderer, decoded, early, fileName, key, drawing, picture, canvasPicture,
                      keyedPicture, size);
        SDL_FreeSurface(decoded);
        return;
    }
    SDL_Surface* decoded = PictureLoader::LoadDecoded(fileName);
    if (decoded == nullptr) {
        return;
    }
    std::vector<Uint32>& scratch = Scratch(size_t(decoded->w) * size_t(decoded->h));
    SDL_Surface* pixels = nullptr;
    if (PictureLoader::ConvertInto(decoded, scratch.data(), decoded->w * 4, fileName)) {
        pixels = SDL_CreateRGBSurfaceWithFormatFrom(scratch.data(), decoded->w, decoded->h, 32,
                                                    decoded->w * 4, SDL_PIXELFORMAT_ARGB8888);
        if (pixels == nullptr) {
            ReportImageError(PictureLoader::ConvertError, fileName);
        }
    }
    SDL_FreeSurface(decoded);
    if (pixels == nullptr) {
        return;
    }
    if (renderer != nullptr) {
        size = SDL_Rect{0, 0, pixels->w, pixels->h};
        // Blending an opaque picture changes nothing but costs a full read of what lies beneath
        // it, which for a backdrop is the whole screen; an opaque picture is simply copied.
        picture = MakeTexture(renderer, pixels,
                              IsOpaque(pixels) ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
        if (drawing != Drawing::UprightOnly) {
            keyedPicture = MakeKeyed(graphics, pixels, key, drawing == Drawing::AlsoRotated);
        }
    }
    SDL_FreeSurface(pixels);
}

void SpriteSheet::LoadForCanvas(SDL_Renderer* renderer, SDL_Surface* decoded, SDL_Texture* early,
                                const char* fileName, KeyColour key, Drawing drawing,
                                SDL_Texture*& picture, CanvasPicture& canvasPicture,
                                TurnedPicture*& keyedPicture, SDL_Rect& size) {
    // The picture is turned into ARGB straight in the texture's memory, which stays locked for
    // the canvas to draw from. A texture made from a header that claimed another size than the
    // picture has is made anew.
    SDL_Texture* texture = early;
    int width = 0;
    int height = 0;
    if (texture != nullptr && (SDL_QueryTexture(texture, nullptr, nullptr, &width, &height) != 0 ||
                               width != decoded->w || height != decoded->h)) {
        Destroy(texture);
    }
    if (texture == nullptr) {
        texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                    decoded->w, decoded->h);
    }
    void* locked = nullptr;
    int pitch = 0;
    if (texture == nullptr || SDL_LockTexture(texture, nullptr, &locked, &pitch) != 0) {
        Destroy(texture);
        return;
    }
    auto* pixels = static_cast<Uint32*>(locked);
    bool opaque = false;
    if (!PictureLoader::ConvertPremultipliedInto(decoded, pixels, pitch, fileName, opaque)) {
        Destroy(texture);
        return;
    }
    if (drawing != Drawing::UprightOnly) {
        // The keyed copy is made from the picture as it was read: for an opaque picture that is
        // what the texture holds, for any other it is converted once more.
        std::vector<Uint32>& scratch = Scratch(size_t(decoded->w) * size_t(decoded->h));
        if (opaque) {
            for (int y = 0; y < decoded->h; ++y) {
                std::memcpy(&scratch[size_t(y) * size_t(decoded->w)],
                            reinterpret_cast<const Uint8*>(pixels) + size_t(y) * size_t(pitch),
                            size_t(decoded->w) * 4);
            }
        } else if (!PictureLoader::ConvertInto(decoded, scratch.data(), decoded->w * 4, fileName)) {
            Destroy(texture);
            return;
        }
        SDL_Surface* keyed = SDL_CreateRGBSurfaceWithFormatFrom(
            scratch.data(), decoded->w, decoded->h, 32, decoded->w * 4, SDL_PIXELFORMAT_ARGB8888);
        if (keyed == nullptr) {
            ReportImageError(PictureLoader::ConvertError, fileName);
            Destroy(texture);
            return;
        }
        keyedPicture = MakeKeyed(graphics, keyed, key, drawing == Drawing::AlsoRotated);
        SDL_FreeSurface(keyed);
    }
    canvasPicture.Refer(pixels, decoded->w, decoded->h, pitch, opaque);
    SDL_SetTextureBlendMode(texture,
                            canvasPicture.Opaque() ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    picture = texture;
    size = SDL_Rect{0, 0, decoded->w, decoded->h};
}

void SpriteSheet::DrawPart(SDL_Texture* picture, const CanvasPicture& canvasPicture, SDL_Rect part,
                           float x, float y) {
    const int wholeX = Canvas::Whole(x);
    const int wholeY = Canvas::Whole(y);
    const bool coversAll =
        part.w == canvasPicture.Width() && part.h == canvasPicture.Height() &&
        Canvas::Covers(canvasPicture, wholeX, wholeY, Graphics::Width, Graphics::Height);
    if (Canvas* canvas = graphics->CanvasToDraw(coversAll)) {
        canvas->Draw(canvasPicture, part, wholeX, wholeY);
        return;
    }
    const SDL_FRect dest = {x, y, float(part.w), float(part.h)};
    SDL_RenderCopyF(graphics->GetRenderTarget(), picture, &part, &dest);
}

void SpriteSheet::Draw(float x, float y) {
    if (bitmap == nullptr) {
        return;
    }
    DrawPart(bitmap, bitmapPicture, bitmapSize, x, y);
}

void SpriteSheet::DrawFrame(int frame, float x, float y) {
    if (bitmap == nullptr || columns <= 0 || cellWidth <= 0 || cellHeight <= 0 || frame < 0) {
        return;
    }
    const int row = frame / columns;
    const int column = frame % columns;
    const long long left = static_cast<long long>(column) * cellWidth;
    const long long top = static_cast<long long>(row) * cellHeight;
    // Only the part of the cell that lies on the picture is copied, one to one, so a cell
    // past the picture's edge is never stretched.
    const long long clipLeft = std::max(left, 0LL);
    const long long clipTop = std::max(top, 0LL);
    const long long clipRight = std::min(left + cellWidth, static_cast<long long>(bitmapSize.w));
    const long long clipBottom = std::min(top + cellHeight, static_cast<long long>(bitmapSize.h));
    if (clipRight <= clipLeft || clipBottom <= clipTop) {
        return;
    }
    const SDL_Rect src = {int(clipLeft), int(clipTop), int(clipRight - clipLeft),
                          int(clipBottom - clipTop)};
    DrawPart(bitmap, bitmapPicture, src, x + float(clipLeft - left), y + float(clipTop - top));
}

void SpriteSheet::DrawRotated(int angle, float x, float y) {
    if (keyEffect != nullptr) {
        keyEffect->Draw(angle, x, y);
    }
}

void SpriteSheet::DrawRotatedPair(int angle, float x, float y) {
    if (baseKeyEffect != nullptr) {
        baseKeyEffect->Draw(angle, x, y);
    }
    if (detailKeyEffect != nullptr) {
        detailKeyEffect->Draw(angle, x, y);
    }
}
