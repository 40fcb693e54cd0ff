// Pictures drawn through the chroma key: the background must vanish and the subject must not.
#include "GeneratedPictures.h"
#include "KeyColour.h"

#include "support/ByteFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vantor::test {

namespace {

const KeyColour kGreen{0, 255, 0};
const KeyColour kBlue{0, 0, 255};
const KeyColour kWhite{255, 255, 255};

struct Keyed {
    std::string name;
    KeyColour key;
};

std::vector<Keyed> AllKeyed() {
    std::vector<Keyed> list;
    for (int i = 1; i <= 10; ++i) {
        list.push_back({"Planet" + std::to_string(i) + ".bmp", kGreen});
    }
    for (const char* name : {"captain.bmp", "captain2.bmp", "warhead01.bmp", "warhead02.bmp",
                             "warheadFire.bmp", "ShipBase.bmp", "ShipDetail.bmp", "GameOver.bmp"}) {
        list.push_back({name, kGreen});
    }
    list.push_back({"EnemyShip.bmp", kBlue});
    list.push_back({"EnemyShip01.bmp", kWhite});
    return list;
}

KeyColour KeyOf(const std::string& name) {
    for (const Keyed& k : AllKeyed()) {
        if (k.name == name) {
            return k.key;
        }
    }
    return kGreen;
}

// What survives the key: position and count of the subject's pixels.
struct Subject {
    int count = 0;
    double sumX = 0;
    double sumY = 0;
    int left = 1 << 20;
    int right = -1;
    int top = 1 << 20;
    int bottom = -1;
    std::vector<bool> mask;

    double CentreX() const { return sumX / count; }
    double CentreY() const { return sumY / count; }
};

Subject Measure(const Picture& picture, const KeyColour& key) {
    Subject s;
    s.mask.resize(static_cast<std::size_t>(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (key.Removes(picture.At(x, y))) {
                continue;
            }
            s.mask[static_cast<std::size_t>(y) * picture.width + x] = true;
            ++s.count;
            s.sumX += x + 0.5;
            s.sumY += y + 0.5;
            s.left = std::min(s.left, x);
            s.right = std::max(s.right, x);
            s.top = std::min(s.top, y);
            s.bottom = std::max(s.bottom, y);
        }
    }
    return s;
}

} // namespace

TEST(KeyedPictures, BackgroundIsExactlyTheKeyAndNoSubjectPixelFallsToIt) {
    for (const Keyed& keyed : AllKeyed()) {
        SCOPED_TRACE(keyed.name);
        const std::vector<std::uint8_t> bytes = ByteFile::Read(GeneratedPictures::Path(keyed.name));
        ASSERT_GT(bytes.size(), 30u);
        EXPECT_EQ(bytes[28], 24) << "keyed pictures are 24-bit";
        const Picture& picture = GeneratedPictures::Load(keyed.name);
        ASSERT_GT(picture.width, 0);
        for (auto [x, y] :
             {std::pair{0, 0}, std::pair{picture.width - 1, 0}, std::pair{0, picture.height - 1},
              std::pair{picture.width - 1, picture.height - 1}}) {
            EXPECT_TRUE(keyed.key.Is(picture.At(x, y))) << "corner " << x << "," << y;
        }
        int background = 0;
        int inTolerance = 0;
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const std::uint8_t* p = picture.At(x, y);
                if (keyed.key.Is(p)) {
                    ++background;
                } else if (keyed.key.Removes(p)) {
                    ++inTolerance;
                }
            }
        }
        EXPECT_EQ(inTolerance, 0) << "subject pixels the key would remove";
        const int area = picture.width * picture.height;
        EXPECT_GT(area - background, area / 25) << "too little survives the key";
    }
}

TEST(KeyedPictures, ShipsAndTorpedoesPointRightAboutTheTurningCentre) {
    for (const char* name :
         {"ShipBase.bmp", "EnemyShip.bmp", "EnemyShip01.bmp", "warheadFire.bmp"}) {
        SCOPED_TRACE(name);
        const Picture& picture = GeneratedPictures::Load(name);
        EXPECT_EQ(picture.width, 100);
        EXPECT_EQ(picture.height, 75);
        const Subject s = Measure(picture, KeyOf(name));
        ASSERT_GT(s.count, 0);
        // The middle of the subject's extent is the point the game turns it about.
        EXPECT_NEAR((s.left + s.right + 1) / 2.0, 50.0, 4.0);
        EXPECT_NEAR((s.top + s.bottom + 1) / 2.0, 37.0, 3.0);
        EXPECT_NEAR(s.CentreY(), 37.0, 3.0);
        // The nose: the right-most part sits on the centre line, far to the right.
        EXPECT_GE(s.right, 75);
        double rows = 0;
        int count = 0;
        for (int y = 0; y < picture.height; ++y) {
            for (int x = s.right - 2; x <= s.right; ++x) {
                if (s.mask[static_cast<std::size_t>(y) * picture.width + x]) {
                    rows += y + 0.5;
                    ++count;
                }
            }
        }
        EXPECT_NEAR(rows / count, 37.5, 4.0);
    }
}

