#include "graphics/GlyphAtlas.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace vantor::graphics {

namespace {

// Pages are this wide (or as wide as the widest glyph); a row of glyphs that would pass the
// edge starts a new shelf below.
constexpr int PreferredPageWidth = 1024;

bool IsCharacter(char32_t character) {
    return character <= 0x10FFFF && (character < 0xD800 || character > 0xDFFF);
}

} // namespace

std::shared_ptr<GlyphAtlas> GlyphAtlas::For(const vantor::graphics::DrawTarget& target,
                                            const FontBytes& fontFile, int faceIndex, int size) {
    if (target.Renderer() == nullptr || fontFile == nullptr || fontFile->empty()) {
        return nullptr;
    }
    // Alpha pages serve every target the processor draws on; textures only their renderer.
    SDL_Renderer* owner = target.DrawsOnCanvas() ? nullptr : target.Renderer();
    using Key = std::tuple<SDL_Renderer*, const void*, int, int>;
    static std::map<Key, std::weak_ptr<GlyphAtlas>> atlases;
    const Key key{owner, fontFile->data(), faceIndex, size};
    if (auto shared = atlases[key].lock()) {
        return shared;
    }
    SDL_RWops* bytes = SDL_RWFromConstMem(fontFile->data(), int(fontFile->size()));
    TTF_Font* font = bytes != nullptr ? TTF_OpenFontIndexRW(bytes, 1, size, faceIndex) : nullptr;
    if (font == nullptr) {
        return nullptr;
    }
    std::shared_ptr<GlyphAtlas> made(new GlyphAtlas(owner, fontFile, font));
    made->MakeAscii(target.Renderer());
    atlases[key] = made;
    return made;
}

GlyphAtlas::GlyphAtlas(SDL_Renderer* renderer, const FontBytes& fontFile, TTF_Font* font)
    : renderer(renderer), fontFile(fontFile), font(font),
      asciiKerning(size_t(AsciiCount) * AsciiCount, Unasked) {
    // The font is SDL_ttf's for as long as the atlas holds it.
    TTF_Init();
}

GlyphAtlas::~GlyphAtlas() {
    for (Page& page : pages) {
        if (page.texture != nullptr) {
            SDL_DestroyTexture(page.texture);
        }
    }
    TTF_CloseFont(font);
    TTF_Quit();
}

void GlyphAtlas::MakeAscii(SDL_Renderer* limits) {
    SDL_Surface* rendered[AsciiCount] = {};
    for (char32_t character = FirstAscii; character <= LastAscii; ++character) {
        rendered[character - FirstAscii] = RenderGlyph(character);
    }
    SizePages(limits, rendered);
    for (char32_t character = FirstAscii; character <= LastAscii; ++character) {
        ascii[character - FirstAscii] = MakeGlyph(character, rendered[character - FirstAscii]);
    }
}

int GlyphAtlas::Kerning(char32_t previous, char32_t next) {
    const auto isAscii = [](char32_t c) { return c >= FirstAscii && c <= LastAscii; };
    if (!isAscii(previous) || !isAscii(next)) {
        return TTF_GetFontKerningSizeGlyphs32(font, previous, next);
    }
    Sint16& kept = asciiKerning[size_t(previous - FirstAscii) * AsciiCount + (next - FirstAscii)];
    if (kept == Unasked) {
        kept = Sint16(std::clamp(TTF_GetFontKerningSizeGlyphs32(font, previous, next),
                                 SDL_MIN_SINT16 + 1, int(SDL_MAX_SINT16)));
    }
    return kept;
}

const GlyphAtlas::Glyph& GlyphAtlas::Find(char32_t character) {
    if (character >= FirstAscii && character <= LastAscii) {
        return ascii[character - FirstAscii];
    }
    if (!IsCharacter(character)) {
        return missing;
    }
    const auto found = others.find(character);
    if (found != others.end()) {
        return found->second;
    }
    // First use of this character: render it once and keep it.
    return others.emplace(character, MakeGlyph(character, RenderGlyph(character))).first->second;
}

GlyphAtlas::Glyph GlyphAtlas::MakeGlyph(char32_t character, SDL_Surface* picture) {
    Glyph glyph;
    int minX = 0;
    int maxX = 0;
    int minY = 0;
    int maxY = 0;
    if (TTF_GlyphMetrics32(font, character, &minX, &maxX, &minY, &maxY, &glyph.advance) != 0) {
        glyph.advance = 0;
    } else if (picture != nullptr) {
        // The rendered picture's left edge is the pen position, or the glyph's ink where that
        // reaches further left; its top is the line's top, or the ink where that rises above
        // the font's ascent.
        glyph.offsetX = std::min(minX, 0);
        glyph.offsetY = -std::max(0, maxY - TTF_FontAscent(font));
        Place(picture, glyph);
    }
    if (picture != nullptr) {
        SDL_FreeSurface(picture);
    }
    return glyph;
}

