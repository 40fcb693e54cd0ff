#include "OffscreenTest.h"
#include "TestPicture.h"
#include "support/ByteFile.h"
#include "support/RecordingReporter.h"
#include "support/TempDirectory.h"

#include "graphics/ImageErrorReporter.h"
#include "graphics/PictureLoader.h"
#include "graphics/SpriteSheet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

const std::string FileError = "Error reading image file or no such file exist";
const std::string FrameError = "Error reading image frame ";

class PictureLoadTest : public OffscreenTest {
protected:
    // Loads the file as a single-picture sheet and expects exactly one report with the text.
    void ExpectRefused(const std::string& path, const std::string& text) {
        reporter.reports.clear();
        SpriteSheet* sheet = new SpriteSheet(path.c_str(), &graphics, MagentaKey);
        ASSERT_EQ(reporter.reports.size(), 1u) << path;
        EXPECT_EQ(reporter.reports[0].first, text) << path;
        EXPECT_EQ(reporter.reports[0].second, path);
        EXPECT_EQ(sheet->bitmap, nullptr);
        EXPECT_EQ(sheet->keyEffect, nullptr);
        ExpectDrawsNothing(*sheet);
        delete sheet;
    }

    void ExpectDrawsNothing(SpriteSheet& sheet) {
        graphics.BeginDraw();
        graphics.ClearScreen(0.0f, 0.0f, 1.0f);
        graphics.EndDraw();
        const std::vector<uint32_t> before = Snapshot();
        graphics.BeginDraw();
        sheet.Draw(0.0f, 0.0f);
        sheet.DrawFrame(0, 0.0f, 0.0f);
        sheet.DrawFrame(3, 0.0f, 0.0f);
        sheet.DrawRotated(45, 0.0f, 0.0f);
        sheet.DrawRotatedPair(45, 0.0f, 0.0f);
        graphics.EndDraw();
        EXPECT_TRUE(Snapshot() == before);
    }

    std::string SavedPng(const std::string& name, int width, int height) {
        TestPicture picture(width, height, 0xFF00FF00);
        // Noise, so that the compressed pixel data is long enough to cut.
        std::mt19937 random(5);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                picture.Set(x, y, 0xFF000000 | (random() & 0xFFFFFF));
            }
        }
        const std::string path = files.File(name);
        picture.SavePng(path);
        return path;
    }

    std::string Cut(const std::string& path, size_t keep, const std::string& name) {
        std::vector<uint8_t> bytes = ByteFile::Read(path);
        EXPECT_GT(bytes.size(), keep);
        bytes.resize(keep);
        const std::string cutPath = files.File(name);
        ByteFile::Write(cutPath, bytes);
        return cutPath;
    }

    TempDirectory files;
    RecordingReporter reporter;
};

TEST_F(PictureLoadTest, MissingFileIsReportedAndTheSheetIsSafe) {
    ExpectRefused(files.File("no-such-picture.png"), FileError);
}

TEST_F(PictureLoadTest, FilesThatAreNoKnownPictureAreReportedAsUnreadable) {
    std::mt19937 random(7);
    std::vector<uint8_t> noise(4096);
    for (uint8_t& byte : noise) {
        byte = uint8_t(random());
    }
    noise[0] = 0x00; // no picture file starts like this
    ByteFile::Write(files.File("noise.png"), noise);
    ExpectRefused(files.File("noise.png"), FileError);

    ByteFile::Write(files.File("empty.bmp"), {});
    ExpectRefused(files.File("empty.bmp"), FileError);

    // A directory opens but is no picture.
    ExpectRefused(files.File(""), FileError);
}

TEST_F(PictureLoadTest, CutPicturesAreReportedAsUnreadableFrames) {
    const std::string png = SavedPng("whole.png", 64, 64);
    const size_t size = ByteFile::Read(png).size();
    ExpectRefused(Cut(png, size / 2, "half.png"), FrameError);
    ExpectRefused(Cut(png, 20, "header-cut.png"), FrameError);

    TestPicture picture(64, 64, 0xFF336699);
    picture.SaveBmp(files.File("whole.bmp"));
    ExpectRefused(Cut(files.File("whole.bmp"), 2000, "half.bmp"), FrameError);
    ExpectRefused(Cut(files.File("whole.bmp"), 10, "header-cut.bmp"), FrameError);

    picture.SaveJpg(files.File("whole.jpg"));
    ExpectRefused(Cut(files.File("whole.jpg"), 100, "header-cut.jpg"), FrameError);
}

