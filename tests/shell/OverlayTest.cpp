// What the shell shows over the game picture in a window: the menu with its words, the
// volume, the notices and the captions, read back from the window's own pixels, while the game
// picture itself never holds any of it.
#include "app/ShellOverlay.h"
#include "graphics/Graphics.h"
#include "graphics/Letterbox.h"
#include "sound/SoundFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace vantor::test {

namespace {

constexpr uint32_t Grey = 0xFF808080u;

class OverlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        // SDL's dummy video driver gives a real window without a display, shown through the
        // software renderer, so the window's pixels can be read back.
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        window = SDL_CreateWindow("test", 0, 0, Graphics::Width, Graphics::Height, 0);
        ASSERT_NE(window, nullptr) << SDL_GetError();
        graphics = std::make_unique<Graphics>();
        ASSERT_TRUE(graphics->Init(window));
        overlay =
            std::make_unique<app::ShellOverlay>(graphics.get(), menu, captions, guidance, settings);
        graphics->overlay = overlay.get();
        graphics->BeginDraw();
        graphics->ClearScreen(0.5f, 0.5f, 0.5f);
        graphics->EndDraw();
    }
    void TearDown() override {
        overlay.reset();
        graphics.reset();
        if (window != nullptr) {
            SDL_DestroyWindow(window);
        }
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    // The window's pixels as 0xRRGGBB, row by row.
    std::vector<uint32_t> Shown() {
        std::vector<uint32_t> pixels(size_t(Graphics::Width) * Graphics::Height);
        SDL_Surface* surface = SDL_GetWindowSurface(window);
        if (surface == nullptr || surface->w != Graphics::Width ||
            SDL_ConvertPixels(Graphics::Width, Graphics::Height, surface->format->format,
                              surface->pixels, surface->pitch, SDL_PIXELFORMAT_ARGB8888,
                              pixels.data(), Graphics::Width * 4) != 0) {
            ADD_FAILURE() << "the window's pixels cannot be read";
            pixels.clear();
        }
        for (uint32_t& pixel : pixels) {
            pixel &= 0x00FFFFFFu;
        }
        return pixels;
    }

    // How many pixels of the box are bright: the overlay's text, which nothing else of these
    // pictures is.
    static int TextPixels(const std::vector<uint32_t>& pixels, int x, int y, int w, int h) {
        int count = 0;
        for (int row = y; row < y + h && !pixels.empty(); ++row) {
            for (int column = x; column < x + w; ++column) {
                const uint32_t pixel = pixels[size_t(row) * Graphics::Width + size_t(column)];
                if ((pixel >> 16 & 0xFF) + (pixel >> 8 & 0xFF) + (pixel & 0xFF) > 540) {
                    ++count;
                }
            }
        }
        return count;
    }

    SDL_Window* window = nullptr;
    std::unique_ptr<Graphics> graphics;
    app::Settings settings;
    app::Menu menu{settings};
    app::Captions captions;
    app::Guidance guidance{settings};
    std::unique_ptr<app::ShellOverlay> overlay;
};

TEST_F(OverlayTest, TheMenuShowsItsWordsOverTheDimmedPicture) {
    menu.Open(app::Menu::Screen::Main);
    graphics->Present();
    const std::vector<uint32_t> shown = Shown();
    ASSERT_FALSE(shown.empty());
    // "Paused" over the middle of the panel, then Resume, lit, and the other items.
    EXPECT_GT(TextPixels(shown, 312, 212, 400, 48), 300);
    EXPECT_GT(TextPixels(shown, 150, 284, 300, 46), 100);
    EXPECT_GT(TextPixels(shown, 150, 468, 300, 46), 50);
    // The rest is the game picture dimmed.
    const uint32_t corner = shown[0];
    EXPECT_LT(corner & 0xFF, 0x80u);
    EXPECT_GT(corner & 0xFF, 0x20u);
    // The game picture itself holds none of it.
    EXPECT_EQ(graphics->ReadPixel(0, 0), Grey);
    EXPECT_EQ(graphics->ReadPixel(512, 340), Grey);
}

TEST_F(OverlayTest, ACaptionShowsAboveTheStatusBarAndNotWithCaptionsOff) {
    captions.Started(sound::SoundFiles::ShieldsFailing, 1500);
    EXPECT_TRUE(overlay->Visible());
    graphics->Present();
    EXPECT_GT(TextPixels(Shown(), 262, 670, 500, 40), 200);
    EXPECT_EQ(TextPixels(Shown(), 0, 720, Graphics::Width, 48), 0);

    settings.captions = false;
    EXPECT_FALSE(overlay->Visible());
    graphics->Present();
    EXPECT_EQ(TextPixels(Shown(), 0, 0, Graphics::Width, Graphics::Height), 0);
}

