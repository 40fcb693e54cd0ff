#pragma once

#include "graphics/CanvasPicture.h"
#include "graphics/Graphics.h"
#include "graphics/KeyColour.h"
#include "graphics/TurnedPicture.h"

#include <SDL.h>

// One picture, or a base picture with a detail picture over it, read from image files and
// drawn on the game's Graphics device: whole, one cell of an animation grid, or rotated through
// a colour key that makes the picture's background vanish. Pictures are decoded and keyed once,
// when the sheet is made; drawing only copies them. A sheet whose picture could not be read
// draws nothing (the failure was reported while loading). The Graphics device must outlive
// every sheet.
//
// Where the processor draws the pictures (Graphics::CanvasToDraw), each texture holds its
// picture premultiplied and stays locked, and the canvas draws straight from its pixels.
class SpriteSheet {
public:
    // Whether a picture may be drawn rotated. Only those that may get a keyed copy; a picture
    // drawn only upright (whole or by cell) is kept once, which halves the memory and the
    // loading time of the full-screen pictures, and DrawRotated draws nothing for it. A keyed
    // picture that is drawn rotated only upright gets its turned copies the first time it is
    // turned after all; one that turns has them from the start, so turning never allocates.
    enum class Drawing { AlsoRotated, KeyedUpright, UprightOnly };

    // A single picture. The key colour applies to the rotated draws.
    SpriteSheet(const char* fileName, Graphics* graphics, vantor::graphics::KeyColour key,
                Drawing drawing = Drawing::AlsoRotated);
    // An animation grid of cells of the given size, numbered left to right, then row by row,
    // with as many cells to a row as fit across the 1024-pixel game picture.
    SpriteSheet(const char* fileName, Graphics* graphics, int cellWidth, int cellHeight,
                vantor::graphics::KeyColour key, Drawing drawing = Drawing::AlsoRotated);
    // Two pictures drawn together, the detail picture over the base picture.
    SpriteSheet(const char* baseFileName, const char* detailFileName, Graphics* graphics,
                vantor::graphics::KeyColour key);
    ~SpriteSheet();
    SpriteSheet(const SpriteSheet&) = delete;
    SpriteSheet& operator=(const SpriteSheet&) = delete;

    // The whole picture, top-left at (x, y), at its own size, with its own alpha, unkeyed.
    void Draw(float x, float y);
    // One cell of the grid (a frame of the animation, not a frame of the game), top-left at
    // (x, y), unkeyed. A cell reaching past the picture's
    // edge draws only its part on the picture.
    void DrawFrame(int frame, float x, float y);
    // The keyed picture placed at (x, y) and turned angle degrees clockwise about
    // (x + 50, y + 37), smoothed. Drawing at the same angle as the last time costs a copy.
    void DrawRotated(int angle, float x, float y);
    // The same for both pictures of a two-picture sheet, base first.
    void DrawRotatedPair(int angle, float x, float y);

    Graphics* graphics = nullptr;
    // The "effects" are the keyed pictures themselves, made once and turned as drawn.
    vantor::graphics::TurnedPicture* keyEffect =
        nullptr; // bitmap with the key applied; null if upright only
    vantor::graphics::TurnedPicture* baseKeyEffect = nullptr;   // baseBitmap with the key applied
    vantor::graphics::TurnedPicture* detailKeyEffect = nullptr; // detailBitmap with the key applied
    SDL_Texture* bitmap = nullptr;
    SDL_Texture* baseBitmap = nullptr;
    SDL_Texture* detailBitmap = nullptr;
    int cellWidth = 0;
    int cellHeight = 0;
    int columns = 0;

    // Sheets in existence, to check that an unloaded level leaves none behind.
    static inline int live = 0;

private:
    // Reads one file into a plain and, unless the picture is drawn only upright, a keyed texture
    // of the same size; both stay null after a failure, which has then been reported.
    void LoadPicture(const char* fileName, vantor::graphics::KeyColour key, Drawing drawing,
                     SDL_Texture*& picture, vantor::graphics::CanvasPicture& canvasPicture,
                     vantor::graphics::TurnedPicture*& keyedPicture, SDL_Rect& size);
    // The same for the canvas, for a picture already decoded, into the texture made early
    // when it has the picture's size.
    void LoadForCanvas(SDL_Renderer* renderer, SDL_Surface* decoded, SDL_Texture* early,
                       const char* fileName, vantor::graphics::KeyColour key, Drawing drawing,
                       SDL_Texture*& picture, vantor::graphics::CanvasPicture& canvasPicture,
                       vantor::graphics::TurnedPicture*& keyedPicture, SDL_Rect& size);
    // The part of the picture with its top-left at (x, y), unkeyed.
    void DrawPart(SDL_Texture* picture, const vantor::graphics::CanvasPicture& canvasPicture,
                  SDL_Rect part, float x, float y);

    // The textures' pixels as the canvas draws them; not ready without a canvas.
    vantor::graphics::CanvasPicture bitmapPicture;
    vantor::graphics::CanvasPicture basePicture;
    vantor::graphics::CanvasPicture detailPicture;
    SDL_Rect bitmapSize = {0, 0, 0, 0};
    SDL_Rect baseSize = {0, 0, 0, 0};
    SDL_Rect detailSize = {0, 0, 0, 0};
};