TEST_F(PictureLoadTest, JpegCutInsideItsPixelsKeepsWhatItHas) {
    // JPEG decoding recovers from a cut scan, as photo viewers do: the rows that arrived are
    // shown and the rest is filled in, with nothing to report. Only a cut header is refused.
    TestPicture picture(64, 64, 0xFF3060C0);
    std::mt19937 random(3);
    for (int y = 32; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            picture.Set(x, y, 0xFF000000 | (random() & 0xFFFFFF));
        }
    }
    picture.SaveJpg(files.File("whole.jpg"));
    const size_t size = ByteFile::Read(files.File("whole.jpg")).size();
    const std::string cut = Cut(files.File("whole.jpg"), size - 1000, "cut.jpg");
    SpriteSheet sheet(cut.c_str(), &graphics, MagentaKey);
    EXPECT_TRUE(reporter.reports.empty());
    EXPECT_EQ(sheet.cellWidth, 64);
    graphics.BeginDraw();
    graphics.ClearScreen(0.0f, 0.0f, 0.0f);
    sheet.Draw(0.0f, 0.0f);
    graphics.EndDraw();
    EXPECT_NEAR(BlueOf(Pixel(4, 4)), 0xC0, 8);
}

TEST_F(PictureLoadTest, CorruptPixelDataIsReportedAsAnUnreadableFrame) {
    const std::string png = SavedPng("whole.png", 64, 64);
    std::vector<uint8_t> bytes = ByteFile::Read(png);
    // Scramble the compressed pixels but keep the header and the file's length.
    for (size_t i = 60; i < bytes.size() - 20; ++i) {
        bytes[i] ^= 0x5A;
    }
    ByteFile::Write(files.File("scrambled.png"), bytes);
    ExpectRefused(files.File("scrambled.png"), FrameError);
}

TEST_F(PictureLoadTest, HeadersClaimingHugeSidesAreRefusedBeforeDecoding) {
    // 20000 by 20000 in a BMP header with no pixels behind it.
    std::vector<uint8_t> bmp = {'B', 'M', 0, 0,    0,    0, 0, 0,    0,    0, 54, 0, 0, 0,  40,
                                0,   0,   0, 0x20, 0x4E, 0, 0, 0x20, 0x4E, 0, 0,  1, 0, 24, 0};
    bmp.resize(54, 0);
    ByteFile::Write(files.File("huge.bmp"), bmp);
    ExpectRefused(files.File("huge.bmp"), FrameError);

    // The same claim in a PNG header.
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0,    13,
                                'I',  'H', 'D', 'R', 0,    0,    0x4E, 0x20, 0, 0, 0x4E, 0x20,
                                8,    6,   0,   0,   0,    0,    0,    0,    0, 0};
    ByteFile::Write(files.File("huge.png"), png);
    ExpectRefused(files.File("huge.png"), FrameError);

    // And in a JPEG frame header, after an application segment.
    std::vector<uint8_t> jpg = {0xFF, 0xD8, 0xFF, 0xE0, 0,    4, 'J', 'F',  0xFF, 0xC0, 0,   11,
                                8,    0x4E, 0x20, 0x4E, 0x20, 1, 1,   0x11, 0,    0xFF, 0xD9};
    ByteFile::Write(files.File("huge.jpg"), jpg);
    ExpectRefused(files.File("huge.jpg"), FrameError);
}

TEST_F(PictureLoadTest, SidesFromSixteenThousandThreeHundredEightyFourOnAreRefused) {
    // Both files are whole and decode fine: only the size check tells them apart.
    const std::string wide = SavedPng("wide.png", 16384, 1);
    const std::string justFits = SavedPng("fits.png", 16383, 1);
    ExpectRefused(wide, FrameError);
    reporter.reports.clear();
    SpriteSheet sheet(justFits.c_str(), &graphics, MagentaKey);
    EXPECT_TRUE(reporter.reports.empty());
    EXPECT_EQ(sheet.cellWidth, 16383);
}

TEST_F(PictureLoadTest, PictureKindIsToldByContentNotByName) {
    // A PNG file named .jpg loads as the PNG it is, alpha and all.
    TestPicture picture(8, 8, 0x00000000);
    picture.Fill(0, 0, 4, 8, 0xFFFF0000);
    picture.SavePng(files.File("really-a-png.jpg"));
    SpriteSheet sheet(files.File("really-a-png.jpg").c_str(), &graphics,
                      graphics::KeyColour::Green);
    EXPECT_TRUE(reporter.reports.empty());
    graphics.BeginDraw();
    graphics.ClearScreen(0.0f, 0.0f, 1.0f);
    sheet.Draw(0.0f, 0.0f);
    graphics.EndDraw();
    EXPECT_EQ(Pixel(1, 1), 0xFFFF0000);
    EXPECT_EQ(Pixel(6, 1), 0xFF0000FF);
}

TEST_F(PictureLoadTest, LoadingGoesOnAfterAFailure) {
    TestPicture picture(10, 10, 0xFF00FF00);
    picture.SaveBmp(files.File("good.bmp"));
    SpriteSheet broken(files.File("missing.bmp").c_str(), &graphics, MagentaKey);
    SpriteSheet good(files.File("good.bmp").c_str(), &graphics, MagentaKey);
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].second, files.File("missing.bmp"));
    graphics.BeginDraw();
    graphics.ClearScreen(0.0f, 0.0f, 0.0f);
    broken.Draw(0.0f, 0.0f);
    good.Draw(0.0f, 0.0f);
    graphics.EndDraw();
    EXPECT_EQ(Pixel(5, 5), 0xFF00FF00);
}

