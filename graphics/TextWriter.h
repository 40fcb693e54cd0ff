#pragma once

#include "graphics/GlyphAtlas.h"
#include "graphics/Graphics.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>
#include <vector>

// One text style of the game: a font family at a size in pixels, in one opaque colour, drawn
// on the game's Graphics device, or onto a drawing target it is handed (the shell's overlay). The
// family is found through fontconfig; a family that is not installed draws in the font fontconfig
// offers in its place. Glyphs are rendered once (GlyphAtlas.h: the printable ASCII ones when the
// first writer of the font and size is made, any other the first time it is drawn), for every
// writer of that font and size whatever its colour, and drawing only copies them in the writer's
// colour. Glyphs for another target's renderer are rendered the first time the writer draws there.
// The Graphics device, and the renderer of every target drawn onto, must outlive every writer.
class TextWriter {
public:
    TextWriter(Graphics* graphics, int fontSize, const char* fontFamily, float r, float g, float b);
    ~TextWriter();
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    // Draws the text with the top-left of its first line at (x, y) on the game picture; a '\n'
    // starts a new line.
    void DrawString(int x, int y, const wchar_t* text);
    // The same, onto the target.
    void DrawString(const vantor::graphics::DrawTarget& target, int x, int y, const wchar_t* text);
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
    // Draws the text at (x, y) onto the target, when there is one, and returns the longest
    // line's advance.
    int Lay(const vantor::graphics::DrawTarget* target, int x, int y, const wchar_t* text);
    // The glyphs for the target, made the first time the writer draws there; null when the
    // font could not be opened.
    vantor::graphics::GlyphAtlas* AtlasFor(const vantor::graphics::DrawTarget& target);

    // The glyphs for the game picture, shared with every other style of the same font and size,
    // and those for other targets drawn onto.
    std::shared_ptr<vantor::graphics::GlyphAtlas> atlas;
    std::vector<std::shared_ptr<vantor::graphics::GlyphAtlas>> otherAtlases;
    int faceIndex = 0;
    int size = 0;
    int lineSkip = 0;
    bool ttfStarted = false;
};
