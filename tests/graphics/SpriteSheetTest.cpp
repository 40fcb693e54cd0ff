#include "OffscreenTest.h"
#include "TestPicture.h"
#include "support/RecordingReporter.h"
#include "support/TempDirectory.h"

#include "graphics/SpriteSheet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

constexpr uint32_t Magenta = 0xFFFF00FF; // the ships' key colour (1, 0, 1)
constexpr uint32_t Green = 0xFF00FF00;
constexpr uint32_t Red = 0xFFFF0000;
constexpr uint32_t Yellow = 0xFFFFFF00;
constexpr uint32_t Blue = 0xFF0000FF;
constexpr uint32_t White = 0xFFFFFFFF;

class SpriteSheetTest : public OffscreenTest {
protected:
    // A 100 by 74 ship on a magenta background: a green hull with a red 4 by 4 mark near its
    // top-right (source pixels 70 to 73, 10 to 13).
    std::string MakeShip() {
        TestPicture ship(100, 74, Magenta);
        ship.Fill(10, 5, 80, 64, Green);
        ship.Fill(70, 10, 4, 4, Red);
        const std::string path = files.File("ship.bmp");
        ship.SaveBmp(path);
        return path;
    }

    void StartFrame(float r, float g, float b) {
        graphics.BeginDraw();
        graphics.ClearScreen(r, g, b);
    }

    bool IsRed(uint32_t pixel) {
        return RedOf(pixel) > 200 && GreenOf(pixel) < 60 && BlueOf(pixel) < 60;
    }

    TempDirectory files;
    RecordingReporter reporter;
};

TEST_F(SpriteSheetTest, DrawShowsTheKeyColourThatDrawRotatedRemoves) {
    SpriteSheet sheet(MakeShip().c_str(), &graphics, MagentaKey);
    StartFrame(0.0f, 0.0f, 1.0f);
    sheet.Draw(10.0f, 20.0f);
    sheet.DrawRotated(0, 300.0f, 20.0f);
    graphics.EndDraw();

    // Draw: the whole picture at its own size, key colour and all.
    EXPECT_EQ(Pixel(10, 20), Magenta);
    EXPECT_EQ(Pixel(109, 93), Magenta);
    EXPECT_EQ(Pixel(110, 94), Blue);
    EXPECT_EQ(Pixel(9, 20), Blue);
    EXPECT_EQ(Pixel(40, 50), Green);
    EXPECT_EQ(Pixel(81, 31), Red);

    // DrawRotated at angle 0: the same place, the background keyed out.
    EXPECT_EQ(Pixel(300, 20), Blue);
    EXPECT_EQ(Pixel(399, 93), Blue);
    EXPECT_EQ(Pixel(330, 50), Green);
    EXPECT_TRUE(IsRed(Pixel(371, 31)));
}

TEST_F(SpriteSheetTest, KeyTakesNearColoursButKeepsOthersAndTheirAlpha) {
    TestPicture picture(40, 10, Magenta);
    picture.Fill(10, 0, 10, 10, 0xFFC040C0); // near the key: every channel within 0.7
    picture.Fill(20, 0, 10, 10, 0xFFFF0046); // blue 70: 0.725 from the key's blue
    picture.Fill(30, 0, 10, 10, 0x8000FF00); // half-transparent green
    const std::string path = files.File("near.png");
    picture.SavePng(path);
    SpriteSheet sheet(path.c_str(), &graphics, MagentaKey);

    StartFrame(0.0f, 0.0f, 0.0f);
    sheet.DrawRotated(0, 0.0f, 0.0f);
    sheet.Draw(0.0f, 100.0f);
    graphics.EndDraw();

    EXPECT_EQ(Pixel(5, 5), 0xFF000000);
    EXPECT_EQ(Pixel(15, 5), 0xFF000000);
    EXPECT_EQ(Pixel(25, 5), 0xFFFF0046);
    EXPECT_EQ(RedOf(Pixel(35, 5)), 0);
    EXPECT_NEAR(GreenOf(Pixel(35, 5)), 128, 2);
    // Unkeyed, the near colour shows and the half-transparent green blends the same way.
    EXPECT_EQ(Pixel(15, 105), 0xFFC040C0);
    EXPECT_NEAR(GreenOf(Pixel(35, 105)), 128, 2);
}