TEST_F(PictureLoadTest, PairWithAMissingDetailStillDrawsItsBase) {
    TestPicture base(100, 74, 0xFFFF00FF);
    base.Fill(20, 20, 20, 20, 0xFF00FF00);
    base.SavePng(files.File("base.png"));
    SpriteSheet* sheet = new SpriteSheet(files.File("base.png").c_str(),
                                         files.File("gone.png").c_str(), &graphics, MagentaKey);
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].first, FileError);
    EXPECT_EQ(reporter.reports[0].second, files.File("gone.png"));
    EXPECT_EQ(sheet->detailBitmap, nullptr);
    graphics.BeginDraw();
    graphics.ClearScreen(0.0f, 0.0f, 0.0f);
    sheet->DrawRotatedPair(0, 0.0f, 0.0f);
    graphics.EndDraw();
    EXPECT_EQ(Pixel(30, 30), 0xFF00FF00);
    EXPECT_EQ(Pixel(5, 5), 0xFF000000);
    delete sheet;
}

TEST_F(PictureLoadTest, FailedStripIsSafeToDrawAndDelete) {
    SpriteSheet* sheet =
        new SpriteSheet(files.File("missing-strip.png").c_str(), &graphics, 128, 128, MagentaKey);
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].first, FileError);
    EXPECT_EQ(sheet->columns, 8);
    ExpectDrawsNothing(*sheet);
    delete sheet;
}

TEST(PictureLoadDefaultReporter, WithoutADisplayWritesOneLineOnStderr) {
    graphics::SetImageErrorReporter(nullptr);
    Graphics graphics;
    ASSERT_TRUE(graphics.InitOffscreen());
    ::testing::internal::CaptureStderr();
    { SpriteSheet sheet("no-such-file-anywhere.bmp", &graphics, graphics::KeyColour{1, 0, 1}); }
    const std::string output = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(output.find(FileError), std::string::npos) << output;
    EXPECT_NE(output.find("no-such-file-anywhere.bmp"), std::string::npos) << output;
    EXPECT_EQ(output.find('\n'), output.size() - 1) << output;
}

} // namespace

// Each layout a decoder hands over, turned into ARGB8888 by the loader's own loops or by SDL's
// converter, gives what SDL's converter gives: no channel swapped, alpha kept, opaque layouts
// made fully opaque, rows read with the decoded picture's own pitch.
TEST(PictureConversion, EveryDecodedLayoutComesOutAsSdlWouldConvertIt) {
    std::mt19937 random(7);
    const Uint32 layouts[] = {SDL_PIXELFORMAT_RGB24,    SDL_PIXELFORMAT_BGR24,
                              SDL_PIXELFORMAT_ABGR8888, SDL_PIXELFORMAT_ARGB8888,
                              SDL_PIXELFORMAT_INDEX8,   SDL_PIXELFORMAT_RGB565};
    for (const Uint32 layout : layouts) {
        SCOPED_TRACE(SDL_GetPixelFormatName(layout));
        // An odd width, so that 3-byte rows are padded.
        SDL_Surface* decoded = SDL_CreateRGBSurfaceWithFormat(0, 37, 5, 0, layout);
        ASSERT_NE(decoded, nullptr);
        if (decoded->format->palette != nullptr) {
            SDL_Color colours[256];
            for (SDL_Color& colour : colours) {
                colour = SDL_Color{Uint8(random()), Uint8(random()), Uint8(random()), 255};
            }
            SDL_SetPaletteColors(decoded->format->palette, colours, 0, 256);
        }
        for (int y = 0; y < decoded->h; ++y) {
            auto* row = static_cast<Uint8*>(decoded->pixels) + y * decoded->pitch;
            for (int x = 0; x < decoded->w * decoded->format->BytesPerPixel; ++x) {
                row[x] = Uint8(random());
            }
        }
        SDL_Surface* expected = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0);
        ASSERT_NE(expected, nullptr);
        const int pitch = decoded->w * 4 + 8; // a destination with room to spare in each row
        std::vector<Uint32> converted(size_t(pitch / 4) * size_t(decoded->h), 0xDEADBEEFu);
        ASSERT_TRUE(
            graphics::PictureLoader::ConvertInto(decoded, converted.data(), pitch, "layout"));
        int wrong = 0;
        for (int y = 0; y < decoded->h; ++y) {
            const auto* want = reinterpret_cast<const Uint32*>(
                static_cast<const Uint8*>(expected->pixels) + y * expected->pitch);
            for (int x = 0; x < decoded->w; ++x) {
                wrong += converted[size_t(y) * size_t(pitch / 4) + size_t(x)] != want[x] ? 1 : 0;
            }
            // Past the picture's width the destination is left alone.
            EXPECT_EQ(converted[size_t(y) * size_t(pitch / 4) + size_t(decoded->w)], 0xDEADBEEFu);
        }
        EXPECT_EQ(wrong, 0);
        SDL_FreeSurface(expected);
        SDL_FreeSurface(decoded);
    }
}

} // namespace vantor::test
