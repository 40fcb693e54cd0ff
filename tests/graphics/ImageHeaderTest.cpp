#include "graphics/ImageHeader.h"
#include "support/ByteFields.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vantor::test {

namespace {

// Reads a header from bytes in memory; false for a detected kind that has no readable size.
struct HeaderResult {
    graphics::ImageHeader::Format format = graphics::ImageHeader::Format::Unknown;
    bool sized = false;
    long long width = -1;
    long long height = -1;
};

HeaderResult ReadHeader(const std::vector<uint8_t>& bytes) {
    HeaderResult result;
    SDL_RWops* file = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    if (file == nullptr) {
        return result;
    }
    result.format = graphics::ImageHeader::Detect(file);
    EXPECT_EQ(SDL_RWtell(file), 0);
    result.sized =
        graphics::ImageHeader::ReadSize(file, result.format, result.width, result.height);
    SDL_RWclose(file);
    return result;
}

std::vector<uint8_t> BmpHeader(uint32_t infoSize, std::vector<uint8_t> sides) {
    std::vector<uint8_t> bytes = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    ByteFields::AppendLittleEndian(bytes, infoSize, 4);
    bytes.insert(bytes.end(), sides.begin(), sides.end());
    bytes.resize(bytes.size() + 16, 0);
    return bytes;
}

TEST(ImageHeader, ReadsBmpSidesInBothHeaderLayouts) {
    // The common 40-byte header: 300 wide, 200 high.
    HeaderResult result = ReadHeader(BmpHeader(40, {0x2C, 1, 0, 0, 0xC8, 0, 0, 0}));
    EXPECT_EQ(result.format, graphics::ImageHeader::Format::Bmp);
    ASSERT_TRUE(result.sized);
    EXPECT_EQ(result.width, 300);
    EXPECT_EQ(result.height, 200);

    // Rows stored top down: a negative height.
    result = ReadHeader(BmpHeader(124, {0x2C, 1, 0, 0, 0x38, 0xFF, 0xFF, 0xFF}));
    ASSERT_TRUE(result.sized);
    EXPECT_EQ(result.height, 200);

    // The oldest 12-byte header with 16-bit sides.
    result = ReadHeader(BmpHeader(12, {0x2C, 1, 0xC8, 0}));
    ASSERT_TRUE(result.sized);
    EXPECT_EQ(result.width, 300);
    EXPECT_EQ(result.height, 200);

    // A header size that no layout has.
    EXPECT_FALSE(ReadHeader(BmpHeader(8, {0x2C, 1, 0, 0, 0xC8, 0, 0, 0})).sized);
    // The lowest possible height stays positive.
    result = ReadHeader(BmpHeader(40, {1, 0, 0, 0, 0, 0, 0, 0x80}));
    ASSERT_TRUE(result.sized);
    EXPECT_EQ(result.height, 2147483648LL);
}

TEST(ImageHeader, ReadsPngSidesFromTheFirstChunk) {
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13,
                                'I',  'H', 'D', 'R', 0x80, 0,    0,    0,    0, 0, 1, 0};
    HeaderResult result = ReadHeader(png);
    EXPECT_EQ(result.format, graphics::ImageHeader::Format::Png);
    ASSERT_TRUE(result.sized);
    EXPECT_EQ(result.width, 2147483648LL);
    EXPECT_EQ(result.height, 256);

    png[12] = 'X'; // the first chunk must be the header chunk
    EXPECT_FALSE(ReadHeader(png).sized);
    png.resize(20);
    EXPECT_EQ(ReadHeader(png).format, graphics::ImageHeader::Format::Png);
    EXPECT_FALSE(ReadHeader(png).sized);
}

TEST(ImageHeader, FindsTheJpegFrameHeaderPastOtherSegments) {
    std::vector<uint8_t> jpg = {
        0xFF, 0xD8,                                  // start of picture
        0xFF, 0xE0, 0,    6,    'J', 'F', 'I',  'F', // an application segment
        0xFF, 0xFF, 0xFF,                            // fill bytes before a marker
        0xDB, 0,    3,    0,                         // a table segment
        0xFF, 0xC2, 0,    11,   8,   1,   0x2C, 0,   // progressive frame: 300 high, 200 wide
        0xC8, 1,    1,    0x11, 0};
    HeaderResult result = ReadHeader(jpg);
    EXPECT_EQ(result.format, graphics::ImageHeader::Format::Jpeg);
    ASSERT_TRUE(result.sized);
    EXPECT_EQ(result.height, 300);
    EXPECT_EQ(result.width, 200);

    // A define-huffman-table segment (0xC4) is not a frame header.
    jpg[18] = 0xC4;
    EXPECT_FALSE(ReadHeader(jpg).sized);
    // A segment length running past the end of the file.
    jpg = {0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xF0, 1, 2, 3};
    EXPECT_FALSE(ReadHeader(jpg).sized);
    // The scan starting before any frame header.
    jpg = {0xFF, 0xD8, 0xFF, 0xDA, 0, 2, 0xFF, 0xC0, 0, 11, 8, 0, 1, 0, 1, 1, 1, 0x11, 0};
    EXPECT_FALSE(ReadHeader(jpg).sized);
}

TEST(ImageHeader, UnknownKindsHaveNoSize) {
    const std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0};
    HeaderResult result = ReadHeader(gif);
    EXPECT_EQ(result.format, graphics::ImageHeader::Format::Unknown);
    EXPECT_FALSE(result.sized);
    EXPECT_EQ(ReadHeader({'B'}).format, graphics::ImageHeader::Format::Unknown);
}

} // namespace

} // namespace vantor::test
