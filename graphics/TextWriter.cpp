#include "graphics/TextWriter.h"

#include "graphics/Canvas.h"
#include "graphics/FontFinder.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cwchar>
#include <map>
#include <string>

namespace {

// Glyph textures are this wide (or as wide as the widest glyph); a row of glyphs that would
// pass the edge starts a new shelf below.
constexpr int PreferredPageWidth = 1024;

bool IsCharacter(char32_t character) {
    return character <= 0x10FFFF && (character < 0xD800 || character > 0xDFFF);
}

// The whole font file in memory, read once however many writers use it. A font opened from
// its file reads every glyph through a seek and a read of the file, which made rendering a
// writer's glyphs several times slower than rendering them from memory.
std::shared_ptr<const std::vector<unsigned char>> ReadFontFile(const std::string& path) {
    static std::map<std::string, std::weak_ptr<const std::vector<unsigned char>>> files;
    if (auto shared = files[path].lock()) {
        return shared;
    }
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (file == nullptr) {
        return nullptr;
    }
    const Sint64 size = SDL_RWsize(file);
    auto bytes = std::make_shared<std::vector<unsigned char>>();
    if (size > 0 && size <= INT_MAX) {
        bytes->resize(size_t(size));
        if (SDL_RWread(file, bytes->data(), 1, bytes->size()) != bytes->size()) {
            bytes->clear();
        }
    }
    SDL_RWclose(file);
    if (bytes->empty()) {
        return nullptr;
    }
    files[path] = bytes;
    return bytes;
}

} // namespace

TextWriter::TextWriter(Graphics* graphics, int fontSize, const char* fontFamily, float r, float g,
                       float b)
    : graphics(graphics), brush{Graphics::ChannelByte(r), Graphics::ChannelByte(g),
                                Graphics::ChannelByte(b), 255} {
    ++live;
    if (TTF_Init() != 0) {
        return;
    }
    ttfStarted = true;
    if (fontSize <= 0) {
        return;
    }
    int faceIndex = 0;
    const std::string fontPath = FontFinder::Find(fontFamily, faceIndex);
    if (fontPath.empty()) {
        return;
    }
    fontFile = ReadFontFile(fontPath);
    SDL_RWops* fontBytes =
        fontFile != nullptr ? SDL_RWFromConstMem(fontFile->data(), int(fontFile->size())) : nullptr;
    if (fontBytes == nullptr) {
        return;
    }
    // At SDL_ttf's 72 dots per inch a point is a pixel, so the size is the em in pixels.
    textFormat = TTF_OpenFontIndexRW(fontBytes, 1, fontSize, faceIndex);
    if (textFormat == nullptr) {
        return;
    }
    lineSkip = TTF_FontLineSkip(textFormat);
    SDL_Renderer* renderer = graphics != nullptr ? graphics->GetRenderTarget() : nullptr;
    if (renderer == nullptr) {
        return;
    }

    // Render the printable ASCII glyphs first, then size the textures to hold them all with
    // room to spare for a few more, then place them.
    SDL_Surface* rendered[AsciiCount] = {};
    for (char32_t character = FirstAscii; character <= LastAscii; ++character) {
        rendered[character - FirstAscii] = RenderGlyph(character);
    }
    SizePages(renderer, rendered);
    for (char32_t character = FirstAscii; character <= LastAscii; ++character) {
        ascii[character - FirstAscii] = MakeGlyph(character, rendered[character - FirstAscii]);
    }
}

TextWriter::~TextWriter() {
    --live;
    for (Page& page : pages) {
        if (page.texture != nullptr) {
            SDL_DestroyTexture(page.texture);
        }
    }
    if (textFormat != nullptr) {
        TTF_CloseFont(textFormat);
    }
    if (ttfStarted) {
        TTF_Quit();
    }
}

void TextWriter::DrawString(int x, int y, const wchar_t* text) {
    Lay(x, y, text, true);
}

int TextWriter::Width(const wchar_t* text) {
    return Lay(0, 0, text, false);
}