TEST_F(OverlayTest, TheVolumeAndANoticeShowWithoutThePause) {
    overlay->ShowVolume(70, false, 1000);
    overlay->ShowNotice(L"Screenshot saved", 1000);
    graphics->Present();
    const std::vector<uint32_t> shown = Shown();
    ASSERT_FALSE(shown.empty());
    EXPECT_GT(TextPixels(shown, 382, 100, 260, 36), 100);             // "Volume 70%"
    EXPECT_GT(TextPixels(shown, 312, 600, 400, 40), 100);             // the notice
    EXPECT_EQ(shown[size_t(146) * Graphics::Width + 412], 0x5ADC78u); // a lit step of ten
    EXPECT_EQ(shown[0], 0x808080u);                                   // no dimming

    // Once they have shown long enough, the picture is shown as it is.
    EXPECT_TRUE(overlay->Expire(1000 + app::ShellOverlay::NoticeShownMs +
                                app::ShellOverlay::VolumeShownMs));
    graphics->Present();
    const std::vector<uint32_t> after = Shown();
    EXPECT_EQ(TextPixels(after, 0, 0, Graphics::Width, Graphics::Height), 0);
}

TEST_F(OverlayTest, APadPlayerSeesTheCrosshairAndTheButtonsLine) {
    overlay->ShowCrosshair(true, 300, 200);
    overlay->ShowPadPrompt(L"A: start   Start: menu");
    EXPECT_TRUE(overlay->Visible());
    graphics->Present();
    const std::vector<uint32_t> shown = Shown();
    ASSERT_FALSE(shown.empty());
    // An arm of the crosshair right of its open centre, and the centre itself.
    EXPECT_EQ(shown[size_t(200) * Graphics::Width + 300 + 12], 0x78FFAAu);
    EXPECT_EQ(shown[size_t(200) * Graphics::Width + 300], 0x78FFAAu);
    EXPECT_EQ(shown[size_t(200) * Graphics::Width + 300 + 4], 0x808080u);
    EXPECT_GT(TextPixels(shown, 262, 595, 500, 36), 100); // the line, where prompts go
    EXPECT_EQ(graphics->ReadPixel(312, 200), Grey);

    overlay->ShowCrosshair(false, 300, 200);
    overlay->ShowPadPrompt(L"");
    EXPECT_FALSE(overlay->Visible());
}

TEST_F(OverlayTest, TouchButtonsShowInTheBarsBesideThePicture) {
    // A wide window: the picture in the middle, bars to the left and right.
    SDL_SetWindowSize(window, 1600, 600);
    const SDL_Rect picture = graphics::Letterbox::Fit(1600, 600);
    game::LevelView view;
    view.playing = true;
    view.planetPanel = true;
    app::TouchButtons buttons;
    buttons.Lay(view, false, 1600, 600, picture, 96.0f / 25.4f);
    overlay->ShowTouchButtons(&buttons);
    EXPECT_TRUE(overlay->VisibleOnOutput());
    graphics->Present();
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(surface->w, 1600);
    std::vector<uint32_t> pixels(size_t(1600) * 600);
    ASSERT_EQ(SDL_ConvertPixels(1600, 600, surface->format->format, surface->pixels, surface->pitch,
                                SDL_PIXELFORMAT_ARGB8888, pixels.data(), 1600 * 4),
              0);
    ASSERT_EQ(buttons.Count(), 4);
    for (int i = 0; i < buttons.Count(); ++i) {
        const SDL_Rect place = buttons.At(i).place;
        EXPECT_FALSE(SDL_HasIntersection(&place, &picture)) << i;
        // Its edge, and its word in white inside it.
        EXPECT_EQ(pixels[size_t(place.y) * 1600 + size_t(place.x)] & 0xFFFFFFu, 0x5ABEFFu) << i;
        int white = 0;
        for (int y = place.y + 4; y < place.y + place.h - 4; ++y) {
            for (int x = place.x + 4; x < place.x + place.w - 4; ++x) {
                white += (pixels[size_t(y) * 1600 + size_t(x)] & 0xFFFFFFu) > 0xE0E0E0u;
            }
        }
        EXPECT_GT(white, 20) << i;
    }
    overlay->ShowTouchButtons(nullptr);
    EXPECT_FALSE(overlay->VisibleOnOutput());
}

} // namespace

} // namespace vantor::test
