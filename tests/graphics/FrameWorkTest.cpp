#include "OffscreenTest.h"
#include "TestPicture.h"
#include "support/AllocationCounter.h"
#include "support/TempDirectory.h"

#include "graphics/SpriteSheet.h"
#include "graphics/TextWriter.h"

#include <gtest/gtest.h>

namespace vantor::test {

namespace {

using FrameWorkTest = OffscreenTest;

// A frame draws with what loading made: once every glyph in use has been seen, a whole frame
// of clearing, circles, pictures and text makes no allocation of ours, nor does SDL make one
// for it, though the rotated pictures turn to a new angle in every frame.
TEST_F(FrameWorkTest, SteadyFramesAllocateNothing) {
    if (!AllocationCounter::Counts()) {
        GTEST_SKIP() << "operator new cannot be replaced in this build";
    }
    TempDirectory files;
    TestPicture picture(256, 128, 0xFFFF00FF);
    picture.Fill(10, 10, 50, 50, 0xFF00FF00);
    picture.SavePng(files.File("strip.png"));
    SpriteSheet strip(files.File("strip.png").c_str(), &graphics, 128, 128, MagentaKey);
    SpriteSheet pair(files.File("strip.png").c_str(), files.File("strip.png").c_str(), &graphics,
                     MagentaKey);
    TextWriter writer(&graphics, 15, "Bar Code", 1.0f, 1.0f, 0.0f);

    auto frame = [&](int step) {
        graphics.BeginDraw();
        graphics.ClearScreen(0.5f, 0.0f, 0.5f);
        graphics.DrawCircle(300.0f, 300.0f, 40.0f, 1.0f, 1.0f, 1.0f, 0.5f);
        strip.Draw(0.0f, 0.0f);
        strip.DrawFrame(step % 2, 300.0f, 0.0f);
        strip.DrawRotated(step * 7, 500.0f, 200.0f);
        pair.DrawRotatedPair(step * 11, 700.0f, 400.0f);
        writer.DrawString(400, 730, L"Warp \u00e9\u00e8\u00ea");
        writer.DrawNumber(600, 730, -150 * step);
        graphics.EndDraw();
    };
    // The first frame meets the glyphs beyond ASCII. Where SDL's renderer draws the text it
    // keeps a pool of drawing commands as large as the busiest frame so far: the frame with the
    // longest number is shown to it once too.
    frame(1);
    frame(11);
    const size_t before = AllocationCounter::Count();
    const size_t sdlBefore = AllocationCounter::SdlCount();
    for (int step = 2; step < 12; ++step) {
        frame(step);
    }
    // Enough repeats that glyphs rendered anew on every use would outgrow their textures.
    for (int repeat = 0; repeat < 2000; ++repeat) {
        writer.DrawString(10, 10, L"\u00e9\u00e8\u00ea");
    }
    EXPECT_EQ(AllocationCounter::Count(), before);
    EXPECT_EQ(AllocationCounter::SdlCount(), sdlBefore);
}

} // namespace

} // namespace vantor::test
