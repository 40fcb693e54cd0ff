#include "SectorFixture.h"

#include <array>
#include <ctime>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

const std::vector<std::string> NewGameSounds = {"stop PlayerWins.mp3", "stop GameOver.mp3",
                                                "play intro.mp3"};

TEST(SectorLoad, StartsANewGameOnTheTitleWithNoPlanetsInTheFirstSector) {
    RecordingPlayer sound;
    Sector01 level;
    level.Load();

    EXPECT_EQ(sound.commands, NewGameSounds);
    EXPECT_TRUE(level.titleScreen);
    EXPECT_FALSE(level.gameStarted);
    EXPECT_TRUE(level.inputLocked);
    EXPECT_EQ(level.sector, 1.0f);
    EXPECT_GE(level.sectorLayout, 1);
    EXPECT_LE(level.sectorLayout, 10);
    // Planets were placed while the layout was still 0, so the first sector has none,
    // whatever layout the new game then drew.
    for (const game::PlanetView& planet : level.SectorPlanets()) {
        EXPECT_EQ(planet.x, 0.0f);
        EXPECT_EQ(planet.y, 0.0f);
    }
    EXPECT_GE(level.asteroidX, 101.0f);
    EXPECT_LE(level.asteroidX, 510.0f);
    EXPECT_GE(level.asteroidY, 77.0f);
    EXPECT_LE(level.asteroidY, 385.0f);
    EXPECT_EQ(level.warpEnergyMax, 20000.0);
    EXPECT_EQ(level.warpPercent, 100);
}

TEST(SectorLoad, TwoLoadsInTheSameSecondPlayAlike) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        const time_t before = time(nullptr);
        Sector01 first;
        first.Load();
        Sector01 second;
        second.Load();
        if (time(nullptr) != before) {
            continue; // a second boundary fell between the loads; try again
        }
        EXPECT_EQ(first.asteroidX, second.asteroidX);
        EXPECT_EQ(first.asteroidY, second.asteroidY);
        EXPECT_EQ(first.sectorLayout, second.sectorLayout);
        EXPECT_EQ(first.planetEnergy, second.planetEnergy);
        EXPECT_EQ(first.planetScience, second.planetScience);
        return;
    }
    GTEST_SKIP() << "never saw two loads within one second";
}

TEST(SectorCreation, EveryFieldStartsAtZero) {
    Sector01 level;
    EXPECT_EQ(level.shipX, 0.0f);
    EXPECT_EQ(level.sector, 0.0f);
    EXPECT_EQ(level.warpEnergy, 0);
    EXPECT_EQ(level.warpEnergyNow, 0.0);
    EXPECT_EQ(level.warpEnergyMax, 0.0);
    EXPECT_FALSE(level.titleScreen);
    EXPECT_FALSE(level.inputLocked);
    EXPECT_FALSE(level.planet1Unclaimed);
}

using NewGameTest = SectorFixture;

