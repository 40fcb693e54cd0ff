#pragma once

#include "graphics/CanvasPicture.h"
#include "graphics/Graphics.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>
#include <unordered_map>
#include <vector>

// One text style of the game: a font family at a size in pixels, in one opaque colour, drawn
// on the game's Graphics device. The family is found through fontconfig; a family that is not
// installed draws in the font fontconfig offers in its place. Glyphs are rendered once into
// pages (the printable ASCII ones when the writer is made, any other the first time it is
// drawn) and drawing only copies them: textures tinted with the writer's colour, or where the
// processor draws (Graphics::CanvasToDraw) the glyphs' alpha alone, drawn in the colour. The
// Graphics device must outlive every writer.
class TextWriter {
public:
    TextWriter(Graphics* graphics, int fontSize, const char* fontFamily, float r, float g, float b);
    ~TextWriter();
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    // Draws the text with the top-left of its first line at (x, y); a '\n' starts a new line.
    void DrawString(int x, int y, const wchar_t* text);
    // Draws the value in decimal, with a leading minus sign when negative, like DrawString.
    void DrawNumber(int x, int y, int value);
    // How wide DrawString would draw the text: the longest line's advance, in pixels.
    int Width(const wchar_t* text);

    Graphics* graphics = nullptr;
    TTF_Font* textFormat = nullptr; // the font; null when no font could be opened
    // The font file's bytes, which the font reads its glyphs from; shared by every writer of
    // the same file.
    std::shared_ptr<const std::vector<unsigned char>> fontFile;
    SDL_Color brush = {0, 0, 0, 255};

    // Writers in existence, to check that an unloaded level leaves none behind.
    static inline int live = 0;

private:
    // Where a rendered glyph lies in a texture, and how it sits against the pen: its picture's
    // top-left is at (pen x + offsetX, line top + offsetY).
    struct Glyph {
        int page = -1; // none for a glyph with nothing to show, such as a blank
        SDL_Rect source = {0, 0, 0, 0};
        int offsetX = 0;
        int offsetY = 0;
        int advance = 0;
    };

    static constexpr char32_t FirstAscii = 32;
    static constexpr char32_t LastAscii = 126;
    static constexpr int AsciiCount = LastAscii - FirstAscii + 1;

    // Draws the text at (x, y) when draw is true, and returns the longest line's advance.
    int Lay(int x, int y, const wchar_t* text, bool draw);
    const Glyph& FindGlyph(char32_t character);
    // Measures the character and places its rendered picture (freed here; may be null) in a
    // texture.
    Glyph MakeGlyph(char32_t character, SDL_Surface* picture);
    // The character in white on transparent, ARGB8888; null when it cannot be rendered.
    SDL_Surface* RenderGlyph(char32_t character);
    // Chooses the textures' size from the rendered ASCII glyphs.
    void SizePages(SDL_Renderer* renderer, SDL_Surface* const* rendered);
    // Copies a rendered glyph into the current page, starting a new one when it is full.
    bool Place(SDL_Surface* picture, Glyph& glyph);
    bool AddPage();

    // A texture of glyphs, or their alpha for the canvas (rows a multiple of 4 bytes long).
    struct Page {
        SDL_Texture* texture = nullptr;
        std::vector<Uint8> alpha;
        int pitch = 0;
        std::unique_ptr<CanvasPicture> mask;
    };

    Glyph ascii[AsciiCount];
    std::unordered_map<char32_t, Glyph> others;
    Glyph missing; // for what is no character at all: draws nothing, advances nothing
    std::vector<Page> pages;
    int pageWidth = 0;
    int pageHeight = 0;
    int penX = 0; // where the next glyph goes in the last page
    int penY = 0;
    int shelfHeight = 0;
    int lineSkip = 0;
    bool ttfStarted = false;
};
