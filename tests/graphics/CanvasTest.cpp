// Drawing with the processor on the offscreen picture: pictures blended as SDL's renderer
// blends them, a clear left undone only under an opaque picture over the whole screen, and a
// turned picture worked out once for each angle it keeps.
#include "OffscreenTest.h"
#include "TestPicture.h"
#include "support/TempDirectory.h"

#include "graphics/SpriteSheet.h"
#include "graphics/TurnedPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <string>

namespace vantor::test {

namespace {

constexpr uint32_t Magenta = 0xFFFF00FF;

class CanvasTest : public OffscreenTest {
protected:
    void SetUp() override {
#if !VANTOR_CANVAS
        GTEST_SKIP() << "built without pixman: SDL's renderer draws every picture";
#endif
        OffscreenTest::SetUp();
    }

    std::string Save(const TestPicture& picture, const char* name) {
        const std::string path = files.File(name);
        picture.SavePng(path);
        return path;
    }

    TempDirectory files;
};

TEST_F(CanvasTest, TheOffscreenPictureIsDrawnByTheProcessor) {
    EXPECT_TRUE(graphics.DrawsOnCanvas());
    EXPECT_NE(graphics.CanvasToDraw(), nullptr);
    Graphics none;
    EXPECT_EQ(none.CanvasToDraw(), nullptr);
}

// Every alpha from clear to opaque, over a background of another colour: each channel is the
// mix of the two by the alpha, as SDL's renderer mixes them, give or take its rounding.
TEST_F(CanvasTest, EveryAlphaBlendsAsTheRendererBlends) {
    TestPicture ramp(256, 4, 0);
    for (int alpha = 0; alpha < 256; ++alpha) {
        ramp.Fill(alpha, 0, 1, 4, uint32_t(alpha) << 24 | 0xE0C020u);
    }
    SpriteSheet sheet(Save(ramp, "ramp.png").c_str(), &graphics, MagentaKey,
                      SpriteSheet::Drawing::UprightOnly);
    graphics.BeginDraw();
    graphics.ClearScreen(0.2f, 0.4f, 1.0f); // (51, 102, 255)
    sheet.Draw(100.0f, 100.0f);
    graphics.EndDraw();

    int worst = 0;
    for (int alpha = 0; alpha < 256; ++alpha) {
        const uint32_t pixel = Pixel(100 + alpha, 101);
        const int expected[3] = {(0xE0 * alpha + 51 * (255 - alpha)) / 255,
                                 (0xC0 * alpha + 102 * (255 - alpha)) / 255,
                                 (0x20 * alpha + 255 * (255 - alpha)) / 255};
        const int got[3] = {RedOf(pixel), GreenOf(pixel), BlueOf(pixel)};
        for (int c = 0; c < 3; ++c) {
            worst = std::max(worst, std::abs(got[c] - expected[c]));
        }
        EXPECT_EQ(AlphaOf(pixel), 255) << "alpha " << alpha;
    }
    EXPECT_LE(worst, 2);
    EXPECT_EQ(Pixel(99, 101), 0xFF3366FFu);
}

TEST_F(CanvasTest, AClearIsLeftUndoneOnlyUnderAnOpaquePictureOverTheWholeScreen) {
    TestPicture opaque(Graphics::Width, Graphics::Height, 0xFF102030);
    TestPicture translucent(Graphics::Width, Graphics::Height, 0x80000000);
    TestPicture small(100, 100, 0xFF102030);
    SpriteSheet whole(Save(opaque, "opaque.png").c_str(), &graphics, MagentaKey,
                      SpriteSheet::Drawing::UprightOnly);
    SpriteSheet veil(Save(translucent, "veil.png").c_str(), &graphics, MagentaKey,
                     SpriteSheet::Drawing::UprightOnly);
    SpriteSheet patch(Save(small, "small.png").c_str(), &graphics, MagentaKey,
                      SpriteSheet::Drawing::UprightOnly);

    graphics.BeginDraw();
    graphics.ClearScreen(1.0f, 0.0f, 0.0f);
    whole.Draw(0.0f, 0.0f);
    graphics.EndDraw();
    EXPECT_EQ(Pixel(0, 0), 0xFF102030u);
    EXPECT_EQ(Pixel(1023, 767), 0xFF102030u);

    // Half black over the red of the clear.
    graphics.BeginDraw();
    graphics.ClearScreen(1.0f, 0.0f, 0.0f);
    veil.Draw(0.0f, 0.0f);
    graphics.EndDraw();
    EXPECT_NEAR(RedOf(Pixel(500, 500)), 127, 2);
    EXPECT_EQ(GreenOf(Pixel(500, 500)), 0);

    // Moved a pixel, the opaque picture leaves a row and a column of the clear.
    graphics.BeginDraw();
    graphics.ClearScreen(0.0f, 1.0f, 0.0f);
    whole.Draw(1.0f, 1.0f);
    patch.Draw(0.0f, 0.0f);
    graphics.EndDraw();
    EXPECT_EQ(Pixel(1023, 0), 0xFF00FF00u);
    EXPECT_EQ(Pixel(0, 767), 0xFF00FF00u);
    EXPECT_EQ(Pixel(500, 500), 0xFF102030u);
    EXPECT_EQ(Pixel(50, 50), 0xFF102030u);
}

TEST_F(CanvasTest, EachAngleIsWorkedOutOnceWhileItIsDrawn) {
    TestPicture ship(100, 74, Magenta);
    ship.Fill(10, 5, 80, 64, 0xFF00FF00);
    SpriteSheet sheet(Save(ship, "ship.png").c_str(), &graphics, MagentaKey);
    // One frame of the ship drawn at each angle and place in turn; how many turned pictures it
    // worked out.
    struct Turned {
        int angle;
        float x;
        float y;
    };
    auto turnsOf = [&](std::initializer_list<Turned> draws) {
        const long long before = graphics::TurnedPicture::turns;
        graphics.BeginDraw();
        graphics.ClearScreen(0.0f, 0.0f, 0.0f);
        for (const Turned& draw : draws) {
            sheet.DrawRotated(draw.angle, draw.x, draw.y);
        }
        graphics.EndDraw();
        return graphics::TurnedPicture::turns - before;
    };

    // Upright needs no turning at all.
    EXPECT_EQ(turnsOf({{0, 10.0f, 10.0f}}), 0);
    EXPECT_EQ(turnsOf({{360, 10.0f, 10.0f}}), 0);
    // A heading, and then the same heading drawn upright too, as a torpedo in flight and in
    // the bottom bar: turned once, and never again while the heading stays.
    EXPECT_EQ(turnsOf({{40, 300.0f, 300.0f}}), 1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(turnsOf({{40, 300.0f, 300.0f}, {0, 500.0f, 700.0f}}), 0);
    }
    // Two headings in one frame keep both.
    EXPECT_EQ(turnsOf({{40, 300.0f, 300.0f}, {220, 600.0f, 300.0f}}), 1);
    EXPECT_EQ(turnsOf({{220, 600.0f, 300.0f}, {40, 300.0f, 300.0f}}), 0);
    // A new heading takes the place of the one drawn longest ago.
    EXPECT_EQ(turnsOf({{220, 600.0f, 300.0f}, {41, 300.0f, 300.0f}}), 1);
    EXPECT_EQ(turnsOf({{220, 600.0f, 300.0f}}), 0);
    EXPECT_EQ(turnsOf({{40, 300.0f, 300.0f}}), 1);
}

} // namespace

} // namespace vantor::test