TEST_F(SpriteSheetTest, QuarterTurnIsClockwiseAboutFiftyThirtySeven) {
    SpriteSheet sheet(MakeShip().c_str(), &graphics, MagentaKey);
    StartFrame(0.0f, 0.0f, 0.0f);
    sheet.DrawRotated(90, 0.0f, 0.0f);
    graphics.EndDraw();

    // A quarter turn clockwise about (50, 37) takes the mark's centre (72, 12) to (75, 59).
    EXPECT_TRUE(IsRed(Pixel(75, 59)));
    EXPECT_TRUE(IsRed(Pixel(74, 58)));
    // Not left where it was, and not turned the other way (that would take it to (25, 15)).
    EXPECT_FALSE(IsRed(Pixel(71, 11)));
    EXPECT_FALSE(IsRed(Pixel(25, 15)));
    // The hull, 80 wide and 64 high, now stands 64 wide and 80 high about the same point:
    // its source corner (10, 5) lands at (82, -3) and (89, 68) at (19, 76).
    EXPECT_EQ(Pixel(30, 10), Green);
    EXPECT_EQ(Pixel(80, 70), Green);
    EXPECT_EQ(Pixel(15, 40), 0xFF000000);
    EXPECT_EQ(Pixel(86, 40), 0xFF000000);
}

TEST_F(SpriteSheetTest, RotatedDrawsAreSmoothedWholeOnesAreNot) {
    SpriteSheet sheet(MakeShip().c_str(), &graphics, MagentaKey);
    auto partlyGreen = [this](int left) {
        int count = 0;
        for (int y = 0; y < 200; ++y) {
            for (int x = left; x < left + 200; ++x) {
                const uint32_t pixel = Pixel(x, y);
                count += GreenOf(pixel) > 0 && GreenOf(pixel) < 255 && RedOf(pixel) == 0 ? 1 : 0;
            }
        }
        return count;
    };
    StartFrame(0.0f, 0.0f, 0.0f);
    sheet.DrawRotated(30, 50.0f, 50.0f);
    sheet.Draw(350.0f, 50.0f);
    graphics.EndDraw();
    // The hull's slanted edges blend into the background; drawn whole, every pixel is either
    // the hull's or the picture's own.
    EXPECT_GT(partlyGreen(0), 40);
    EXPECT_EQ(partlyGreen(300), 0);
}

TEST_F(SpriteSheetTest, RotationCentreStaysFixedWhateverThePictureSize) {
    TestPicture picture(200, 200, Magenta);
    picture.Fill(10, 10, 4, 4, Red);
    picture.Fill(150, 150, 50, 50, Green);
    const std::string path = files.File("big.png");
    picture.SavePng(path);
    SpriteSheet sheet(path.c_str(), &graphics, MagentaKey);

    StartFrame(0.0f, 0.0f, 0.0f);
    sheet.DrawRotated(180, 300.0f, 200.0f);
    graphics.EndDraw();

    // Half a turn about (350, 237): source (12, 12) lands at (388, 262), not about the
    // picture's own middle (which would put it at (488, 388)).
    EXPECT_TRUE(IsRed(Pixel(388, 262)));
    EXPECT_FALSE(IsRed(Pixel(488, 388)));
    // The green corner block, source (150..199, 150..199), lands at (201..250, 75..124).
    EXPECT_EQ(Pixel(225, 100), Green);
}