void GlyphAtlas::SizePages(SDL_Renderer* limits, SDL_Surface* const* rendered) {
    int tallest = 0;
    int widest = 0;
    for (int i = 0; i < AsciiCount; ++i) {
        if (rendered[i] != nullptr) {
            tallest = std::max(tallest, rendered[i]->h);
            widest = std::max(widest, rendered[i]->w);
        }
    }
    SDL_RendererInfo info;
    int maxWidth = 0;
    int maxHeight = 0;
    if (SDL_GetRendererInfo(limits, &info) == 0) {
        maxWidth = info.max_texture_width;
        maxHeight = info.max_texture_height;
    }
    pageWidth = std::max(PreferredPageWidth, widest + 1);
    if (maxWidth > 0) {
        pageWidth = std::min(pageWidth, maxWidth);
    }
    // Lay the glyphs out on shelves as Place will, to learn the height they need.
    int x = 0;
    int y = 0;
    int shelf = 0;
    for (int i = 0; i < AsciiCount; ++i) {
        if (rendered[i] == nullptr) {
            continue;
        }
        if (x + rendered[i]->w > pageWidth) {
            x = 0;
            y += shelf + 1;
            shelf = 0;
        }
        x += rendered[i]->w + 1;
        shelf = std::max(shelf, rendered[i]->h);
    }
    pageHeight = y + shelf + 1 + 2 * (tallest + 1);
    if (maxHeight > 0) {
        pageHeight = std::min(pageHeight, maxHeight);
    }
}

SDL_Surface* GlyphAtlas::RenderGlyph(char32_t character) {
    // White glyphs; each texture is tinted with the writer's colour once.
    SDL_Surface* picture =
        TTF_RenderGlyph32_Blended(font, character, SDL_Color{255, 255, 255, 255});
    if (picture == nullptr || picture->format->format == SDL_PIXELFORMAT_ARGB8888) {
        return picture;
    }
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(picture, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(picture);
    return converted;
}

bool GlyphAtlas::Place(SDL_Surface* picture, Glyph& glyph) {
    if (picture->w <= 0 || picture->h <= 0 || picture->w > pageWidth || picture->h > pageHeight) {
        return false;
    }
    if (penX + picture->w > pageWidth) {
        penX = 0;
        penY += shelfHeight + 1;
        shelfHeight = 0;
    }
    if (pages.empty() || penY + picture->h > pageHeight) {
        if (!AddPage()) {
            return false;
        }
    }
    const SDL_Rect spot = {penX, penY, picture->w, picture->h};
    Page& page = pages.back();
    if (page.texture == nullptr) {
        for (int y = 0; y < picture->h; ++y) {
            const auto* in = reinterpret_cast<const Uint32*>(
                static_cast<const Uint8*>(picture->pixels) + size_t(y) * size_t(picture->pitch));
            Uint8* out = &page.alpha[size_t(penY + y) * size_t(page.pitch) + size_t(penX)];
            for (int x = 0; x < picture->w; ++x) {
                out[x] = Uint8(in[x] >> 24);
            }
        }
    } else if (SDL_UpdateTexture(page.texture, &spot, picture->pixels, picture->pitch) != 0) {
        return false;
    }
    glyph.page = int(pages.size()) - 1;
    glyph.source = spot;
    penX += picture->w + 1;
    shelfHeight = std::max(shelfHeight, picture->h);
    return true;
}

bool GlyphAtlas::AddPage() {
    Page page;
    if (renderer == nullptr) {
        page.pitch = (pageWidth + 3) / 4 * 4;
        page.alpha.assign(size_t(page.pitch) * size_t(pageHeight), 0);
        page.mask = std::make_unique<CanvasPicture>();
        if (!page.mask->ReferMask(page.alpha.data(), pageWidth, pageHeight, page.pitch)) {
            return false;
        }
    } else {
        page.texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                         SDL_TEXTUREACCESS_STATIC, pageWidth, pageHeight);
        if (page.texture == nullptr) {
            return false;
        }
        SDL_SetTextureBlendMode(page.texture, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(page.texture, SDL_ScaleModeNearest);
    }
    pages.push_back(std::move(page));
    penX = 0;
    penY = 0;
    shelfHeight = 0;
    return true;
}

} // namespace vantor::graphics
