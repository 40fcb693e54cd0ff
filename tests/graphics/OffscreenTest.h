#pragma once

#include "graphics/Graphics.h"
#include "graphics/KeyColour.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vantor::test {

// A test on a fresh offscreen game picture, with helpers to read it back.
class OffscreenTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(graphics.InitOffscreen()); }

    // The key the test pictures' backgrounds are painted in, unlike any colour of the game's.
    static constexpr graphics::KeyColour MagentaKey{1, 0, 1};

    uint32_t Pixel(int x, int y) { return graphics.ReadPixel(x, y); }

    std::vector<uint32_t> Snapshot() {
        std::vector<uint32_t> pixels(size_t(Graphics::Width) * Graphics::Height);
        EXPECT_TRUE(graphics.ReadPixels(pixels.data()));
        return pixels;
    }

    static int RedOf(uint32_t pixel) { return int((pixel >> 16) & 0xFF); }
    static int GreenOf(uint32_t pixel) { return int((pixel >> 8) & 0xFF); }
    static int BlueOf(uint32_t pixel) { return int(pixel & 0xFF); }
    static int AlphaOf(uint32_t pixel) { return int(pixel >> 24); }

    Graphics graphics;
};

} // namespace vantor::test
