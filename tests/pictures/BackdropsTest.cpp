// Full-window pictures: one backdrop per sector, the title and the victory picture.
#include "GeneratedPictures.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace vantor::test {

namespace {

std::vector<std::string> SectorBackdrops() {
    std::vector<std::string> names = {"SectorBackground.bmp", "Background01.png"};
    for (int i = 2; i <= 14; ++i) {
        names.push_back((i < 10 ? "Background0" : "Background") + std::to_string(i) + ".jpg");
    }
    return names;
}

// A 32 by 24 thumbnail, each cell the mean colour of a 32 by 32 block.
std::vector<double> Thumbnail(const Picture& picture) {
    std::vector<double> thumb(32 * 24 * 3, 0.0);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* p = picture.At(x, y);
            const std::size_t cell = (static_cast<std::size_t>(y / 32) * 32 + x / 32) * 3;
            for (int c = 0; c < 3; ++c) {
                thumb[cell + c] += p[c] / 1024.0;
            }
        }
    }
    return thumb;
}

std::array<double, 3> MeanColour(const Picture& picture) {
    std::array<double, 3> sum{};
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            for (int c = 0; c < 3; ++c) {
                sum[c] += picture.At(x, y)[c];
            }
        }
    }
    for (double& s : sum) {
        s /= static_cast<double>(picture.width) * picture.height;
    }
    return sum;
}

} // namespace

TEST(Backdrops, AllFillTheWindow) {
    std::vector<std::string> names = SectorBackdrops();
    names.push_back("GameEnd.jpg");
    names.push_back("Splash.bmp");
    for (const std::string& name : names) {
        const Picture& picture = GeneratedPictures::Load(name);
        EXPECT_EQ(picture.width, 1024) << name;
        EXPECT_EQ(picture.height, 768) << name;
    }
}

TEST(Backdrops, EverySectorLooksDifferent) {
    std::vector<std::string> names = SectorBackdrops();
    names.push_back("GameEnd.jpg");
    std::vector<std::vector<double>> thumbs;
    for (const std::string& name : names) {
        thumbs.push_back(Thumbnail(GeneratedPictures::Load(name)));
    }
    for (std::size_t a = 0; a < thumbs.size(); ++a) {
        for (std::size_t b = a + 1; b < thumbs.size(); ++b) {
            double difference = 0;
            for (std::size_t i = 0; i < thumbs[a].size(); ++i) {
                difference += std::fabs(thumbs[a][i] - thumbs[b][i]);
            }
            difference /= static_cast<double>(thumbs[a].size());
            EXPECT_GT(difference, 4.0) << names[a] << " and " << names[b] << " look alike";
        }
    }
}

TEST(Backdrops, BossSectorIsDarkAndRed) {
    const std::array<double, 3> boss = MeanColour(GeneratedPictures::Load("Background14.jpg"));
    EXPECT_GT(boss[0], 2.0 * boss[1]);
    EXPECT_GT(boss[0], 2.0 * boss[2]);
    EXPECT_LT(boss[0], 90.0);
}

TEST(Backdrops, TitleShowsTheNameAndLeavesThePromptAreaDark) {
    const Picture& title = GeneratedPictures::Load("Splash.bmp");
    ASSERT_EQ(title.width, 1024);
    // The green prompt is written at (400, 730) about 30 pixels high.
    int loud = 0;
    for (int y = 720; y < 768; ++y) {
        for (int x = 380; x < 720; ++x) {
            const std::uint8_t* p = title.At(x, y);
            loud += std::max({p[0], p[1], p[2]}) > 40;
        }
    }
    EXPECT_EQ(loud, 0);
    // The name across the upper part, in large bright letters.
    int bright = 0;
    for (int y = 100; y < 260; ++y) {
        for (int x = 0; x < 1024; ++x) {
            bright += title.Luminance(x, y) > 0.8f;
        }
    }
    EXPECT_GT(bright, 1024 * 160 / 20);
}

} // namespace vantor::test
