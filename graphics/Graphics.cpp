#include "graphics/Graphics.h"

#include "graphics/Canvas.h"
#include "graphics/Letterbox.h"
#include "graphics/PresentOverlay.h"
#include "graphics/RendererChoice.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <cmath>
#include <cstring>

using vantor::graphics::Canvas;
using vantor::graphics::Letterbox;
using vantor::graphics::RendererChoice;

namespace {

// The first pixel column whose centre lies at or right of position, kept near the picture so
// huge circles never overflow an int.
int FirstPixelFrom(float position) {
    const float column = std::ceil(position - 0.5f);
    return static_cast<int>(std::fmax(-1.0f, std::fmin(column, float(Graphics::Width))));
}

// The last pixel column whose centre lies at or left of position, kept near the picture.
int LastPixelUpTo(float position) {
    const float column = std::floor(position - 0.5f);
    return static_cast<int>(std::fmax(-1.0f, std::fmin(column, float(Graphics::Width))));
}

#ifdef __EMSCRIPTEN__
// clang-format off
// The page's canvas keeps the game picture's pixels, and the page lays it out at 4:3 in its
// place (its fitCanvas): the browser scales the picture, which costs the processor nothing.
EM_JS(void, FitCanvasToPage, (int width, int height), {
    Module.canvas.width = width;
    Module.canvas.height = height;
    if (Module.fitCanvas) {
        Module.fitCanvas();
    }
});
// The picture (32-bit ARGB words) onto the page's canvas in one pass, each pixel's bytes put
// in the canvas's order (red, green, blue, alpha) and opaque.
EM_JS(void, ShowOnCanvas, (const void* pixels, int pitch, int width, int height), {
    let show = Module.vantorShown;
    if (!show || show.width !== width || show.height !== height) {
        const context = Module.canvas.getContext("2d");
        const image = context.createImageData(width, height);
        show = Module.vantorShown = {
            context: context, image: image, words: new Uint32Array(image.data.buffer),
            width: width, height: height
        };
    }
    const words = show.words;
    const from = HEAPU32;
    const step = pitch >> 2;
    let to = 0;
    for (let y = 0, at = pixels >> 2; y < height; ++y, at += step) {
        for (let x = 0; x < width; ++x) {
            const argb = from[at + x];
            words[to++] = 0xff000000 | ((argb & 0xff) << 16) | (argb & 0xff00) |
                          ((argb >>> 16) & 0xff);
        }
    }
    show.context.putImageData(show.image, 0, 0);
});
// clang-format on
#endif

} // namespace

Uint8 Graphics::ChannelByte(float component) {
    if (!(component > 0.0f)) {
        return 0;
    }
    if (component >= 1.0f) {
        return 255;
    }
    return static_cast<Uint8>(std::lround(component * 255.0f));
}

Graphics::Graphics() = default;

Graphics::~Graphics() {
    // What draws into a picture goes before the picture; the pictures in the presenter's
    // textures go before the textures.
    overlaidCanvas.reset();
    if (overlaidTarget != nullptr) {
        SDL_DestroyRenderer(overlaidTarget);
    }
    if (overlaid != nullptr) {
        SDL_FreeSurface(overlaid);
    }
    canvas.reset();
    if (renderTarget != nullptr) {
        SDL_DestroyRenderer(renderTarget);
    }
    if (surface != nullptr) {
        SDL_FreeSurface(surface);
    }
    if (overlaidFrame != nullptr) {
        SDL_DestroyTexture(overlaidFrame);
    }
    if (frame != nullptr) {
        SDL_DestroyTexture(frame);
    }
    if (presenter != nullptr) {
        SDL_DestroyRenderer(presenter);
    }
}

