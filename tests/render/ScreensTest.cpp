// Every screen of the game drawn on the offscreen picture from the generated files, checked
// at places that only one element covers.
#include "LoadedLevel.h"

#include "graphics/SpriteSheet.h"
#include "graphics/TextWriter.h"
#include "support/PictureFile.h"
#include "support/ShownRegion.h"

#include <cstdlib>
#include <optional>

namespace vantor::test {

namespace {

constexpr std::optional<graphics::KeyColour> NoKey;
constexpr std::optional<graphics::KeyColour> Green = graphics::KeyColour::Green;
constexpr std::optional<graphics::KeyColour> White = graphics::KeyColour::White;

class Screens : public LoadedLevel {
protected:
    // The share of the picture's solid pixels (opaque enough, not keyed) in the rectangle (sx, sy,
    // w, h) of the file that the screen shows unchanged at (x, y). Every step-th pixel is
    // looked at; at least 30 must qualify.
    double Shown(const char* file, int sx, int sy, int w, int h, int x, int y,
                 std::optional<graphics::KeyColour> key = NoKey, int tolerance = 3,
                 int minAlpha = 0xFF, int step = 3) {
        const PictureFile picture(GeneratedAssets::Path(file));
        EXPECT_GT(picture.Width(), 0) << file;
        const ShownRegion region{sx, sy, w, h, x, y, tolerance, minAlpha, key, step};
        int solid = 0;
        const double share = region.Share(offscreen->graphics, picture, solid);
        EXPECT_GE(solid, 30) << file << ": too few solid pixels to judge";
        return share;
    }

    // The backdrop shows unchanged in the rectangle.
    double Backdrop(const char* file, int x, int y, int w, int h) {
        return Shown(file, x, y, w, h, x, y);
    }

