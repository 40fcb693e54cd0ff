#include "OffscreenTest.h"
#include "TestPicture.h"
#include "support/TempDirectory.h"

#include "graphics/FontFinder.h"
#include "graphics/SpriteSheet.h"
#include "graphics/TextWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace vantor::test {

namespace {

// Where ink lies in the picture: every pixel that differs from the black background.
struct Ink {
    int left = INT_MAX;
    int top = INT_MAX;
    int right = -1;
    int bottom = -1;
    int pixels = 0;

    bool Any() const { return pixels > 0; }
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
};

class TextWriterTest : public OffscreenTest {
protected:
    // Draws the text alone on black and returns the whole picture.
    std::vector<uint32_t> DrawAlone(TextWriter& writer, int x, int y, const wchar_t* text) {
        graphics.BeginDraw();
        graphics.ClearScreen(0.0f, 0.0f, 0.0f);
        writer.DrawString(x, y, text);
        graphics.EndDraw();
        return Snapshot();
    }

    std::vector<uint32_t> NumberAlone(TextWriter& writer, int x, int y, int value) {
        graphics.BeginDraw();
        graphics.ClearScreen(0.0f, 0.0f, 0.0f);
        writer.DrawNumber(x, y, value);
        graphics.EndDraw();
        return Snapshot();
    }

    static Ink FindInk(const std::vector<uint32_t>& pixels) {
        Ink ink;
        for (int y = 0; y < Graphics::Height; ++y) {
            for (int x = 0; x < Graphics::Width; ++x) {
                if (pixels[size_t(y) * Graphics::Width + x] == 0xFF000000) {
                    continue;
                }
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
                ++ink.pixels;
            }
        }
        return ink;
    }

