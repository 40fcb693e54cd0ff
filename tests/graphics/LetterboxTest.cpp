#include "graphics/Letterbox.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace vantor::test {

namespace {

void ExpectRect(const SDL_Rect& rect, int x, int y, int w, int h) {
    EXPECT_EQ(rect.x, x);
    EXPECT_EQ(rect.y, y);
    EXPECT_EQ(rect.w, w);
    EXPECT_EQ(rect.h, h);
}

// The output point lands at the game pixel (x, y), clamped to the picture's edge, and on the
// picture or not.
void ExpectToGame(const SDL_Rect& box, float outX, float outY, bool onPicture, int x, int y) {
    SCOPED_TRACE("output point " + std::to_string(outX) + ", " + std::to_string(outY));
    int gameX = -1;
    int gameY = -1;
    EXPECT_EQ(graphics::Letterbox::ToGame(box, outX, outY, gameX, gameY), onPicture);
    EXPECT_EQ(gameX, x);
    EXPECT_EQ(gameY, y);
}

TEST(Letterbox, FitsTheLargestCentredFourByThreeRectangle) {
    ExpectRect(graphics::Letterbox::Fit(1024, 768), 0, 0, 1024, 768);
    ExpectRect(graphics::Letterbox::Fit(2048, 1536), 0, 0, 2048, 1536);
    // Wide outputs get bars left and right, tall ones above and below.
    ExpectRect(graphics::Letterbox::Fit(1920, 1080), 240, 0, 1440, 1080);
    ExpectRect(graphics::Letterbox::Fit(1024, 1024), 0, 128, 1024, 768);
    ExpectRect(graphics::Letterbox::Fit(800, 601), 0, 0, 800, 600);
    ExpectRect(graphics::Letterbox::Fit(0, 768), 0, 0, 0, 0);
    ExpectRect(graphics::Letterbox::Fit(1024, -1), 0, 0, 0, 0);
}

TEST(Letterbox, MapsOutputPointsBackToGamePixels) {
    const SDL_Rect box =
        graphics::Letterbox::Fit(1920, 1080); // 240, 0, 1440 by 1080: scale 1.40625
    ExpectToGame(box, 240.0f, 0.0f, true, 0, 0);
    ExpectToGame(box, 960.0f, 540.0f, true, 512, 384);
    ExpectToGame(box, 1679.9f, 1079.9f, true, 1023, 767);
}

TEST(Letterbox, PointsInTheBarsMissThePictureAndClampToItsEdge) {
    const SDL_Rect box = graphics::Letterbox::Fit(1920, 1080);
    ExpectToGame(box, 100.0f, 500.0f, false, 0, 355);
    ExpectToGame(box, 1800.0f, 1200.0f, false, 1023, 767);
    int x = -1;
    int y = -1;
    EXPECT_FALSE(
        graphics::Letterbox::ToGame(box, std::numeric_limits<float>::quiet_NaN(), 10.0f, x, y));
    EXPECT_FALSE(graphics::Letterbox::ToGame(SDL_Rect{0, 0, 0, 0}, 1.0f, 1.0f, x, y));
}

} // namespace

} // namespace vantor::test