TEST_F(SpriteSheetTest, UnrotatedDrawsRightAfterARotatedOneStayUpright) {
    SpriteSheet sheet(MakeShip().c_str(), &graphics, MagentaKey);
    StartFrame(0.0f, 0.0f, 1.0f);
    sheet.DrawRotated(37, 500.0f, 300.0f);
    sheet.Draw(100.0f, 100.0f);
    sheet.DrawFrame(0, 100.0f, 400.0f);
    sheet.DrawRotated(0, 300.0f, 100.0f);
    graphics.EndDraw();

    EXPECT_EQ(Pixel(100, 100), Magenta);
    EXPECT_EQ(Pixel(171, 111), Red);
    EXPECT_EQ(Pixel(199, 173), Magenta);
    EXPECT_EQ(Pixel(171, 411), Red);
    EXPECT_EQ(Pixel(199, 473), Magenta);
    EXPECT_TRUE(IsRed(Pixel(371, 111)));
    EXPECT_EQ(Pixel(300, 100), Blue);
}

// The turned picture is worked out once per angle and kept: whatever angles come between,
// an angle draws the same pixels each time, and angles a whole turn apart are the same angle.
TEST_F(SpriteSheetTest, AnAngleDrawsTheSamePixelsWhateverCameBefore) {
    SpriteSheet sheet(MakeShip().c_str(), &graphics, MagentaKey);
    auto drawn = [&](auto draws) {
        StartFrame(0.0f, 0.0f, 0.0f);
        draws();
        graphics.EndDraw();
        return Snapshot();
    };
    const std::vector<uint32_t> first = drawn([&] { sheet.DrawRotated(37, 400.0f, 300.0f); });
    // Other angles in between, one of them in the same frame just before.
    drawn([&] { sheet.DrawRotated(200, 400.0f, 300.0f); });
    const std::vector<uint32_t> again = drawn([&] {
        sheet.DrawRotated(-91, 0.0f, 0.0f);
        StartFrame(0.0f, 0.0f, 0.0f);
        sheet.DrawRotated(37, 400.0f, 300.0f);
    });
    EXPECT_TRUE(first == again);
    EXPECT_TRUE(drawn([&] { sheet.DrawRotated(37 + 360, 400.0f, 300.0f); }) == first);
    EXPECT_TRUE(drawn([&] { sheet.DrawRotated(37 - 720, 400.0f, 300.0f); }) == first);

    // A quarter turn back is three quarter turns on, pixel for pixel.
    const std::vector<uint32_t> back = drawn([&] { sheet.DrawRotated(-90, 400.0f, 300.0f); });
    EXPECT_TRUE(drawn([&] { sheet.DrawRotated(270, 400.0f, 300.0f); }) == back);
    EXPECT_FALSE(back == first);
}

// One sheet drawn at two angles in one frame shows both: the second angle does not overwrite
// the first before it is on the picture.
TEST_F(SpriteSheetTest, TwoAnglesOfOnePictureInOneFrameBothShow) {
    SpriteSheet sheet(MakeShip().c_str(), &graphics, MagentaKey);
    StartFrame(0.0f, 0.0f, 0.0f);
    sheet.DrawRotated(0, 0.0f, 0.0f);
    sheet.DrawRotated(90, 300.0f, 0.0f);
    graphics.EndDraw();
    // Upright, the mark is at (70..73, 10..13); a quarter turn takes its middle to (75, 59).
    EXPECT_EQ(Pixel(71, 11), Red);
    EXPECT_TRUE(IsRed(Pixel(375, 59)));
    EXPECT_FALSE(IsRed(Pixel(371, 11)));
}

TEST_F(SpriteSheetTest, FrameZeroOfASinglePictureIsTheWholePicture) {
    SpriteSheet sheet(MakeShip().c_str(), &graphics, MagentaKey);
    StartFrame(0.0f, 0.0f, 1.0f);
    sheet.Draw(33.0f, 44.0f);
    graphics.EndDraw();
    const std::vector<uint32_t> drawn = Snapshot();

    StartFrame(0.0f, 0.0f, 1.0f);
    sheet.DrawFrame(0, 33.0f, 44.0f);
    graphics.EndDraw();
    EXPECT_TRUE(Snapshot() == drawn);
}