    // The ink's top-left corner lies within left to right across and top to bottom down.
    static void ExpectInkCornerWithin(const Ink& ink, int left, int right, int top, int bottom) {
        EXPECT_GE(ink.left, left);
        EXPECT_LE(ink.left, right);
        EXPECT_GE(ink.top, top);
        EXPECT_LE(ink.top, bottom);
    }
};

TEST(FontFinder, ResolvesFamiliesAndSubstitutesMissingOnes) {
    int index = -1;
    const std::string dejaVu = graphics::FontFinder::Find("DejaVu Sans", index);
    EXPECT_EQ(std::filesystem::path(dejaVu).filename(), "DejaVuSans.ttf");
    EXPECT_EQ(index, 0);
    // The game asks for families that a Linux desktop rarely has: fontconfig offers a
    // substitute, which is a real font file.
    for (const char* family : {"Stencil", "Bar Code"}) {
        const std::string substitute = graphics::FontFinder::Find(family, index);
        ASSERT_FALSE(substitute.empty()) << family;
        EXPECT_TRUE(std::filesystem::exists(substitute)) << family;
    }
}

TEST_F(TextWriterTest, TextLandsAtItsPlaceInItsColourFullyOpaque) {
    TextWriter writer(&graphics, 30, "DejaVu Sans", 1.0f, 0.5f, 1.0f);
    ASSERT_NE(writer.textFormat, nullptr);
    const std::vector<uint32_t> pixels = DrawAlone(writer, 400, 700, L"HEH");
    const Ink ink = FindInk(pixels);
    ASSERT_TRUE(ink.Any());
    // The line box's top-left is (400, 700): capitals start a little below the top (the
    // room above them for accents) and at the left edge, give or take their side bearing.
    ExpectInkCornerWithin(ink, 400, 404, 701, 710);
    // Cap height is about three quarters of the size in pixels.
    EXPECT_NEAR(ink.Height(), 22, 2);

    // Every inked pixel is the writer's colour over black in some measure, and the glyphs'
    // solid parts are the colour itself, opaque.
    int solid = 0;
    for (uint32_t pixel : pixels) {
        if (pixel == 0xFF000000) {
            continue;
        }
        EXPECT_EQ(AlphaOf(pixel), 255);
        EXPECT_EQ(RedOf(pixel), BlueOf(pixel));
        EXPECT_NEAR(GreenOf(pixel) * 2, RedOf(pixel), 2);
        solid += pixel == 0xFFFF80FF ? 1 : 0;
    }
    EXPECT_GT(solid, ink.pixels / 2);
}

TEST_F(TextWriterTest, GlyphsSitOnThePenAndBaselineAsTheFontPlacesThem) {
    TextWriter writer(&graphics, 60, "DejaVu Sans", 1.0f, 1.0f, 1.0f);
    ASSERT_NE(writer.textFormat, nullptr);
    const int ascent = TTF_FontAscent(writer.textFormat);
    // 'j' reaches left of its pen position, below the baseline; U+1EA4 (A with circumflex and
    // acute) rises above the font's ascent, that is above the line box's top.
    for (const char32_t character : {U'j', U'H', U'\u1EA4'}) {
        int minX = 0;
        int maxX = 0;
        int minY = 0;
        int maxY = 0;
        int advance = 0;
        ASSERT_EQ(
            TTF_GlyphMetrics32(writer.textFormat, character, &minX, &maxX, &minY, &maxY, &advance),
            0);
        const wchar_t text[] = {wchar_t(character), L'\0'};
        const Ink ink = FindInk(DrawAlone(writer, 100, 100, text));
        EXPECT_EQ(ink.left, 100 + minX) << int(character);
        EXPECT_EQ(ink.top, 100 + ascent - maxY) << int(character);
        EXPECT_EQ(ink.bottom, 100 + ascent - minY - 1) << int(character);
    }
}

TEST_F(TextWriterTest, KerningPairsSitCloserThanTheirAdvances) {
    TextWriter writer(&graphics, 60, "DejaVu Sans", 1.0f, 1.0f, 1.0f);
    int advance = 0;
    ASSERT_EQ(
        TTF_GlyphMetrics32(writer.textFormat, U'A', nullptr, nullptr, nullptr, nullptr, &advance),
        0);
    const Ink pair = FindInk(DrawAlone(writer, 100, 100, L"AV"));
    const Ink apart = FindInk(DrawAlone(writer, 100 + advance, 100, L"V"));
    EXPECT_LT(pair.right, apart.right);
    EXPECT_GT(pair.right, apart.right - advance / 4);
}

TEST_F(TextWriterTest, SizeIsTheEmInPixels) {
    TextWriter small(&graphics, 20, "DejaVu Sans", 1.0f, 1.0f, 1.0f);
    TextWriter large(&graphics, 60, "DejaVu Sans", 1.0f, 1.0f, 1.0f);
    const Ink smallInk = FindInk(DrawAlone(small, 10, 10, L"H"));
    const Ink largeInk = FindInk(DrawAlone(large, 10, 10, L"H"));
    EXPECT_NEAR(largeInk.Height(), 3 * smallInk.Height(), 3);
    EXPECT_NEAR(largeInk.Height(), 0.73 * 60, 3);
}

TEST_F(TextWriterTest, NegativeNumberIsAMinusAndItsDigits) {
    TextWriter writer(&graphics, 30, "DejaVu Sans", 1.0f, 1.0f, 0.0f);
    const std::vector<uint32_t> number = NumberAlone(writer, 200, 300, -150);
    EXPECT_TRUE(number == DrawAlone(writer, 200, 300, L"-150"));
    EXPECT_FALSE(number == DrawAlone(writer, 200, 300, L"150"));

    const Ink ink = FindInk(number);
    ASSERT_TRUE(ink.Any());
    ExpectInkCornerWithin(ink, 200, 206, 301, 310);
    // The leftmost ink is the minus: a short bar about mid-height of the digits, not a digit.
    int barTop = INT_MAX;
    int barBottom = -1;
    for (int y = 0; y < Graphics::Height; ++y) {
        if (number[size_t(y) * Graphics::Width + ink.left] != 0xFF000000) {
            barTop = std::min(barTop, y);
            barBottom = std::max(barBottom, y);
        }
    }
    EXPECT_LE(barBottom - barTop + 1, 4);
    EXPECT_GT(barTop, ink.top + 5);
    EXPECT_LT(barBottom, ink.bottom - 5);
}

TEST_F(TextWriterTest, NumbersDrawAsTheirDecimalDigits) {
    TextWriter writer(&graphics, 15, "Bar Code", 0.5f, 0.5f, 1.0f);
    EXPECT_TRUE(NumberAlone(writer, 20, 40, 0) == DrawAlone(writer, 20, 40, L"0"));
    EXPECT_TRUE(NumberAlone(writer, 20, 40, INT_MAX) == DrawAlone(writer, 20, 40, L"2147483647"));
    EXPECT_TRUE(NumberAlone(writer, 20, 40, INT_MIN) == DrawAlone(writer, 20, 40, L"-2147483648"));
    EXPECT_TRUE(FindInk(NumberAlone(writer, 20, 40, 0)).Any());
}

TEST_F(TextWriterTest, WritersInDifferentColoursDrawTheSameGlyphs) {
    TextWriter red(&graphics, 21, "Bar Code", 1.0f, 0.0f, 0.0f);
    TextWriter blue(&graphics, 21, "Bar Code", 0.0f, 0.0f, 1.0f);
    const std::vector<uint32_t> redText = DrawAlone(red, 100, 100, L"Energy 480");
    const std::vector<uint32_t> blueText = DrawAlone(blue, 100, 100, L"Energy 480");
    ASSERT_TRUE(FindInk(redText).Any());
    size_t mismatches = 0;
    for (size_t i = 0; i < redText.size(); ++i) {
        const bool same = RedOf(redText[i]) == BlueOf(blueText[i]) && GreenOf(redText[i]) == 0 &&
                          BlueOf(redText[i]) == 0 && RedOf(blueText[i]) == 0 &&
                          GreenOf(blueText[i]) == 0;
        mismatches += same ? 0 : 1;
    }
    EXPECT_EQ(mismatches, 0u);
}

TEST_F(TextWriterTest, MissingFamilyDrawsInFontconfigsSubstitute) {
    TextWriter stencil(&graphics, 30, "Stencil", 0.0f, 1.0f, 0.0f);
    TextWriter fallback(&graphics, 30, nullptr, 0.0f, 1.0f, 0.0f);
    ASSERT_NE(stencil.textFormat, nullptr);
    const std::vector<uint32_t> text = DrawAlone(stencil, 300, 400, L"Press Enter To Start");
    EXPECT_TRUE(FindInk(text).Any());
    EXPECT_TRUE(text == DrawAlone(fallback, 300, 400, L"Press Enter To Start"));
}

TEST_F(TextWriterTest, EmptyTextDrawsNothing) {
    TextWriter writer(&graphics, 30, "DejaVu Sans", 1.0f, 1.0f, 1.0f);
    graphics.BeginDraw();
    graphics.ClearScreen(0.2f, 0.3f, 0.4f);
    graphics.EndDraw();
    const std::vector<uint32_t> before = Snapshot();
    graphics.BeginDraw();
    writer.DrawString(10, 10, L"");
    writer.DrawString(10, 10, nullptr);
    graphics.EndDraw();
    EXPECT_TRUE(Snapshot() == before);
}

TEST_F(TextWriterTest, CharactersBeyondAsciiDrawTheSameEveryTime) {
    TextWriter writer(&graphics, 30, "DejaVu Sans", 1.0f, 1.0f, 1.0f);
    const std::vector<uint32_t> first = DrawAlone(writer, 50, 50, L"\u00e9t\u00e9 \u00c5");
    const std::vector<uint32_t> again = DrawAlone(writer, 50, 50, L"\u00e9t\u00e9 \u00c5");
    EXPECT_TRUE(first == again);
    // The accent sits above the plain letter.
    const Ink accented = FindInk(DrawAlone(writer, 50, 50, L"\u00e9"));
    const Ink plain = FindInk(DrawAlone(writer, 50, 50, L"e"));
    EXPECT_LT(accented.top, plain.top - 3);
    EXPECT_EQ(accented.bottom, plain.bottom);
}

TEST_F(TextWriterTest, NewLineStartsBelowAtTheSameLeft) {
    TextWriter writer(&graphics, 30, "DejaVu Sans", 1.0f, 1.0f, 1.0f);
    const Ink one = FindInk(DrawAlone(writer, 100, 100, L"H"));
    const Ink two = FindInk(DrawAlone(writer, 100, 100, L"H\nH"));
    EXPECT_EQ(two.left, one.left);
    EXPECT_EQ(two.right, one.right);
    EXPECT_EQ(two.bottom - one.bottom, TTF_FontLineSkip(writer.textFormat));
}

TEST_F(TextWriterTest, TextAfterARotatedPictureIsUpright) {
    TempDirectory files;
    TestPicture picture(100, 74, 0xFF00FF00);
    picture.SavePng(files.File("ship.png"));
    SpriteSheet ship(files.File("ship.png").c_str(), &graphics, MagentaKey);
    TextWriter writer(&graphics, 30, "DejaVu Sans", 1.0f, 1.0f, 1.0f);
    const std::vector<uint32_t> alone = DrawAlone(writer, 500, 500, L"Kills 12");

    graphics.BeginDraw();
    graphics.ClearScreen(0.0f, 0.0f, 0.0f);
    ship.DrawRotated(45, 100.0f, 100.0f);
    writer.DrawString(500, 500, L"Kills 12");
    graphics.EndDraw();
    const std::vector<uint32_t> after = Snapshot();
    // The picture lies far from the text; the lower half of the picture holds only the text.
    const size_t half = size_t(Graphics::Width) * 400;
    EXPECT_TRUE(std::equal(alone.begin() + half, alone.end(), after.begin() + half));
}

TEST_F(TextWriterTest, WriterWithoutADeviceDrawsNothingAndFailsNothing) {
    Graphics none;
    TextWriter writer(&none, 30, "DejaVu Sans", 1.0f, 1.0f, 1.0f);
    writer.DrawString(10, 10, L"Hello \u00e9");
    writer.DrawNumber(10, 10, -5);
    TextWriter tiny(&graphics, 0, "DejaVu Sans", 1.0f, 1.0f, 1.0f);
    EXPECT_EQ(tiny.textFormat, nullptr);
    EXPECT_FALSE(FindInk(DrawAlone(tiny, 10, 10, L"Hello")).Any());
}

} // namespace

} // namespace vantor::test
