#include "OffscreenTest.h"

#include "graphics/Graphics.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

constexpr uint32_t Black = 0xFF000000;
constexpr uint32_t Purple = 0xFF800080; // (0.5, 0, 0.5), opaque

using GraphicsTest = OffscreenTest;

double DistanceFrom(int x, int y, float centreX, float centreY) {
    return std::hypot(x + 0.5 - centreX, y + 0.5 - centreY);
}

TEST(GraphicsDevice, HasNoRenderTargetBeforeInit) {
    Graphics graphics;
    EXPECT_EQ(graphics.GetRenderTarget(), nullptr);
    EXPECT_FALSE(graphics.Init(nullptr));
    EXPECT_EQ(graphics.GetRenderTarget(), nullptr);
    EXPECT_EQ(graphics.ReadPixel(0, 0), 0u);
    // Drawing on a device that was never set up does nothing and fails nothing.
    graphics.BeginDraw();
    graphics.ClearScreen(1.0f, 1.0f, 1.0f);
    graphics.DrawCircle(10.0f, 10.0f, 5.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    graphics.EndDraw();
}

TEST_F(GraphicsTest, OffscreenTargetIsTheGamePicture) {
    SDL_Renderer* renderer = graphics.GetRenderTarget();
    ASSERT_NE(renderer, nullptr);
    int width = 0;
    int height = 0;
    ASSERT_EQ(SDL_GetRendererOutputSize(renderer, &width, &height), 0);
    EXPECT_EQ(width, 1024);
    EXPECT_EQ(height, 768);
    EXPECT_EQ(graphics.ReadPixel(1024, 0), 0u);
    EXPECT_EQ(graphics.ReadPixel(0, -1), 0u);
}

TEST_F(GraphicsTest, ClearFillsEverythingWithOpaquePurpleOverEarlierDrawing) {
    graphics.BeginDraw();
    graphics.ClearScreen(1.0f, 0.0f, 0.0f);
    graphics.DrawCircle(300.0f, 300.0f, 100.0f, 0.0f, 1.0f, 0.0f, 1.0f);
    graphics.DrawCircle(10.0f, 10.0f, 50.0f, 0.0f, 0.0f, 1.0f, 0.5f);
    graphics.ClearScreen(0.5f, 0.0f, 0.5f);
    graphics.EndDraw();

    const std::vector<uint32_t> pixels = Snapshot();
    size_t wrong = 0;
    for (uint32_t pixel : pixels) {
        wrong += pixel != Purple ? 1 : 0;
    }
    EXPECT_EQ(wrong, 0u);
}

TEST_F(GraphicsTest, CircleIsAThreePixelLineCentredOnTheCircle) {
    const float centreX = 200.5f;
    const float centreY = 150.5f;
    const float radius = 10.0f;
    graphics.BeginDraw();
    graphics.ClearScreen(0.0f, 0.0f, 0.0f);
    graphics.DrawCircle(centreX, centreY, radius, 1.0f, 1.0f, 1.0f, 1.0f);
    graphics.EndDraw();

    // Along the four axes the line is exactly three pixels, at distances 9, 10 and 11.
    const int cx = 200;
    const int cy = 150;
    for (int step = 0; step <= 13; ++step) {
        const uint32_t expected = (step >= 9 && step <= 11) ? 0xFFFFFFFF : Black;
        EXPECT_EQ(Pixel(cx + step, cy), expected) << "right " << step;
        EXPECT_EQ(Pixel(cx - step, cy), expected) << "left " << step;
        EXPECT_EQ(Pixel(cx, cy + step), expected) << "down " << step;
        EXPECT_EQ(Pixel(cx, cy - step), expected) << "up " << step;
    }

    // All around: the inside stays untouched, the core of the line is solid, nothing is drawn
    // more than 1.5 pixels off the line.
    for (int y = 130; y < 172; ++y) {
        for (int x = 180; x < 222; ++x) {
            const double distance = DistanceFrom(x, y, centreX, centreY);
            const uint32_t pixel = Pixel(x, y);
            if (distance < radius - 1.5) {
                EXPECT_EQ(pixel, Black) << "inside at " << x << "," << y;
            } else if (distance > radius + 1.5) {
                EXPECT_EQ(pixel, Black) << "outside at " << x << "," << y;
            } else if (std::fabs(distance - radius) <= 1.0) {
                EXPECT_EQ(pixel, 0xFFFFFFFFu) << "gap in the line at " << x << "," << y;
            }
        }
    }
}

TEST_F(GraphicsTest, TranslucentCircleBlendsEvenlyOverWhatIsThere) {
    graphics.BeginDraw();
    graphics.ClearScreen(0.0f, 0.0f, 1.0f);
    graphics.DrawCircle(512.0f, 384.0f, 40.0f, 1.0f, 0.0f, 0.0f, 0.5f);
    graphics.EndDraw();

    // Every touched pixel is the same half-and-half mix: no pixel of the line was drawn twice.
    int touched = 0;
    for (int y = 340; y < 430; ++y) {
        for (int x = 468; x < 558; ++x) {
            const uint32_t pixel = Pixel(x, y);
            if (pixel == 0xFF0000FF) {
                continue;
            }
            ++touched;
            EXPECT_NEAR(RedOf(pixel), 128, 2) << x << "," << y;
            EXPECT_NEAR(BlueOf(pixel), 127, 2) << x << "," << y;
            EXPECT_EQ(AlphaOf(pixel), 255);
        }
    }
    // Roughly the line's area: 3 pixels times the circumference.
    EXPECT_NEAR(touched, 3.0 * 2.0 * std::numbers::pi * 40.0, 40.0);
}

TEST_F(GraphicsTest, CircleReachingPastTheEdgesIsClipped) {
    graphics.BeginDraw();
    graphics.ClearScreen(0.0f, 0.0f, 0.0f);
    graphics.DrawCircle(0.0f, 0.0f, 20.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    graphics.DrawCircle(1024.0f, 768.0f, 5000.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    graphics.EndDraw();
    EXPECT_EQ(Pixel(20, 0), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(0, 20), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(5, 5), Black);
    // The huge circle's line lies far outside the picture.
    EXPECT_EQ(Pixel(1023, 767), Black);
    EXPECT_EQ(Pixel(512, 384), Black);
}

// With a window: SDL's dummy video driver gives a real window without a display, drawn by the
// software renderer, so the window path of the device runs here too.
class WindowGraphicsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        window = SDL_CreateWindow("test", 0, 0, 1024, 768, SDL_WINDOW_RESIZABLE);
        ASSERT_NE(window, nullptr) << SDL_GetError();
    }
    void TearDown() override {
        delete graphics;
        if (window != nullptr) {
            SDL_DestroyWindow(window);
        }
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    // The window point lands on the game picture, at its pixel (x, y).
    void ExpectGamePixel(int windowX, int windowY, int x, int y) {
        SCOPED_TRACE("window point " + std::to_string(windowX) + ", " + std::to_string(windowY));
        int gameX = -1;
        int gameY = -1;
        EXPECT_TRUE(graphics->WindowToGame(windowX, windowY, gameX, gameY));
        EXPECT_EQ(gameX, x);
        EXPECT_EQ(gameY, y);
    }

    // Whether the window point lands on the game picture at all.
    bool OnGamePicture(int windowX, int windowY) {
        int gameX = -1;
        int gameY = -1;
        return graphics->WindowToGame(windowX, windowY, gameX, gameY);
    }

    SDL_Window* window = nullptr;
    Graphics* graphics = new Graphics();
};

TEST_F(WindowGraphicsTest, DrawsAFrameIntoTheGamePictureAndPresentsIt) {
    ASSERT_TRUE(graphics->Init(window));
    ASSERT_NE(graphics->frame, nullptr);
    int width = 0;
    int height = 0;
    ASSERT_EQ(SDL_QueryTexture(graphics->frame, nullptr, nullptr, &width, &height), 0);
    EXPECT_EQ(width, 1024);
    EXPECT_EQ(height, 768);

    graphics->BeginDraw();
    graphics->ClearScreen(0.5f, 0.0f, 0.5f);
    graphics->DrawCircle(100.5f, 100.5f, 10.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    graphics->EndDraw();

    EXPECT_EQ(graphics->ReadPixel(0, 0), Purple);
    EXPECT_EQ(graphics->ReadPixel(110, 100), 0xFFFFFFFFu);
    EXPECT_EQ(graphics->ReadPixel(100, 100), Purple);
    std::vector<uint32_t> pixels(size_t(Graphics::Width) * Graphics::Height);
    ASSERT_TRUE(graphics->ReadPixels(pixels.data()));
    EXPECT_EQ(pixels[size_t(767) * Graphics::Width + 1023], Purple);
    EXPECT_EQ(pixels[size_t(100) * Graphics::Width + 111], 0xFFFFFFFFu);
}

TEST_F(WindowGraphicsTest, WindowPointsMapThroughTheLetterbox) {
    ASSERT_TRUE(graphics->Init(window));
    ExpectGamePixel(0, 0, 0, 0);
    ExpectGamePixel(1023, 767, 1023, 767);
    EXPECT_FALSE(OnGamePicture(1024, 100));

    // Widened to 2048 by 768: the picture keeps its size in the middle, bars either side.
    SDL_SetWindowSize(window, 2048, 768);
    SDL_PumpEvents();
    graphics->BeginDraw();
    graphics->ClearScreen(0.0f, 0.0f, 0.0f);
    graphics->EndDraw();
    EXPECT_FALSE(OnGamePicture(100, 300));
    ExpectGamePixel(512, 300, 0, 300);
    ExpectGamePixel(1535, 767, 1023, 767);
    EXPECT_FALSE(OnGamePicture(1536, 300));

    // Enlarged to twice the size each way: every game pixel covers two by two.
    SDL_SetWindowSize(window, 2048, 1536);
    SDL_PumpEvents();
    ExpectGamePixel(2047, 1535, 1023, 767);
    ExpectGamePixel(1001, 500, 500, 250);
}

TEST_F(WindowGraphicsTest, PresentedFrameIsLetterboxedInTheWindow) {
    ASSERT_TRUE(graphics->Init(window));
    SDL_SetWindowSize(window, 2048, 768);
    SDL_PumpEvents();
    graphics->BeginDraw();
    graphics->ClearScreen(0.5f, 0.0f, 0.5f);
    graphics->EndDraw();
    // The window's own pixels: black bars, the picture in the middle.
    SDL_Surface* shown = SDL_GetWindowSurface(window);
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(shown->w, 2048);
    auto windowPixel = [shown](int x, int y) {
        Uint32 pixel = 0;
        SDL_Surface* one = SDL_CreateRGBSurfaceWithFormat(0, 1, 1, 32, SDL_PIXELFORMAT_ARGB8888);
        SDL_Rect source = {x, y, 1, 1};
        SDL_BlitSurface(shown, &source, one, nullptr);
        pixel = *static_cast<Uint32*>(one->pixels);
        SDL_FreeSurface(one);
        return pixel & 0x00FFFFFF;
    };
    EXPECT_EQ(windowPixel(100, 400), 0x000000u);
    EXPECT_EQ(windowPixel(511, 400), 0x000000u);
    EXPECT_EQ(windowPixel(512, 400), 0x800080u);
    EXPECT_EQ(windowPixel(1535, 400), 0x800080u);
    EXPECT_EQ(windowPixel(1536, 400), 0x000000u);
}

} // namespace

} // namespace vantor::test