int TextWriter::Lay(int x, int y, const wchar_t* text, bool draw) {
    if (text == nullptr || textFormat == nullptr || graphics == nullptr) {
        return 0;
    }
    SDL_Renderer* renderer = graphics->GetRenderTarget();
    if (renderer == nullptr) {
        return 0;
    }
    Canvas* canvas = draw ? graphics->CanvasToDraw() : nullptr;
    int cursor = x;
    int widest = 0;
    int lineTop = y;
    char32_t previous = 0;
    for (const wchar_t* next = text; *next != L'\0'; ++next) {
        const auto character = static_cast<char32_t>(*next);
        if (character == U'\n') {
            widest = std::max(widest, cursor - x);
            cursor = x;
            lineTop += lineSkip;
            previous = 0;
            continue;
        }
        if (character < FirstAscii) {
            continue; // other control characters show nothing
        }
        if (previous != 0) {
            cursor += TTF_GetFontKerningSizeGlyphs32(textFormat, previous, character);
        }
        const Glyph& glyph = FindGlyph(character);
        if (draw && glyph.page >= 0) {
            const Page& page = pages[size_t(glyph.page)];
            const SDL_Rect dest = {cursor + glyph.offsetX, lineTop + glyph.offsetY, glyph.source.w,
                                   glyph.source.h};
            if (canvas != nullptr) {
                canvas->DrawMask(*page.mask, glyph.source, dest.x, dest.y, brush);
            } else {
                SDL_RenderCopy(renderer, page.texture, &glyph.source, &dest);
            }
        }
        cursor += glyph.advance;
        previous = character;
    }
    return std::max(widest, cursor - x);
}

void TextWriter::DrawNumber(int x, int y, int value) {
    wchar_t numb[30];
    std::swprintf(numb, 30, L"%d", value);
    DrawString(x, y, numb);
}

const TextWriter::Glyph& TextWriter::FindGlyph(char32_t character) {
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

TextWriter::Glyph TextWriter::MakeGlyph(char32_t character, SDL_Surface* picture) {
    Glyph glyph;
    int minX = 0;
    int maxX = 0;
    int minY = 0;
    int maxY = 0;
    if (TTF_GlyphMetrics32(textFormat, character, &minX, &maxX, &minY, &maxY, &glyph.advance) !=
        0) {
        glyph.advance = 0;
    } else if (picture != nullptr) {
        // The rendered picture's left edge is the pen position, or the glyph's ink where that
        // reaches further left; its top is the line's top, or the ink where that rises above
        // the font's ascent.
        glyph.offsetX = std::min(minX, 0);
        glyph.offsetY = -std::max(0, maxY - TTF_FontAscent(textFormat));
        Place(picture, glyph);
    }
    if (picture != nullptr) {
        SDL_FreeSurface(picture);
    }
    return glyph;
}

void TextWriter::SizePages(SDL_Renderer* renderer, SDL_Surface* const* rendered) {
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
    if (SDL_GetRendererInfo(renderer, &info) == 0) {
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

SDL_Surface* TextWriter::RenderGlyph(char32_t character) {
    // White glyphs; each texture is tinted with the writer's colour once.
    SDL_Surface* picture =
        TTF_RenderGlyph32_Blended(textFormat, character, SDL_Color{255, 255, 255, 255});
    if (picture == nullptr || picture->format->format == SDL_PIXELFORMAT_ARGB8888) {
        return picture;
    }
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(picture, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(picture);
    return converted;
}

bool TextWriter::Place(SDL_Surface* picture, Glyph& glyph) {
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

bool TextWriter::AddPage() {
    Page page;
    if (graphics->DrawsOnCanvas()) {
        page.pitch = (pageWidth + 3) / 4 * 4;
        page.alpha.assign(size_t(page.pitch) * size_t(pageHeight), 0);
        page.mask = std::make_unique<CanvasPicture>();
        if (!page.mask->ReferMask(page.alpha.data(), pageWidth, pageHeight, page.pitch)) {
            return false;
        }
    } else {
        page.texture = SDL_CreateTexture(graphics->GetRenderTarget(), SDL_PIXELFORMAT_ARGB8888,
                                         SDL_TEXTUREACCESS_STATIC, pageWidth, pageHeight);
        if (page.texture == nullptr) {
            return false;
        }
        SDL_SetTextureBlendMode(page.texture, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(page.texture, SDL_ScaleModeNearest);
        SDL_SetTextureColorMod(page.texture, brush.r, brush.g, brush.b);
    }
    pages.push_back(std::move(page));
    penX = 0;
    penY = 0;
    shelfHeight = 0;
    return true;
}