    // How many pixels in the rectangle are close to the colour.
    int Count(int x, int y, int w, int h, int r, int g, int b) {
        int count = 0;
        for (int py = y; py < y + h; ++py) {
            for (int px = x; px < x + w; ++px) {
                const uint32_t p = Pixel(px, py);
                count += std::abs(static_cast<int>((p >> 16) & 0xFF) - r) < 60 &&
                         std::abs(static_cast<int>((p >> 8) & 0xFF) - g) < 60 &&
                         std::abs(static_cast<int>(p & 0xFF) - b) < 60;
            }
        }
        return count;
    }
};

TEST_F(Screens, LoadingMadeEveryPictureAndTextStyleWithoutAReport) {
    EXPECT_TRUE(offscreen->reports.empty())
        << offscreen->reports.front().first << " " << offscreen->reports.front().second;
    EXPECT_EQ(SpriteSheet::live, 55);
    EXPECT_EQ(TextWriter::live, 14);
    EXPECT_NE(level->playerShip->baseBitmap, nullptr);
    EXPECT_NE(level->playerShip->detailBitmap, nullptr);
    for (SpriteSheet* sheet : {level->splashScreen, level->backgrounds[13], level->planets[9],
                               level->sectorLabels[2], level->beamStrip, level->enemyShip01}) {
        EXPECT_NE(sheet->bitmap, nullptr);
    }
    EXPECT_EQ(level->explosionStrip->columns, 7);
    EXPECT_EQ(level->asteroidStrip->columns, 8);
}

TEST_F(Screens, TheTitleShowsTheSplashAndThePrompt) {
    Draw();
    EXPECT_GT(Backdrop("Splash.bmp", 0, 0, 1024, 720), 0.99);
    // "Press Enter To Start" in green at (400, 730).
    EXPECT_GT(Count(400, 730, 360, 38, 0, 255, 0), 150);
    EXPECT_EQ(Count(0, 730, 390, 38, 0, 255, 0), 0);
}

TEST_F(Screens, ALayoutWithPlanetsAndAnAsteroid) {
    Playing(2, 1);
    Draw();
    EXPECT_GT(Backdrop("Background01.png", 560, 420, 120, 110), 0.99);
    EXPECT_GT(Shown("Planet4.bmp", 0, 0, 100, 100, 150, 200, Green, 6), 0.95);
    EXPECT_GT(Shown("Planet5.bmp", 0, 0, 100, 100, 150, 450, Green, 6), 0.95);
    EXPECT_GT(Shown("Planet6.bmp", 0, 0, 100, 100, 420, 450, Green, 6), 0.95);
    EXPECT_GT(Shown("asteroid01.png", 0, 0, 128, 128, 420, 180), 0.95);
    // The counters of the score panel, and the torpedoes left.
    EXPECT_GT(Count(411, 19, 20, 18, 255, 255, 0), 5) << "energy";
    EXPECT_GT(Count(500, 19, 20, 18, 255, 0, 255), 5) << "science";
    EXPECT_GT(Count(500, 735, 20, 18, 255, 128, 255), 5) << "torpedoes";
}

TEST_F(Screens, ARockAndNoPlanets) {
    Playing(2, 2);
    Draw();
    EXPECT_GT(Shown("rock.png", 0, 0, 100, 100, 420, 180), 0.95);
    EXPECT_GT(Backdrop("Background01.png", 150, 200, 100, 100), 0.99);
    EXPECT_GT(Backdrop("Background01.png", 150, 450, 100, 100), 0.99);
}

TEST_F(Screens, NeitherPlanetsNorAsteroid) {
    Playing(3, 12);
    Draw();
    EXPECT_GT(Backdrop("Background02.jpg", 420, 180, 128, 128), 0.99);
    EXPECT_GT(Backdrop("Background02.jpg", 150, 200, 100, 100), 0.99);
}

TEST_F(Screens, ThePlanetPanelWithItsNumbers) {
    Playing(2, 12);
    level->planet2InRange = 1;
    level->planetEnergy = 288;
    level->planetScience = 188;
    Draw();
    EXPECT_TRUE(level->inputLocked);
    // The panel, away from the ship status, the turning planet and the numbers.
    EXPECT_GT(Shown("PlanetInfo.png", 0, 240, 290, 60, 104, 315), 0.95);
    // Planet 2's panel turns the second animated planet.
    EXPECT_GT(Shown("aniPlanet02.png", 0, 0, 200, 200, 402, 275), 0.95);
    EXPECT_GT(Count(220, 110, 45, 26, 255, 255, 0), 15) << "energy offered";
    EXPECT_GT(Count(220, 180, 45, 26, 255, 0, 255), 15) << "science offered";
}

TEST_F(Screens, TheEngineeringMenu) {
    Playing(2, 12);
    level->menuOpen = true;
    level->energy = 345;
    Draw();
    // Nearly opaque, so the scene beneath barely shows through.
    EXPECT_GT(Shown("menu.png", 0, 0, 1024, 100, 0, 0, NoKey, 16, 240), 0.95);
    EXPECT_GT(Count(150, 420, 40, 18, 255, 128, 255), 10) << "energy";
    EXPECT_GT(Shown("beam.png", 0, 0, 50, 50, 80, 605, NoKey, 3, 0xFF, 1), 0.9);
    // At damage 0 the intact ship is shown in its slot.
    EXPECT_GT(Shown("imagesHQBUG9TN.png", 0, 0, 200, 110, 610, 450, NoKey, 12), 0.9);
}

TEST_F(Screens, TheEndScreenAfterADefeat) {
    Playing(4, 12);
    level->damageLevel = 6;
    Draw();
    EXPECT_TRUE(level->gameOver);
    EXPECT_GT(Shown("GameOver.bmp", 0, 0, 600, 400, 200, 190, Green, 6), 0.95);
    const auto commands = sound.Take();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.back(), "play largeexplosion4.mp3");
}

TEST_F(Screens, TheEndScreenAfterAVictoryShowsNoShip) {
    Playing(16, 12);
    level->gameOver = true;
    level->playerWon = true;
    level->bossHits = 6;
    level->shipX = 100;
    level->shipY = 600;
    Draw();
    // Where the ship would be, the victory backdrop shows.
    EXPECT_GT(Backdrop("GameEnd.jpg", 100, 600, 100, 75), 0.99);
    EXPECT_GT(Shown("GameOver.bmp", 0, 0, 600, 400, 200, 190, Green, 6), 0.95);
    EXPECT_EQ(sound.Take().back(), "play PlayerWins.mp3");
}

TEST_F(Screens, TheBossSector) {
    Playing(15, 14);
    level->enemyHeading = 0;
    Draw();
    EXPECT_GT(Backdrop("Background14.jpg", 560, 420, 120, 110), 0.99);
    EXPECT_GT(Shown("EnemyShip01.bmp", 0, 0, 100, 75, 850, 550, White, 6), 0.95);
}

TEST_F(Screens, AWreckedShipBurnsBelowTheBossSector) {
    Playing(5, 12);
    level->damageLevel = 6;
    // Clear of the end screen's plate and of the enemy.
    level->shipX = 860;
    level->shipY = 600;
    level->enemyX = 30;
    level->enemyY = 400;
    Draw();
    EXPECT_GT(Shown("explosion.png", 0, 0, 138, 138, 860, 600), 0.9);
    // The top bar shows all five damage pictures stacked, the last one on top.
    EXPECT_GT(Shown("Damage05.png", 0, 0, 200, 110, 0, 0, NoKey, 12), 0.95);
}

} // namespace

} // namespace vantor::test