TEST(KeyedPictures, ShipDetailLiesOnTheHull) {
    const Picture& base = GeneratedPictures::Load("ShipBase.bmp");
    const Picture& detail = GeneratedPictures::Load("ShipDetail.bmp");
    ASSERT_EQ(base.width, detail.width);
    ASSERT_EQ(base.height, detail.height);
    const Subject hull = Measure(base, kGreen);
    const Subject details = Measure(detail, kGreen);
    int onHull = 0;
    for (std::size_t i = 0; i < details.mask.size(); ++i) {
        onHull += details.mask[i] && hull.mask[i];
    }
    EXPECT_GT(details.count, 100);
    EXPECT_GT(onHull, details.count * 2 / 3);
    EXPECT_LT(details.count, hull.count);
}

TEST(KeyedPictures, BossIsBiggerThanTheRaider) {
    const Subject raider = Measure(GeneratedPictures::Load("EnemyShip.bmp"), kBlue);
    const Subject boss = Measure(GeneratedPictures::Load("EnemyShip01.bmp"), kWhite);
    EXPECT_GT(boss.count, raider.count * 13 / 10);
}

TEST(KeyedPictures, PlanetsAreRoundDifferentAndFillTheirReachBox) {
    std::vector<const Picture*> planets;
    for (int i = 1; i <= 10; ++i) {
        const std::string name = "Planet" + std::to_string(i) + ".bmp";
        SCOPED_TRACE(name);
        const Picture& picture = GeneratedPictures::Load(name);
        EXPECT_NEAR(picture.width, 100, 10);
        EXPECT_NEAR(picture.height, 100, 10);
        const Subject s = Measure(picture, kGreen);
        ASSERT_GT(s.count, 0);
        EXPECT_NEAR(s.CentreX(), picture.width / 2.0, 3.0);
        EXPECT_NEAR(s.CentreY(), picture.height / 2.0, 3.0);
        EXPECT_GE(s.right - s.left, 45);
        planets.push_back(&picture);
    }
    for (std::size_t a = 0; a < planets.size(); ++a) {
        for (std::size_t b = a + 1; b < planets.size(); ++b) {
            EXPECT_NE(planets[a]->rgba, planets[b]->rgba) << "Planet" << a + 1 << " and " << b + 1;
        }
    }
}

TEST(KeyedPictures, BottomBarPicturesFitAboveTheWindowsLowerEdge) {
    // The captain is drawn at y 727 and the weapon at y 734 of a 768-high window.
    for (const char* name : {"captain.bmp", "captain2.bmp"}) {
        const Subject s = Measure(GeneratedPictures::Load(name), kGreen);
        EXPECT_LE(727 + s.bottom, 767) << name;
    }
    for (const char* name : {"warhead01.bmp", "warhead02.bmp"}) {
        const Subject s = Measure(GeneratedPictures::Load(name), kGreen);
        EXPECT_LE(734 + s.bottom, 767) << name;
        EXPECT_GT(s.right - s.left, 40) << name;
    }
}

TEST(KeyedPictures, HigherRankWearsMoreGold) {
    auto gold = [](const Picture& picture) {
        int count = 0;
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const std::uint8_t* p = picture.At(x, y);
                count += p[0] > 200 && p[1] > 140 && p[1] < 235 && p[2] < 110;
            }
        }
        return count;
    };
    EXPECT_GT(gold(GeneratedPictures::Load("captain2.bmp")),
              gold(GeneratedPictures::Load("captain.bmp")) + 50);
}

TEST(KeyedPictures, GameOverPlateFitsTheWindowWhereItIsDrawn) {
    const Picture& plate = GeneratedPictures::Load("GameOver.bmp");
    EXPECT_LE(200 + plate.width, 1024);
    EXPECT_LE(190 + plate.height, 768);
    EXPECT_GT(plate.width, 300);
}

} // namespace vantor::test