bool Graphics::Init(SDL_Window* gameWindow) {
    window = gameWindow;
    if (window == nullptr) {
        return false;
    }
    // An accelerated renderer only on graphics hardware (RendererChoice.h). A renderer that
    // cannot draw into the game picture is no use either, so the software renderer is tried
    // after any failure of the accelerated one.
    bool made = RendererChoice::MayHaveHardware() &&
                CreateRenderer(SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    vsync = made;
    if (made &&
        RendererChoice::IsSoftwareRasterizer(RendererChoice::OpenGlRendererName(renderTarget))) {
        DestroyRenderer();
        made = false;
        vsync = false;
    }
    if (!made) {
        // SDL would otherwise show the software renderer's pixels through OpenGL.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
#ifdef __EMSCRIPTEN__
        // In the browser the window is the page's canvas, shown through a 2D context. Scaling
        // the picture to a large canvas would take the processor longer than drawing it: the
        // window keeps the picture's size and the browser scales the canvas.
        SDL_SetWindowSize(window, Width, Height);
        FitCanvasToPage(Width, Height);
#endif
        // The processor draws the picture in memory, where the canvas reaches its pixels, and
        // the window's own software renderer only shows it.
        void* pixels = nullptr;
        int pitch = 0;
        made = CreatePresenter(frame, pixels, pitch) && CreatePictureInMemory(pixels, pitch);
    }
    if (!made) {
        return false;
    }
    SDL_SetRenderDrawBlendMode(renderTarget, SDL_BLENDMODE_BLEND);
    ClearScreen(0.0f, 0.0f, 0.0f);
    return true;
}

bool Graphics::CreatePresenter(SDL_Texture*& picture, void*& pixels, int& pitch) {
    if (presenter == nullptr) {
        presenter = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    }
    if (presenter == nullptr) {
        return false;
    }
    // The texture stays locked: the game picture is drawn straight into its memory, and the
    // window's renderer shows it from there without a copy in between.
    picture = SDL_CreateTexture(presenter, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                Width, Height);
    if (picture == nullptr || SDL_LockTexture(picture, nullptr, &pixels, &pitch) != 0) {
        if (picture != nullptr) {
            SDL_DestroyTexture(picture);
            picture = nullptr;
        }
        return false;
    }
    SDL_SetTextureBlendMode(picture, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(picture, SDL_ScaleModeLinear);
    return true;
}

bool Graphics::CreatePictureInMemory(void* pixels, int pitch) {
    surface = pixels != nullptr
                  ? SDL_CreateRGBSurfaceWithFormatFrom(pixels, Width, Height, 32, pitch,
                                                       SDL_PIXELFORMAT_ARGB8888)
                  : SDL_CreateRGBSurfaceWithFormat(0, Width, Height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) {
        return false;
    }
    renderTarget = SDL_CreateSoftwareRenderer(surface);
    if (renderTarget == nullptr) {
        return false;
    }
#if VANTOR_CANVAS
    canvas = std::make_unique<Canvas>(surface);
    if (!canvas->Ready()) {
        canvas.reset(); // SDL's renderer draws the pictures, as it does on any other device
    }
#endif
    return true;
}

bool Graphics::CreateRenderer(Uint32 flags) {
    renderTarget = SDL_CreateRenderer(window, -1, flags | SDL_RENDERER_TARGETTEXTURE);
    if (renderTarget == nullptr) {
        return false;
    }
    frame = SDL_CreateTexture(renderTarget, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                              Width, Height);
    if (frame != nullptr && SDL_SetRenderTarget(renderTarget, frame) == 0) {
        // The game picture replaces whatever the window showed and is smoothed when scaled.
        SDL_SetTextureBlendMode(frame, SDL_BLENDMODE_NONE);
        SDL_SetTextureScaleMode(frame, SDL_ScaleModeLinear);
        return true;
    }
    DestroyRenderer();
    return false;
}

void Graphics::DestroyRenderer() {
    if (frame != nullptr) {
        SDL_DestroyTexture(frame);
        frame = nullptr;
    }
    if (renderTarget != nullptr) {
        SDL_DestroyRenderer(renderTarget);
        renderTarget = nullptr;
    }
}

bool Graphics::InitOffscreen() {
    if (!CreatePictureInMemory(nullptr, 0)) {
        return false;
    }
    SDL_SetRenderDrawBlendMode(renderTarget, SDL_BLENDMODE_BLEND);
    return true;
}

void Graphics::BeginDraw() {
    if (window != nullptr && renderTarget != nullptr && presenter == nullptr) {
        SDL_SetRenderTarget(renderTarget, frame);
    }
}

void Graphics::EndDraw() {
    if (renderTarget == nullptr) {
        return;
    }
    if (window == nullptr) {
        // Offscreen the picture is the surface itself: only pending drawing has to land.
        Settle();
        return;
    }
    Present();
}

void Graphics::Settle() {
    if (renderTarget == nullptr) {
        return;
    }
    SDL_RenderFlush(renderTarget);
    if (clearPending) {
        clearPending = false;
        SDL_Surface* picture = canvas != nullptr ? canvas->Picture() : surface;
        SDL_FillRect(picture, nullptr,
                     0xFF000000u | Uint32(clearColour.r) << 16 | Uint32(clearColour.g) << 8 |
                         clearColour.b);
    }
}

Canvas* Graphics::CanvasToDraw(bool coversWholePicture) {
    if (canvas == nullptr) {
        return nullptr;
    }
    if (coversWholePicture) {
        clearPending = false;
    }
    Settle();
    return canvas.get();
}

void Graphics::PresentFromMemory() {
    Settle();
#ifdef __EMSCRIPTEN__
    // SDL's own handling of the page's resizing gives the canvas the size of its place on the
    // page (SDL cannot make the page's window fixed): put back the picture's size, which the
    // browser scales.
    int windowWidth = 0;
    int windowHeight = 0;
    SDL_GetWindowSize(window, &windowWidth, &windowHeight);
    if (windowWidth != Width || windowHeight != Height) {
        SDL_SetWindowSize(window, Width, Height);
        FitCanvasToPage(Width, Height);
    }
#endif
    SDL_Texture* shown = frame;
    const SDL_Surface* shownPixels = surface;
#ifdef __EMSCRIPTEN__
    // The canvas is the picture, which the page scales: no bars of the window's own.
    const bool onOutput = overlay != nullptr && overlay->VisibleOnOutput();
#else
    const bool onOutput = false;
#endif
    if (overlay != nullptr && (overlay->Visible() || onOutput) && DrawOverlayOnCopy(onOutput)) {
        shown = overlaidFrame;
        shownPixels = overlaid;
    }
#ifdef __EMSCRIPTEN__
    // The canvas has the picture's size: SDL's way there would convert each pixel twice.
    ShowOnCanvas(shownPixels->pixels, shownPixels->pitch, Width, Height);
    return;
#else
    (void)shownPixels;
#endif
    int outputWidth = 0;
    int outputHeight = 0;
    if (SDL_GetRendererOutputSize(presenter, &outputWidth, &outputHeight) != 0) {
        return;
    }
    const SDL_Rect box = Letterbox::Fit(outputWidth, outputHeight);
    if (box.x != 0 || box.y != 0 || box.w != outputWidth || box.h != outputHeight) {
        SDL_SetRenderDrawColor(presenter, 0, 0, 0, 255);
        SDL_RenderClear(presenter);
    }
    const bool oneToOne = box.w == Width && box.h == Height;
    SDL_SetTextureScaleMode(shown, oneToOne ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    SDL_RenderCopy(presenter, shown, nullptr, &box);
    if (overlay != nullptr && overlay->VisibleOnOutput()) {
        overlay->DrawOnOutput(vantor::graphics::DrawTarget(presenter, nullptr), box);
    }
    SDL_RenderPresent(presenter);
}

bool Graphics::CreateOverlaidCopy() {
    void* pixels = nullptr;
    int pitch = 0;
    if (!CreatePresenter(overlaidFrame, pixels, pitch)) {
        return false;
    }
    overlaid = SDL_CreateRGBSurfaceWithFormatFrom(pixels, Width, Height, 32, pitch,
                                                  SDL_PIXELFORMAT_ARGB8888);
    overlaidTarget = overlaid != nullptr ? SDL_CreateSoftwareRenderer(overlaid) : nullptr;
    if (overlaidTarget == nullptr) {
        return false;
    }
    SDL_SetRenderDrawBlendMode(overlaidTarget, SDL_BLENDMODE_BLEND);
#if VANTOR_CANVAS
    overlaidCanvas = std::make_unique<Canvas>(overlaid);
    if (!overlaidCanvas->Ready()) {
        overlaidCanvas.reset();
    }
#endif
    return true;
}

bool Graphics::DrawOverlayOnCopy(bool alsoOutput) {
    if (overlaid == nullptr && !CreateOverlaidCopy()) {
        return false;
    }
    if (overlaidTarget == nullptr) {
        return false;
    }
    for (int y = 0; y < Height; ++y) {
        std::memcpy(static_cast<Uint8*>(overlaid->pixels) + y * overlaid->pitch,
                    static_cast<const Uint8*>(surface->pixels) + y * surface->pitch, Width * 4);
    }
    const vantor::graphics::DrawTarget target(overlaidTarget, overlaidCanvas.get());
    overlay->Draw(target);
    if (alsoOutput) {
        overlay->DrawOnOutput(target, SDL_Rect{0, 0, Width, Height});
    }
    SDL_RenderFlush(overlaidTarget);
    return true;
}

void Graphics::Present() {
    if (renderTarget == nullptr || window == nullptr) {
        return;
    }
    if (presenter != nullptr) {
        PresentFromMemory();
        return;
    }
    SDL_SetRenderTarget(renderTarget, nullptr);
    int outputWidth = 0;
    int outputHeight = 0;
    const bool sized = SDL_GetRendererOutputSize(renderTarget, &outputWidth, &outputHeight) == 0;
    const SDL_Rect box = sized ? Letterbox::Fit(outputWidth, outputHeight) : SDL_Rect{0, 0, 0, 0};
    // The bars are black. When the picture fills the whole output there are none, and when it
    // is shown at its own size, pixel for pixel, smoothing would only cost time.
    const bool covered =
        sized && box.x == 0 && box.y == 0 && box.w == outputWidth && box.h == outputHeight;
    if (!covered) {
        SDL_SetRenderDrawColor(renderTarget, 0, 0, 0, 255);
        SDL_RenderClear(renderTarget);
    }
    if (sized) {
        const bool oneToOne = box.w == Width && box.h == Height;
        SDL_SetTextureScaleMode(frame, oneToOne ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
        SDL_RenderCopy(renderTarget, frame, nullptr, &box);
        if (overlay != nullptr && overlay->Visible()) {
            // The overlay draws in game coordinates, onto the picture's place in the window.
            SDL_RenderSetViewport(renderTarget, &box);
            SDL_RenderSetScale(renderTarget, float(box.w) / float(Width),
                               float(box.h) / float(Height));
            overlay->Draw(vantor::graphics::DrawTarget(renderTarget, nullptr));
            SDL_RenderSetScale(renderTarget, 1.0f, 1.0f);
            SDL_RenderSetViewport(renderTarget, nullptr);
        }
        if (overlay != nullptr && overlay->VisibleOnOutput()) {
            overlay->DrawOnOutput(vantor::graphics::DrawTarget(renderTarget, nullptr), box);
        }
    }
    SDL_RenderPresent(renderTarget);
    SDL_SetRenderTarget(renderTarget, frame);
}

bool Graphics::SetVsync(bool on) {
    if (renderTarget == nullptr || window == nullptr) {
        return false;
    }
    SDL_Renderer* shower = presenter != nullptr ? presenter : renderTarget;
    if (on != vsync && SDL_RenderSetVSync(shower, on ? 1 : 0) == 0) {
        vsync = on;
    }
    return vsync == on;
}

void Graphics::ClearScreen(float r, float g, float b) {
    if (renderTarget == nullptr) {
        return;
    }
    if (canvas != nullptr) {
        // Done with the next draw, unless that covers the whole picture: a backdrop usually does.
        SDL_RenderFlush(renderTarget);
        clearPending = true;
        clearColour = SDL_Color{ChannelByte(r), ChannelByte(g), ChannelByte(b), 255};
        return;
    }
    SDL_SetRenderDrawColor(renderTarget, ChannelByte(r), ChannelByte(g), ChannelByte(b), 255);
    SDL_RenderClear(renderTarget);
}

void Graphics::DrawCircle(float x, float y, float radius, float r, float g, float b, float a) {
    if (renderTarget == nullptr) {
        return;
    }
    if (canvas != nullptr) {
        Settle();
    }
    brush = SDL_Color{ChannelByte(r), ChannelByte(g), ChannelByte(b), ChannelByte(a)};
    SDL_SetRenderDrawColor(renderTarget, brush.r, brush.g, brush.b, brush.a);
    SDL_SetRenderDrawBlendMode(renderTarget, SDL_BLENDMODE_BLEND);

    // The line is 3 pixels wide and centred on the circle: every pixel whose centre lies
    // between radius - 1.5 and radius + 1.5 from the centre, filled row by row as one or two
    // spans. No pixel is filled twice, so a translucent colour blends evenly.
    const float outer = radius + 1.5f;
    const float inner = radius - 1.5f;
    if (!(outer > 0.0f)) {
        return;
    }
    const float firstRow = std::fmax(0.0f, std::ceil(y - outer - 0.5f));
    const float lastRow = std::fmin(float(Height - 1), std::floor(y + outer - 0.5f));
    if (!(firstRow <= lastRow)) {
        return;
    }

    // SDL copies a batch of rectangles before queueing it, on its stack only while the copy
    // is under 128 bytes: seven spans a batch keep a frame's circles off the heap.
    constexpr int batchSize = 7;
    SDL_FRect spans[batchSize];
    int count = 0;
    auto addSpan = [&](int row, int first, int last) {
        if (last < first) {
            return;
        }
        spans[count++] = SDL_FRect{float(first), float(row), float(last - first + 1), 1.0f};
        if (count == batchSize) {
            SDL_RenderFillRectsF(renderTarget, spans, count);
            count = 0;
        }
    };

    for (int row = int(firstRow); row <= int(lastRow); ++row) {
        const float dy = float(row) + 0.5f - y;
        const float outerSquare = outer * outer - dy * dy;
        if (outerSquare < 0.0f) {
            continue;
        }
        const float outerHalf = std::sqrt(outerSquare);
        const int left = FirstPixelFrom(x - outerHalf);
        const int right = LastPixelUpTo(x + outerHalf);
        const float innerSquare = inner > 0.0f ? inner * inner - dy * dy : -1.0f;
        if (innerSquare > 0.0f) {
            const float innerHalf = std::sqrt(innerSquare);
            const int leftEnd = LastPixelUpTo(x - innerHalf);
            const int rightStart = FirstPixelFrom(x + innerHalf);
            if (leftEnd < rightStart) {
                addSpan(row, left, leftEnd);
                addSpan(row, rightStart, right);
                continue;
            }
        }
        addSpan(row, left, right);
    }
    if (count > 0) {
        SDL_RenderFillRectsF(renderTarget, spans, count);
    }
}

SDL_Renderer* Graphics::GetRenderTarget() {
    // Only the processor's drawing can hold work back; a renderer keeps its own order, and is
    // not made to give up its batching here.
    if (canvas != nullptr) {
        Settle();
    }
    return renderTarget;
}

vantor::graphics::DrawTarget Graphics::Target() {
    if (canvas != nullptr) {
        Settle();
    }
    return vantor::graphics::DrawTarget(renderTarget, canvas.get());
}

bool Graphics::OutputSize(int& outputWidth, int& outputHeight) const {
    if (window == nullptr || renderTarget == nullptr) {
        outputWidth = Width;
        outputHeight = Height;
        return true;
    }
    // While the game picture is the target SDL reports the picture's size as the output's, so
    // the window is made the target for the question. Between frames nothing is pending.
    SDL_Renderer* shower = presenter != nullptr ? presenter : renderTarget;
    SDL_Texture* target = SDL_GetRenderTarget(shower);
    if (target != nullptr) {
        SDL_SetRenderTarget(shower, nullptr);
    }
    const int asked = SDL_GetRendererOutputSize(shower, &outputWidth, &outputHeight);
    if (target != nullptr) {
        SDL_SetRenderTarget(shower, target);
    }
    return asked == 0 && outputWidth > 0 && outputHeight > 0;
}

bool Graphics::WindowToGame(int windowX, int windowY, int& gameX, int& gameY) const {
    if (window == nullptr || renderTarget == nullptr) {
        // Offscreen the picture is the whole target, pixel for pixel.
        return Letterbox::ToGame(SDL_Rect{0, 0, Width, Height}, windowX + 0.5f, windowY + 0.5f,
                                 gameX, gameY);
    }
    int windowWidth = 0;
    int windowHeight = 0;
    SDL_GetWindowSize(window, &windowWidth, &windowHeight);
    int outputWidth = 0;
    int outputHeight = 0;
    if (!OutputSize(outputWidth, outputHeight) || windowWidth <= 0 || windowHeight <= 0) {
        gameX = 0;
        gameY = 0;
        return false;
    }
    // Mouse positions come in window units, which on a high-density display are larger than
    // output pixels. The centre of the unit under the mouse is what is mapped.
    const float outputX = (windowX + 0.5f) * float(outputWidth) / float(windowWidth);
    const float outputY = (windowY + 0.5f) * float(outputHeight) / float(windowHeight);
    return Letterbox::ToGame(Letterbox::Fit(outputWidth, outputHeight), outputX, outputY, gameX,
                             gameY);
}

uint32_t Graphics::ReadPixel(int x, int y) {
    if (renderTarget == nullptr || x < 0 || y < 0 || x >= Width || y >= Height) {
        return 0;
    }
    if (surface != nullptr) {
        Settle();
        const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
        uint32_t pixel = 0;
        std::memcpy(&pixel, row + x * 4, sizeof pixel);
        return pixel;
    }
    const SDL_Rect one{x, y, 1, 1};
    uint32_t pixel = 0;
    if (SDL_RenderReadPixels(renderTarget, &one, SDL_PIXELFORMAT_ARGB8888, &pixel, 4) != 0) {
        return 0;
    }
    return pixel;
}

bool Graphics::ReadPixels(uint32_t* out) {
    if (renderTarget == nullptr || out == nullptr) {
        return false;
    }
    if (surface != nullptr) {
        Settle();
        for (int y = 0; y < Height; ++y) {
            const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
            std::memcpy(out + y * Width, row, Width * sizeof(uint32_t));
        }
        return true;
    }
    const SDL_Rect whole{0, 0, Width, Height};
    return SDL_RenderReadPixels(renderTarget, &whole, SDL_PIXELFORMAT_ARGB8888, out,
                                Width * int(sizeof(uint32_t))) == 0;
}
