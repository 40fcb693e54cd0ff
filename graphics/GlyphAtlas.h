#pragma once

#include "graphics/CanvasPicture.h"
#include "graphics/DrawTarget.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>
#include <unordered_map>
#include <vector>

namespace vantor::graphics {

// The glyphs of one font face at one size for one kind of drawing target, rendered once and
// shared by every text style of that face and size, whatever its colour: the printable ASCII
// glyphs when the atlas is made, any other the first time it is asked for. The glyphs are white
// on pages: textures of one renderer, which a style tints as it draws, or, for targets where the
// processor draws (DrawTarget::CanvasToDraw), their alpha alone, drawn in the style's colour
// onto any such target. A renderer's pages belong to it: the renderer must outlive the atlas.
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

    // The atlas of the face of the font file's bytes at the size (in pixels) for the target,
    // made now unless one is in use already; null when the font cannot be opened or the target
    // has no renderer.
    static std::shared_ptr<GlyphAtlas> For(const vantor::graphics::DrawTarget& target,
                                           const FontBytes& fontFile, int faceIndex, int size);

    // Whether the atlas's pages serve the target: its renderer's textures, or alpha for a
    // target where the processor draws.
    bool Serves(const vantor::graphics::DrawTarget& target) const {
        return target.DrawsOnCanvas() ? renderer == nullptr : renderer == target.Renderer();
    }

    ~GlyphAtlas();
    GlyphAtlas(const GlyphAtlas&) = delete;
    GlyphAtlas& operator=(const GlyphAtlas&) = delete;

    // The character's glyph; one that advances nothing and draws nothing for what is no
    // character at all.
    const Glyph& Find(char32_t character);
    const Page& PageOf(const Glyph& glyph) const { return pages[size_t(glyph.page)]; }
    // How much closer (negative) or further the second character sits after the first than
    // the first's advance says. The font is asked once for each pair of printable ASCII
    // characters, the first time the pair is written: asking loads both glyphs, which
    // allocates, and a steady frame's text must not.
    int Kerning(char32_t previous, char32_t next);

private:
    // Pages of alpha when renderer is null, else textures of the renderer.
    GlyphAtlas(SDL_Renderer* renderer, const FontBytes& fontFile, TTF_Font* font);

    static constexpr char32_t FirstAscii = 32;
    static constexpr char32_t LastAscii = 126;
    static constexpr int AsciiCount = LastAscii - FirstAscii + 1;

    // Renders the printable ASCII glyphs, sizes the pages to hold them all with room to spare
    // for a few more (within what the renderer allows), then places them.
    void MakeAscii(SDL_Renderer* limits);
    // Measures the character and places its rendered picture (freed here; may be null) on a
    // page.
    Glyph MakeGlyph(char32_t character, SDL_Surface* picture);
    // The character in white on transparent, ARGB8888; null when it cannot be rendered.
    SDL_Surface* RenderGlyph(char32_t character);
    // Chooses the pages' size from the rendered ASCII glyphs, within what the renderer allows.
    void SizePages(SDL_Renderer* limits, SDL_Surface* const* rendered);
    // Copies a rendered glyph onto the current page, starting a new one when it is full.
    bool Place(SDL_Surface* picture, Glyph& glyph);
    bool AddPage();

    SDL_Renderer* renderer = nullptr; // whose textures the pages are; null for alpha pages
    FontBytes fontFile;               // the bytes the font reads its glyphs from
    TTF_Font* font = nullptr;
    Glyph ascii[AsciiCount];
    // The kerning of each printable ASCII pair, previous character major; Unasked until asked.
    static constexpr Sint16 Unasked = SDL_MIN_SINT16;
    std::vector<Sint16> asciiKerning;
    std::unordered_map<char32_t, Glyph> others;
    Glyph missing;
    std::vector<Page> pages;
    int pageWidth = 0;
    int pageHeight = 0;
    int penX = 0; // where the next glyph goes on the last page
    int penY = 0;
    int shelfHeight = 0;
};

} // namespace vantor::graphics