TEST_F(NewGameTest, ResetsTheGameButKeepsTheSectorsPlacesAndTheTorpedo) {
    // A game that has ended somewhere deep in space.
    LevelStaging::ShipAt(level, 500, 400);
    LevelStaging::EnemyAt(level, 2000, 300);
    level.enemyHeading = 45;
    LevelStaging::AsteroidAt(level, 222, 333);
    LevelStaging::PlanetAt(level, 1, 150, 90);
    LevelStaging::TorpedoFlying(level, 40, 50, 60, 70);
    level.explosionX = 1999;
    level.explosionY = 88;
    level.sector = 16;
    level.gameOver = true;
    level.playerWon = true;
    level.bossHits = 6;
    level.damageLevel = 7;
    level.energy = 900;
    level.science = 800;
    level.enemiesDestroyed = 12;
    level.rank = 1;
    level.weaponLevel = 2;
    level.warpEnergy = 123;
    level.weaponEnergy = 3;
    level.warpEnergyCreated = 500;
    level.weaponEnergyCreated = 90;
    level.menuOpen = true;
    level.planet2InRange = 1;
    level.planet3Unclaimed = false;
    level.frameCount = 5000;
    level.gameStarted = true;
    level.titleScreen = false;
    level.moveTargetX = 9;
    level.moveTargetY = 9;
    level.warpEnergyNow = 123.0;

    game::Random dice(77);
    const int science = dice.Next() % 300;
    const int energy = dice.Next() % 300;
    const int layout = dice.Next() % 10 + 1;
    level.ChooseSeed(77);
    level.NewGame();

    EXPECT_EQ(sound.commands, NewGameSounds);
    EXPECT_EQ(level.planetScience, science);
    EXPECT_EQ(level.planetEnergy, energy);
    EXPECT_EQ(level.sectorLayout, layout);

    EXPECT_EQ(level.shipX, 101.0f);
    EXPECT_EQ(level.shipY, 77.0f);
    EXPECT_EQ(level.enemyX, 820.0f);
    EXPECT_EQ(level.enemyY, 77.0f);
    EXPECT_EQ(level.sector, 1.0f);
    EXPECT_TRUE(level.titleScreen);
    EXPECT_FALSE(level.gameStarted);
    EXPECT_FALSE(level.gameOver);
    EXPECT_FALSE(level.playerWon);
    EXPECT_TRUE(level.inputLocked);
    EXPECT_FALSE(level.menuOpen);
    EXPECT_FALSE(level.torpedoInFlight);
    EXPECT_EQ(level.moveTargetX, 0);
    EXPECT_EQ(level.moveTargetY, 0);
    EXPECT_EQ(level.bossHits, 0);
    EXPECT_EQ(level.damageLevel, 0);
    EXPECT_EQ(level.energy, 0);
    EXPECT_EQ(level.science, 0);
    EXPECT_EQ(level.enemiesDestroyed, 0);
    EXPECT_EQ(level.rank, 0);
    EXPECT_EQ(level.weaponLevel, 0);
    EXPECT_EQ(level.warpEnergy, 20000);
    EXPECT_EQ(level.weaponEnergy, 100);
    EXPECT_EQ(level.warpEnergyCreated, 0);
    EXPECT_EQ(level.weaponEnergyCreated, 0);
    EXPECT_EQ(level.warpPercent, 100);
    EXPECT_EQ(level.warpEnergyNow, 0.0);
    EXPECT_EQ(level.warpEnergyMax, 20000.0);
    EXPECT_EQ(level.frameCount, 0);
    EXPECT_EQ(level.planet2InRange, 0);
    EXPECT_TRUE(level.planet3Unclaimed);

    // Left where the ended game had them.
    EXPECT_EQ(level.asteroidX, 222.0f);
    EXPECT_EQ(level.asteroidY, 333.0f);
    EXPECT_EQ(level.planet1X, 150.0f);
    EXPECT_EQ(level.planet1Y, 90.0f);
    EXPECT_EQ(level.torpedoX, 40);
    EXPECT_EQ(level.torpedoY, 50);
    EXPECT_EQ(level.torpedoTargetX, 60);
    EXPECT_EQ(level.torpedoTargetY, 70);
    EXPECT_EQ(level.enemyHeading, 45);
    EXPECT_EQ(level.explosionX, 1999);
    EXPECT_EQ(level.explosionY, 88);
}

TEST_F(NewGameTest, OddLayoutsBelowFifteenPlaceThreePlanetsInTheirRanges) {
    for (int layout : {1, 3, 5, 7, 9, 11, 13}) {
        level.sectorLayout = layout;
        game::Random dice(static_cast<uint32_t>(layout));
        const float expected[6] = {
            static_cast<float>(dice.Next() % 410 + 101),
            static_cast<float>(dice.Next() % 309 + 77),
            static_cast<float>(dice.Next() % 410 + 101),
            static_cast<float>(dice.Next() % 540 + 386),
            static_cast<float>(dice.Next() % 820 + 513),
            static_cast<float>(dice.Next() % 309 + 77),
        };
        level.ChooseSeed(static_cast<uint32_t>(layout));
        level.PlacePlanets();
        const std::array<game::PlanetView, 3> planets = level.SectorPlanets();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(planets[i].x, expected[2 * i]) << "layout " << layout << " planet " << i + 1;
            EXPECT_EQ(planets[i].y, expected[2 * i + 1])
                << "layout " << layout << " planet " << i + 1;
        }
    }
}

TEST_F(NewGameTest, OtherLayoutsHaveNoPlanetsAndDrawNoRandomNumbers) {
    for (int layout : {0, 2, 4, 6, 8, 10, 12, 14, 15}) {
        level.planet1X = level.planet2Y = level.planet3X = 400;
        level.sectorLayout = layout;
        level.ChooseSeed(5);
        const game::Random before = level.random;
        level.PlacePlanets();
        EXPECT_EQ(level.planet1X, 0.0f) << layout;
        EXPECT_EQ(level.planet2Y, 0.0f) << layout;
        EXPECT_EQ(level.planet3X, 0.0f) << layout;
        EXPECT_TRUE(level.random == before) << "layout " << layout << " drew a random number";
    }
}

TEST_F(NewGameTest, RestartKeepsPlanetsOfTheLastSectorAndOneNearTheStartComesInRange) {
    // The game ended in a sector with a planet right at the start position.
    LevelStaging::PlanetAt(level, 1, 120, 90);
    level.planet1InRange = 1;
    level.planet1Unclaimed = false;
    level.gameOver = true;
    level.OnEnter(false);

    EXPECT_TRUE(level.titleScreen);
    EXPECT_EQ(level.planet1InRange, 0);
    EXPECT_TRUE(level.planet1Unclaimed);
    sound.Take();

    // The reach test already runs on the title screen.
    level.Update();
    EXPECT_EQ(level.planet1InRange, 1);
    EXPECT_EQ(sound.commands,
              std::vector<std::string>{"play longrangescanplanetcomplete_clean.mp3"});
}

} // namespace

} // namespace vantor::test