// A strip of 128 by 128 cells, 8 across and 2 down, each its own colour, with a white
// top-left pixel and a black bottom-right one to show exactly where each cell starts and ends.
class StripTest : public SpriteSheetTest {
protected:
    static uint32_t CellColour(int column, int row) {
        return 0xFF000000 | uint32_t(20 + column * 30) << 16 | uint32_t(60 + row * 120) << 8 | 0x55;
    }

    std::string MakeStrip(int cellSize, int across, int down) {
        TestPicture strip(cellSize * across, cellSize * down, Magenta);
        for (int row = 0; row < down; ++row) {
            for (int column = 0; column < across; ++column) {
                strip.Fill(column * cellSize, row * cellSize, cellSize, cellSize,
                           CellColour(column, row));
                strip.Set(column * cellSize, row * cellSize, White);
                strip.Set(column * cellSize + cellSize - 1, row * cellSize + cellSize - 1,
                          0xFF000000);
            }
        }
        const std::string path = files.File("strip" + std::to_string(cellSize) + ".png");
        strip.SavePng(path);
        return path;
    }
};

TEST_F(StripTest, FramesAreReadAcrossRowsThenDown) {
    SpriteSheet sheet(MakeStrip(128, 8, 2).c_str(), &graphics, 128, 128, MagentaKey);
    EXPECT_EQ(sheet.columns, 8);
    EXPECT_EQ(sheet.cellWidth, 128);
    EXPECT_EQ(sheet.cellHeight, 128);

    for (int frame = 0; frame < 16; ++frame) {
        StartFrame(0.0f, 0.0f, 1.0f);
        sheet.DrawFrame(frame, 300.0f, 200.0f);
        graphics.EndDraw();
        const int column = frame % 8;
        const int row = frame / 8;
        EXPECT_EQ(Pixel(300, 200), White) << "frame " << frame;
        EXPECT_EQ(Pixel(301, 201), CellColour(column, row)) << "frame " << frame;
        EXPECT_EQ(Pixel(426, 327), CellColour(column, row)) << "frame " << frame;
        EXPECT_EQ(Pixel(427, 327), 0xFF000000) << "frame " << frame;
        EXPECT_EQ(Pixel(428, 327), Blue) << "frame " << frame;
        EXPECT_EQ(Pixel(427, 328), Blue) << "frame " << frame;
        EXPECT_EQ(Pixel(299, 200), Blue) << "frame " << frame;
    }
}

TEST_F(StripTest, FramesEightAndNineComeFromTheSecondRow) {
    SpriteSheet sheet(MakeStrip(128, 8, 2).c_str(), &graphics, 128, 128, MagentaKey);
    StartFrame(0.0f, 0.0f, 1.0f);
    sheet.DrawFrame(8, 0.0f, 0.0f);
    sheet.DrawFrame(9, 200.0f, 0.0f);
    graphics.EndDraw();
    EXPECT_EQ(Pixel(64, 64), CellColour(0, 1));  // source (0, 128, 128, 256)
    EXPECT_EQ(Pixel(264, 64), CellColour(1, 1)); // source (128, 128, 256, 256)
}

TEST_F(StripTest, RowLengthFollowsTheGamePictureNotTheFile) {
    // 138-pixel cells: 1024 / 138 = 7.42, so 7 to a row, though the file holds 8 across.
    SpriteSheet sheet(MakeStrip(138, 8, 2).c_str(), &graphics, 138, 138, MagentaKey);
    EXPECT_EQ(sheet.columns, 7);
    StartFrame(0.0f, 0.0f, 1.0f);
    sheet.DrawFrame(7, 0.0f, 0.0f);
    graphics.EndDraw();
    EXPECT_EQ(Pixel(50, 50), CellColour(0, 1));

    const std::string path = MakeStrip(50, 1, 1);
    EXPECT_EQ(SpriteSheet(path.c_str(), &graphics, 100, 50, MagentaKey).columns, 10);
    EXPECT_EQ(SpriteSheet(path.c_str(), &graphics, 200, 50, MagentaKey).columns, 5);
    EXPECT_EQ(SpriteSheet(path.c_str(), &graphics, 50, 50, MagentaKey).columns, 20);
}

