#include "graphics/TextWriter.h"

#include "graphics/Canvas.h"
#include "graphics/FontFinder.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cwchar>
#include <map>
#include <string>

using vantor::graphics::Canvas;
using vantor::graphics::FontFinder;
using vantor::graphics::GlyphAtlas;

namespace {

// The font file of a family and its face, asked of the font finder once a family: every text
// style of the level names one of two families.
std::string FindFont(const char* family, int& faceIndex) {
    static std::map<std::string, std::pair<std::string, int>> found;
    const std::string name = family != nullptr ? family : "";
    auto known = found.find(name);
    if (known == found.end()) {
        int face = 0;
        std::string path = FontFinder::Find(family, face);
        known = found.emplace(name, std::make_pair(std::move(path), face)).first;
    }
    faceIndex = known->second.second;
    return known->second.first;
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
    size = fontSize;
    const std::string fontPath = FindFont(fontFamily, faceIndex);
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
    atlas = GlyphAtlas::For(graphics->Target(), fontFile, faceIndex, fontSize);
}

TextWriter::~TextWriter() {
    --live;
    otherAtlases.clear();
    atlas.reset();
    if (textFormat != nullptr) {
        TTF_CloseFont(textFormat);
    }
    if (ttfStarted) {
        TTF_Quit();
    }
}

void TextWriter::DrawString(int x, int y, const wchar_t* text) {
    if (graphics != nullptr) {
        const vantor::graphics::DrawTarget picture = graphics->Target();
        Lay(&picture, x, y, text);
    }
}

void TextWriter::DrawString(const vantor::graphics::DrawTarget& target, int x, int y,
                            const wchar_t* text) {
    Lay(&target, x, y, text);
}

int TextWriter::Width(const wchar_t* text) {
    return Lay(nullptr, 0, 0, text);
}

GlyphAtlas* TextWriter::AtlasFor(const vantor::graphics::DrawTarget& target) {
    if (atlas == nullptr || atlas->Serves(target)) {
        return atlas.get();
    }
    for (const std::shared_ptr<GlyphAtlas>& other : otherAtlases) {
        if (other->Serves(target)) {
            return other.get();
        }
    }
    std::shared_ptr<GlyphAtlas> made = GlyphAtlas::For(target, fontFile, faceIndex, size);
    if (made == nullptr) {
        return nullptr;
    }
    otherAtlases.push_back(made);
    return made.get();
}

int TextWriter::Lay(const vantor::graphics::DrawTarget* target, int x, int y, const wchar_t* text) {
    if (text == nullptr || textFormat == nullptr || atlas == nullptr) {
        return 0;
    }
    // Measuring needs no target: every atlas of the writer has the same metrics.
    GlyphAtlas* glyphs = atlas.get();
    SDL_Renderer* renderer = nullptr;
    Canvas* canvas = nullptr;
    if (target != nullptr) {
        glyphs = AtlasFor(*target);
        renderer = target->Renderer();
        canvas = target->CanvasToDraw();
        if (glyphs == nullptr || renderer == nullptr) {
            return 0;
        }
    }
    const bool draw = target != nullptr;
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
        if (character < U' ') {
            continue; // other control characters show nothing
        }
        if (previous != 0) {
            cursor += glyphs->Kerning(previous, character);
        }
        const GlyphAtlas::Glyph& glyph = glyphs->Find(character);
        if (draw && glyph.page >= 0) {
            const GlyphAtlas::Page& page = glyphs->PageOf(glyph);
            const SDL_Rect dest = {cursor + glyph.offsetX, lineTop + glyph.offsetY, glyph.source.w,
                                   glyph.source.h};
            if (canvas != nullptr) {
                canvas->DrawMask(*page.mask, glyph.source, dest.x, dest.y, brush);
            } else {
                // The glyphs are white, shared by every colour.
                SDL_SetTextureColorMod(page.texture, brush.r, brush.g, brush.b);
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
