#pragma once

#include "graphics/DrawTarget.h"

#include <SDL.h>

#include <cstdint>
#include <memory>

namespace vantor::graphics {
class Canvas;
class PresentOverlay;
} // namespace vantor::graphics

// The one drawing device of the game. Everything is drawn into a 1024 by 768 game picture
// in game pixels. With a window, EndDraw presents that picture scaled to the window with
// letterboxing; offscreen, the picture lives in memory and its pixels can be read back.
//
// Without graphics hardware (offscreen, and for a window where no accelerated renderer is worth
// having) the game picture is a surface in memory that SDL's software renderer draws into and
// the processor composites pictures onto (Canvas); a window then gets the finished picture at
// present time. With graphics hardware the picture is a render target texture, as on any
// accelerated renderer.
class Graphics {
public:
    static constexpr int Width = 1024;
    static constexpr int Height = 768;

    Graphics();
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    // Draws for the window: an accelerated renderer with vsync where there is one, else
    // SDL's software renderer. False when no renderer can be made for the window.
    bool Init(SDL_Window* window);
    // No window and no display: a 1024 by 768 software target in memory.
    bool InitOffscreen();

    void BeginDraw();
    // Ends the frame: offscreen, the drawing lands in the picture; with a window, the picture
    // is presented (see Present).
    void EndDraw();
    // Shows the game picture in the window again as it is, scaled with letterboxing, with the
    // overlay (if one is set and visible) over it. Does nothing offscreen.
    void Present();
    // Whether presenting waits for the display's refresh. Only a renderer with vsync can; the
    // result says whether the renderer now does as asked.
    bool SetVsync(bool on);
    bool Vsync() const { return vsync; }
    // A colour channel from 0 to 1 as a byte; out of range and NaN are clamped.
    static Uint8 ChannelByte(float component);

    // Fills the whole game picture with an opaque colour.
    void ClearScreen(float r, float g, float b);
    // Outlines a circle with a line 3 pixels wide centred on it; the inside stays untouched.
    void DrawCircle(float x, float y, float radius, float r, float g, float b, float a);
    // The renderer that pictures and text draw with (SDL's renderer stands where the window's
    // render target was); null before Init. What the game asked of the device so far has been
    // done when it returns, so that drawing with the renderer lands over it.
    SDL_Renderer* GetRenderTarget();
    // Where the processor draws pictures onto the game picture, when it draws them; null with
    // an accelerated renderer and before Init. As with GetRenderTarget, what was asked of the
    // device so far has been done. A draw that covers the whole picture with opaque pixels says
    // so: a clear still to be done is then dropped, as nothing of it would show.
    vantor::graphics::Canvas* CanvasToDraw(bool coversWholePicture = false);
    // Whether the processor draws the pictures (CanvasToDraw gives a canvas).
    bool DrawsOnCanvas() const { return canvas != nullptr; }
    // The game picture as a target to draw onto, with what the game asked of the device so far
    // done; nothing to draw onto before Init.
    vantor::graphics::DrawTarget Target();

    // Maps a point of the window (as SDL reports mouse positions) to the game picture. False
    // when the point lies outside the picture, in a letterbox bar.
    bool WindowToGame(int windowX, int windowY, int& gameX, int& gameY) const;
    // The size in pixels of what the window shows (larger than the window's size in window
    // units on a high-density display); the picture's size offscreen. False when unknown.
    bool OutputSize(int& outputWidth, int& outputHeight) const;

    // The game picture's pixel at (x, y) as 0xAARRGGBB; 0 outside the picture.
    uint32_t ReadPixel(int x, int y);
    // The whole game picture, row by row, as 0xAARRGGBB: Width * Height values.
    bool ReadPixels(uint32_t* out);

    SDL_Window* window = nullptr; // the window presented to; null offscreen
    SDL_Renderer* renderTarget = nullptr;
    // With an accelerated renderer: the game picture, drawn into. Drawn by the processor for a
    // window: the texture of the window's renderer whose memory holds the game picture.
    SDL_Texture* frame = nullptr;
    SDL_Surface* surface = nullptr; // drawn by the processor: the game picture's pixels
    SDL_Color brush = {0, 0, 0, 0}; // the circle's colour, set on every use
    vantor::graphics::PresentOverlay* overlay =
        nullptr; // drawn over the picture when presenting; not owned

private:
    // Makes a renderer of the given kind for the window with the game picture as its target;
    // false, with nothing left over, when either cannot be made.
    bool CreateRenderer(Uint32 flags);
    // Destroys the renderer and the game picture made for it.
    void DestroyRenderer();
    // The game picture in memory (the pixels given, else its own), with SDL's software renderer
    // and the canvas drawing into it.
    bool CreatePictureInMemory(void* pixels, int pitch);
    // For a window drawn by the processor: the window's own software renderer (made once) and a
    // picture's texture there, locked for good, with its pixels.
    bool CreatePresenter(SDL_Texture*& picture, void*& pixels, int& pitch);
    // Does a clear that is still to be done, after whatever the renderer still holds.
    void Settle();
    void PresentFromMemory();
    // Draws the overlay onto a copy of the game picture, which is then the picture shown; the
    // game picture itself never holds it. With `alsoOutput`, what the overlay draws on the
    // window's own pixels goes on the copy too (where the picture is all the window has). False
    // when the copy cannot be made.
    bool DrawOverlayOnCopy(bool alsoOutput);
    // Makes the copy the overlay is drawn on, with its own renderer and canvas.
    bool CreateOverlaidCopy();

    bool vsync = false;
    std::unique_ptr<vantor::graphics::Canvas> canvas; // the processor's drawing onto surface
    SDL_Renderer* presenter = nullptr; // the window's renderer when the processor draws
    // A clear of the whole picture asked for and not done yet (the processor's drawing only):
    // the next draw may cover all of it.
    bool clearPending = false;
    SDL_Color clearColour = {0, 0, 0, 255};
    // The game picture with the overlay over it, for the window, made the first time the
    // overlay shows, with a renderer and a canvas of its own: the overlay's text keeps glyphs
    // for that renderer apart from the game picture's.
    SDL_Texture* overlaidFrame = nullptr;
    SDL_Surface* overlaid = nullptr;
    SDL_Renderer* overlaidTarget = nullptr;
    std::unique_ptr<vantor::graphics::Canvas> overlaidCanvas;
};