TEST_F(StripTest, PictureSmallerThanACellDrawsOnlyWhatItHas) {
    TestPicture small(50, 40, Green);
    small.Set(49, 39, Red);
    const std::string path = files.File("small.png");
    small.SavePng(path);
    SpriteSheet sheet(path.c_str(), &graphics, 128, 128, MagentaKey);

    StartFrame(0.0f, 0.0f, 1.0f);
    sheet.DrawFrame(0, 10.0f, 10.0f);
    sheet.DrawFrame(1, 300.0f, 10.0f);  // wholly past the picture
    sheet.DrawFrame(9, 300.0f, 300.0f); // the second row, also past it
    graphics.EndDraw();

    EXPECT_EQ(Pixel(10, 10), Green);
    EXPECT_EQ(Pixel(59, 49), Red); // copied one to one, not stretched to the cell
    EXPECT_EQ(Pixel(60, 49), Blue);
    EXPECT_EQ(Pixel(59, 50), Blue);
    EXPECT_EQ(Pixel(310, 20), Blue);
    EXPECT_EQ(Pixel(310, 310), Blue);
}

TEST_F(SpriteSheetTest, PairDrawsTheDetailOverTheBaseBothKeyed) {
    TestPicture base(100, 74, Magenta);
    base.Fill(20, 20, 60, 34, Green);
    TestPicture detail(100, 74, Magenta);
    detail.Fill(40, 30, 10, 10, Yellow);
    const std::string basePath = files.File("base.png");
    const std::string detailPath = files.File("detail.bmp");
    base.SavePng(basePath);
    detail.SaveBmp(detailPath);
    SpriteSheet sheet(basePath.c_str(), detailPath.c_str(), &graphics, MagentaKey);
    EXPECT_TRUE(reporter.reports.empty());
    EXPECT_EQ(sheet.bitmap, nullptr);
    EXPECT_NE(sheet.baseKeyEffect, nullptr);
    EXPECT_NE(sheet.detailKeyEffect, nullptr);
    EXPECT_EQ(sheet.columns, 0);

    StartFrame(0.0f, 0.0f, 1.0f);
    sheet.DrawRotatedPair(0, 0.0f, 0.0f);
    sheet.DrawRotatedPair(90, 300.0f, 0.0f);
    graphics.EndDraw();

    EXPECT_EQ(Pixel(5, 5), Blue);
    EXPECT_EQ(Pixel(25, 25), Green);
    EXPECT_EQ(Pixel(45, 35), Yellow);
    // Turned a quarter about (350, 37): the detail's centre (45, 35) lands at (352, 32).
    EXPECT_EQ(Pixel(352, 32), Yellow);
    EXPECT_EQ(Pixel(305, 5), Blue);
}

TEST_F(SpriteSheetTest, PictureFormatsAllLoad) {
    TestPicture picture(16, 8, Red);
    picture.Fill(8, 0, 8, 8, Green);
    picture.SavePng(files.File("p.png"));
    picture.SaveBmp(files.File("p.bmp"));
    picture.SaveJpg(files.File("p.jpg"));
    for (const char* name : {"p.png", "p.bmp", "p.jpg"}) {
        SpriteSheet sheet(files.File(name).c_str(), &graphics, graphics::KeyColour::Blue);
        StartFrame(0.0f, 0.0f, 0.0f);
        sheet.Draw(0.0f, 0.0f);
        graphics.EndDraw();
        EXPECT_EQ(sheet.cellWidth, 16) << name;
        EXPECT_TRUE(IsRed(Pixel(2, 4))) << name;
        EXPECT_GT(GreenOf(Pixel(13, 4)), 200) << name;
        EXPECT_LT(RedOf(Pixel(13, 4)), 60) << name;
    }
    EXPECT_TRUE(reporter.reports.empty());
}

} // namespace

} // namespace vantor::test
