// Panels drawn over the play screen: their shape, their alpha, and room for what the game
// draws on them.
#include "GeneratedPictures.h"

#include <gtest/gtest.h>

namespace vantor::test {

namespace {

struct Placed {
    std::string name;
    int x; // where the game draws the panel
    int y;
};

const std::vector<Placed>& Overlays() {
    static const std::vector<Placed> list = {
        {"score.png", 360, 0},  {"S01.png", 888, 0},          {"S02.png", 888, 0},
        {"S03.png", 888, 0},    {"bottomHud.png", 307, 720},  {"PlanetInfo.png", 104, 75},
        {"menu.png", 0, 0},     {"imagesHQBUG9TN.png", 0, 0}, {"Damage01.png", 0, 0},
        {"Damage02.png", 0, 0}, {"Damage03.png", 0, 0},       {"Damage04.png", 0, 0},
        {"Damage05.png", 0, 0}, {"Damage05.png", 610, 450}};
    return list;
}

// A number the game writes on a panel: its top-left in window pixels, the font size and the
// most digits it will show.
struct NumberSlot {
    Placed panel;
    int x;
    int y;
    int size;
    int digits;
};

int CountAlpha(const Picture& picture, int atMost) {
    int count = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            count += picture.At(x, y)[3] <= atMost;
        }
    }
    return count;
}

} // namespace

TEST(Panels, OverlaysHaveAlphaWithClearPartsAndFitTheWindow) {
    for (const Placed& panel : Overlays()) {
        SCOPED_TRACE(panel.name);
        const Picture& picture = GeneratedPictures::Load(panel.name);
        ASSERT_GT(picture.width, 0);
        EXPECT_TRUE(picture.hasAlpha);
        EXPECT_GT(CountAlpha(picture, 0), 0) << "no transparent part";
        EXPECT_LE(panel.x + picture.width, 1024);
        EXPECT_LE(panel.y + picture.height, 768);
    }
}

TEST(Panels, NumbersLandOnDarkOpaqueWellsClearOfCaptions) {
    const Placed score{"score.png", 360, 0};
    const Placed warp{"S01.png", 888, 0};
    const Placed bottom{"bottomHud.png", 307, 720};
    const Placed planet{"PlanetInfo.png", 104, 75};
    const Placed menu{"menu.png", 0, 0};
    const NumberSlot slots[] = {
        {score, 411, 19, 15, 5},   {score, 500, 19, 15, 5},   {score, 572, 19, 15, 3},
        {bottom, 500, 735, 15, 2}, {planet, 220, 110, 21, 5}, {planet, 220, 180, 21, 5},
        {menu, 920, 290, 15, 4},   {menu, 150, 420, 15, 5},   {menu, 150, 522, 15, 5},
        {menu, 150, 618, 15, 4},   {menu, 615, 675, 15, 5},   {menu, 865, 674, 15, 5},
        {menu, 145, 205, 15, 3}};
    for (const NumberSlot& slot : slots) {
        SCOPED_TRACE(slot.panel.name + " at " + std::to_string(slot.x) + "," +
                     std::to_string(slot.y));
        const Picture& picture = GeneratedPictures::Load(slot.panel.name);
        ASSERT_GT(picture.width, 0);
        // Where the digits' ink falls: below the line's top, as wide as the digits.
        const int left = slot.x - slot.panel.x;
        const int top = slot.y - slot.panel.y + slot.size / 6;
        const int right = left + slot.digits * slot.size * 2 / 3;
        const int bottom = slot.y - slot.panel.y + slot.size;
        ASSERT_GE(left, 0);
        ASSERT_LE(right, picture.width);
        ASSERT_LE(bottom, picture.height);
        int bright = 0;
        int clear = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                bright += picture.Luminance(x, y) > 0.2f;
                clear += picture.At(x, y)[3] < 230;
            }
        }
        EXPECT_EQ(bright, 0);
        EXPECT_EQ(clear, 0);
    }
}

