// How colours are moved clear of a chroma key, and the drawing pieces the painters rely on.
#include "tools/pictures/Canvas.h"
#include "tools/pictures/PictureWriter.h"
#include "tools/pictures/Shape.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vantor::test {

namespace {

bool WithinKey(int r, int g, int b, const tools::pictures::Colour& key) {
    return std::abs(r - key.r * 255) / 255.0 <= 0.7 && std::abs(g - key.g * 255) / 255.0 <= 0.7 &&
           std::abs(b - key.b * 255) / 255.0 <= 0.7;
}

} // namespace

TEST(PictureWriter, MovesEveryColourOutOfReachOfEachKeyByOneChannel) {
    const tools::pictures::Colour keys[] = {{0, 1, 0}, {0, 0, 1}, {1, 1, 1}};
    for (const tools::pictures::Colour& key : keys) {
        for (int r = 0; r <= 255; r += 15) {
            for (int g = 0; g <= 255; g += 15) {
                for (int b = 0; b <= 255; b += 15) {
                    int nr = r;
                    int ng = g;
                    int nb = b;
                    tools::pictures::PictureWriter::MoveOutOfKey(nr, ng, nb, key);
                    ASSERT_FALSE(WithinKey(nr, ng, nb, key)) << r << "," << g << "," << b;
                    const int changed = (nr != r) + (ng != g) + (nb != b);
                    EXPECT_LE(changed, 1);
                    if (!WithinKey(r, g, b, key)) {
                        // Only colours very near the edge of the key's reach get nudged.
                        EXPECT_LE(std::abs(nr - r) + std::abs(ng - g) + std::abs(nb - b), 6);
                    }
                }
            }
        }
    }
}

TEST(PictureWriter, KeepsDarkRedOnGreenAndNudgesMidGreyTheLeastItCan) {
    int r = 120;
    int g = 20;
    int b = 20;
    tools::pictures::PictureWriter::MoveOutOfKey(r, g, b, {0, 1, 0});
    EXPECT_EQ(r, 120);
    EXPECT_EQ(g, 20);
    EXPECT_EQ(b, 20);
    // Mid grey on green: raising red or blue to 184 costs 56, lowering green to 71 costs 57.
    r = 128;
    g = 128;
    b = 128;
    tools::pictures::PictureWriter::MoveOutOfKey(r, g, b, {0, 1, 0});
    EXPECT_EQ(r + g + b, 128 + 128 + 184);
    EXPECT_EQ(g, 128);
}

TEST(Shapes, PolygonKnowsInsideFromOutsideEvenWhenConcave) {
    // An L shape.
    const tools::pictures::Shape l =
        tools::pictures::Shape::Polygon({{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}});
    EXPECT_LT(l.distance(2, 2), 0);
    EXPECT_LT(l.distance(2, 8), 0);
    EXPECT_GT(l.distance(8, 8), 0);
    EXPECT_NEAR(l.distance(7, 7), 3.0f, 1e-4f);
    EXPECT_NEAR(l.distance(5, 2), -2.0f, 1e-4f);
}

TEST(Canvas, FillsShapesWithSmoothEdgesAndScalesDownByAveraging) {
    tools::pictures::Canvas canvas(40, 40, {0, 0, 0, 0}, 4.0f);
    canvas.Fill(tools::pictures::Shape::Rect(0, 0, 5, 10), tools::pictures::Colour{1, 0, 0});
    const tools::pictures::Canvas small = canvas.Downsampled(4);
    ASSERT_EQ(small.width, 10);
    EXPECT_FLOAT_EQ(small.unit, 1.0f);
    EXPECT_NEAR(small.At(2, 5).a, 1.0f, 1e-5f);
    EXPECT_NEAR(small.At(2, 5).r, 1.0f, 1e-5f);
    EXPECT_NEAR(small.At(7, 5).a, 0.0f, 1e-5f);
    // A half-covered pixel on a shape's edge is half opaque.
    tools::pictures::Canvas edge(4, 1);
    edge.Fill(tools::pictures::Shape::Rect(0, 0, 1.5f, 1), tools::pictures::Colour{1, 1, 1});
    EXPECT_NEAR(edge.At(1, 0).a, 0.5f, 1e-5f);
}

} // namespace vantor::test
