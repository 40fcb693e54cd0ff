#pragma once

#include "graphics/CanvasPicture.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>
#include <unordered_map>
#include <vector>

class Graphics;

// The glyphs of one font face at one size on one drawing device, rendered once and shared by
// every text style of that face and size, whatever its colour: the printable ASCII glyphs when
// the atlas is made, any other the first time it is asked for. The glyphs are white on pages:
// textures that a style tints as it draws, or where the processor draws (Graphics::CanvasToDraw)
// their alpha alone, drawn in the style's colour.
class GlyphAtlas {
public:
    // Where a rendered glyph lies on a page, and how it sits against the pen: its picture's
    // top-left is at (pen x + offsetX, line top + offsetY).
    struct Glyph {
        int page = -1; // none for a glyph with nothing to show, such as a blank
        SDL_Rect source = {0, 0, 0, 0};
        int offsetX = 0;
        int offsetY = 0;
        int advance = 0;
    };

    // A texture of glyphs, or their alpha for the canvas (rows a multiple of 4 bytes long).
    struct Page {
        SDL_Texture* texture = nullptr;
        std::vector<Uint8> alpha;
        int pitch = 0;
        std::unique_ptr<CanvasPicture> mask;
    };

    using FontBytes = std::shared_ptr<const std::vector<unsigned char>>;

    // The atlas of the face of the font file's bytes at the size (in pixels) on the device, made
    // now unless one is in use already; null when the font cannot be opened.
    static std::shared_ptr<GlyphAtlas> For(Graphics* graphics, const FontBytes& fontFile,
                                           int faceIndex, int size);

    ~GlyphAtlas();
    GlyphAtlas(const GlyphAtlas&) = delete;
    GlyphAtlas& operator=(const GlyphAtlas&) = delete;

    // The character's glyph; one that advances nothing and draws nothing for what is no
    // character at all.
    const Glyph& Find(char32_t character);
    const Page& PageOf(const Glyph& glyph) const { return pages[size_t(glyph.page)]; }

private:
    GlyphAtlas(Graphics* graphics, const FontBytes& fontFile, TTF_Font* font);

    static constexpr char32_t FirstAscii = 32;
    static constexpr char32_t LastAscii = 126;
    static constexpr int AsciiCount = LastAscii - FirstAscii + 1;

    // Renders the printable ASCII glyphs, sizes the pages to hold them all with room to spare
    // for a few more, then places them.
    void MakeAscii();
    // Measures the character and places its rendered picture (freed here; may be null) on a
    // page.
    Glyph MakeGlyph(char32_t character, SDL_Surface* picture);
    // The character in white on transparent, ARGB8888; null when it cannot be rendered.
    SDL_Surface* RenderGlyph(char32_t character);
    // Chooses the pages' size from the rendered ASCII glyphs.
    void SizePages(SDL_Renderer* renderer, SDL_Surface* const* rendered);
    // Copies a rendered glyph onto the current page, starting a new one when it is full.
    bool Place(SDL_Surface* picture, Glyph& glyph);
    bool AddPage();

    Graphics* graphics = nullptr;
    FontBytes fontFile; // the bytes the font reads its glyphs from
    TTF_Font* font = nullptr;
    Glyph ascii[AsciiCount];
    std::unordered_map<char32_t, Glyph> others;
    Glyph missing;
    std::vector<Page> pages;
    int pageWidth = 0;
    int pageHeight = 0;
    int penX = 0; // where the next glyph goes on the last page
    int penY = 0;
    int shelfHeight = 0;
};
