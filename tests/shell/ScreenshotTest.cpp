#include "app/Screenshot.h"
#include "graphics/Graphics.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <SDL_image.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace vantor::test {

namespace {

TEST(Screenshot, IsNamedByTheDateAndTimeAndCountedWithinASecond) {
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 9;
    time.tm_hour = 8;
    time.tm_min = 5;
    time.tm_sec = 3;
    EXPECT_EQ(app::Screenshot::FileName(time, 1), "vantor-game-2026-12-09_08-05-03.png");
    EXPECT_EQ(app::Screenshot::FileName(time, 2), "vantor-game-2026-12-09_08-05-03-2.png");
}

TEST(Screenshot, HoldsTheGamePictureItselfOpaque) {
    Graphics graphics;
    ASSERT_TRUE(graphics.InitOffscreen());
    graphics.BeginDraw();
    graphics.ClearScreen(0.0f, 0.0f, 0.0f);
    SDL_Renderer* renderer = graphics.GetRenderTarget();
    SDL_SetRenderDrawColor(renderer, 200, 40, 10, 255);
    const SDL_Rect patch = {1000, 700, 24, 68};
    SDL_RenderFillRect(renderer, &patch);
    graphics.EndDraw();

    std::string png;
    std::string error;
    ASSERT_TRUE(app::Screenshot::Encode(graphics, png, error)) << error;
    SDL_Surface* decoded = IMG_Load_RW(SDL_RWFromConstMem(png.data(), int(png.size())), 1);
    ASSERT_NE(decoded, nullptr) << IMG_GetError();
    SDL_Surface* pixels = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(decoded);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(pixels->w, Graphics::Width);
    EXPECT_EQ(pixels->h, Graphics::Height);
    auto at = [&](int x, int y) {
        return static_cast<const uint32_t*>(pixels->pixels)[y * pixels->pitch / 4 + x];
    };
    EXPECT_EQ(at(1023, 767), 0xFFC8280Au);
    EXPECT_EQ(at(999, 767), 0xFF000000u);
    EXPECT_EQ(at(0, 0), 0xFF000000u);
    SDL_FreeSurface(pixels);
}

TEST(Screenshot, WithoutAFolderNothingIsWrittenAndTheReasonIsGiven) {
    Graphics graphics;
    ASSERT_TRUE(graphics.InitOffscreen());
    std::string error;
    EXPECT_TRUE(app::Screenshot::Save(graphics, "", error).empty());
    EXPECT_FALSE(error.empty());

    TempDirectory folder;
    std::ofstream(folder.File("taken")) << "a file, not a folder";
    error.clear();
    EXPECT_TRUE(app::Screenshot::Save(graphics, folder.File("taken"), error).empty());
    EXPECT_NE(error.find("taken"), std::string::npos) << error;
}

} // namespace

} // namespace vantor::test
