#include "TestPicture.h"

#include "graphics/ChromaKey.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vantor::test {

namespace {

uint32_t At(const TestPicture& picture, int x, int y) {
    const auto* row =
        static_cast<const Uint8*>(picture.surface->pixels) + y * picture.surface->pitch;
    return reinterpret_cast<const uint32_t*>(row)[x];
}

TEST(ChromaKey, ToleranceIsSevenTenthsOnEveryChannel) {
    // Key magenta (1, 0, 1). 77 / 255 is 0.698 from 1, 76 / 255 is 0.702 from it.
    EXPECT_TRUE(graphics::ChromaKey::Matches(255, 0, 255, 1.0f, 0.0f, 1.0f));
    EXPECT_TRUE(graphics::ChromaKey::Matches(77, 178, 77, 1.0f, 0.0f, 1.0f));
    EXPECT_FALSE(graphics::ChromaKey::Matches(76, 0, 255, 1.0f, 0.0f, 1.0f));
    EXPECT_FALSE(graphics::ChromaKey::Matches(255, 179, 255, 1.0f, 0.0f, 1.0f));
    EXPECT_FALSE(graphics::ChromaKey::Matches(255, 0, 76, 1.0f, 0.0f, 1.0f));
    // A mid-grey key takes almost everything except the extremes of some channel.
    EXPECT_TRUE(graphics::ChromaKey::Matches(0, 255, 128, 0.5f, 0.5f, 0.5f));
    // Black key (0, 0, 0): the ships' key for their dark backgrounds.
    EXPECT_TRUE(graphics::ChromaKey::Matches(178, 178, 178, 0.0f, 0.0f, 0.0f));
    EXPECT_FALSE(graphics::ChromaKey::Matches(179, 0, 0, 0.0f, 0.0f, 0.0f));
}

TEST(ChromaKey, KeyedPixelsBecomeTransparentOthersKeepColourAndAlpha) {
    TestPicture picture(4, 1, 0);
    picture.Set(0, 0, 0xFFFF00FF); // the key itself
    picture.Set(1, 0, 0x40F010F0); // near the key, partly transparent: keyed too
    picture.Set(2, 0, 0x8000FF00); // half-transparent green: kept as it is
    picture.Set(3, 0, 0xFF102030); // opaque dark blue: kept
    graphics::ChromaKey::Apply(picture.surface, 1.0f, 0.0f, 1.0f);
    EXPECT_EQ(At(picture, 0, 0) >> 24, 0u);
    EXPECT_EQ(At(picture, 1, 0) >> 24, 0u);
    EXPECT_EQ(At(picture, 2, 0), 0x8000FF00u);
    EXPECT_EQ(At(picture, 3, 0), 0xFF102030u);
}

TEST(ChromaKey, KeyedPixelsTakeTheirNeighboursColourForSmoothEdges) {
    TestPicture picture(5, 3, 0xFFFF00FF);
    picture.Set(0, 1, 0xFFC86400); // orange
    picture.Set(1, 0, 0xFF0000C8); // blue
    picture.Set(4, 0, 0x0000FF00); // green, but already wholly transparent
    graphics::ChromaKey::Apply(picture.surface, 1.0f, 0.0f, 1.0f);
    // Next to the orange and blue pixels: their average, still fully transparent.
    EXPECT_EQ(At(picture, 0, 0), 0x00643264u);
    // Next to orange only.
    EXPECT_EQ(At(picture, 0, 2), 0x00C86400u);
    // Nothing unkeyed around: transparent black, never the key's magenta.
    EXPECT_EQ(At(picture, 4, 2), 0x00000000u);
    // A transparent neighbour's colour shows nowhere, so it lends none.
    EXPECT_EQ(At(picture, 4, 1), 0x00000000u);
    EXPECT_EQ(At(picture, 4, 0), 0x0000FF00u);
    EXPECT_EQ(At(picture, 0, 1), 0xFFC86400u);
}

} // namespace

} // namespace vantor::test