TEST(Panels, TheWarpLabelLeavesAWindowForThePercentageDrawnBeneathIt) {
    // The percentage is written at (983, 26) before the label is laid over it at (888, 0).
    const Picture& label = GeneratedPictures::Load("S01.png");
    ASSERT_GT(label.width, 0);
    const int left = 983 - 888;
    const int top = 26 + 15 / 6;
    for (int y = top; y < 26 + 15; ++y) {
        for (int x = left; x < left + 3 * 15 * 2 / 3; ++x) {
            ASSERT_EQ(label.At(x, y)[3], 0) << "at " << x << "," << y;
        }
    }
    // Around the window the label is solid.
    EXPECT_GT(label.At(left - 20, top)[3], 200);
}

TEST(Panels, PictureSlotsLieInsideTheirPanels) {
    struct Slot {
        Placed panel;
        int x;
        int y;
        int width;
        int height;
    };
    const Placed bottom{"bottomHud.png", 307, 720};
    const Placed menu{"menu.png", 0, 0};
    const Slot slots[] = {{bottom, 540, 727, 40, 40},
                          {bottom, 364, 734, 100, 34},
                          {{"PlanetInfo.png", 104, 75}, 402, 275, 200, 200},
                          {menu, 122, 113, 40, 40},
                          {menu, 820, 470, 100, 34},
                          {menu, 610, 450, 200, 110},
                          {menu, 80, 605, 50, 50},
                          {menu, 552, 660, 50, 50}};
    for (const Slot& slot : slots) {
        SCOPED_TRACE(slot.panel.name + " at " + std::to_string(slot.x) + "," +
                     std::to_string(slot.y));
        const Picture& picture = GeneratedPictures::Load(slot.panel.name);
        const int left = slot.x - slot.panel.x;
        const int top = slot.y - slot.panel.y;
        ASSERT_GE(left, 0);
        ASSERT_GE(top, 0);
        EXPECT_LE(left + slot.width, picture.width);
        EXPECT_LE(top + std::min(slot.height, 768 - slot.y), picture.height);
        // The slot's middle is a dark, solid backing for the picture.
        const int cx = left + slot.width / 2;
        const int cy = top + std::min(slot.height, 768 - slot.y) / 2;
        EXPECT_GE(picture.At(cx, cy)[3], 230);
        EXPECT_LT(picture.Luminance(cx, cy), 0.2f);
    }
}

TEST(Panels, MenuCoversNearlyTheWholeScreen) {
    const Picture& menu = GeneratedPictures::Load("menu.png");
    ASSERT_EQ(menu.width, 1024);
    ASSERT_EQ(menu.height, 768);
    const int area = menu.width * menu.height;
    EXPECT_GT(area - CountAlpha(menu, 229), area * 9 / 10);
    EXPECT_EQ(menu.At(0, 0)[3], 0);
}

TEST(Panels, SectorLabelsAreVariantsOfOneShape) {
    const Picture& first = GeneratedPictures::Load("S01.png");
    for (const char* name : {"S02.png", "S03.png"}) {
        const Picture& other = GeneratedPictures::Load(name);
        EXPECT_EQ(other.width, first.width) << name;
        EXPECT_EQ(other.height, first.height) << name;
        EXPECT_NE(other.rgba, first.rgba) << name;
    }
}

TEST(ShipStatus, DamageGrowsFromPictureToPictureAndEachCoversTheLast) {
    const char* names[] = {"imagesHQBUG9TN.png", "Damage01.png", "Damage02.png",
                           "Damage03.png",       "Damage04.png", "Damage05.png"};
    const Picture& intact = GeneratedPictures::Load(names[0]);
    int lastRed = -1;
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const Picture& picture = GeneratedPictures::Load(name);
        ASSERT_EQ(picture.width, intact.width);
        ASSERT_EQ(picture.height, intact.height);
        // Solid inside, so the top picture of the stack is the one that reads.
        EXPECT_EQ(picture.At(picture.width / 2, picture.height / 2)[3], 255);
        int red = 0;
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const std::uint8_t* p = picture.At(x, y);
                red += p[3] > 128 && p[0] > 150 && p[1] < 120 && p[2] < 90;
            }
        }
        EXPECT_GT(red, lastRed);
        lastRed = red;
    }
}

} // namespace vantor::test
