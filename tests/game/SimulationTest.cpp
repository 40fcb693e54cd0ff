#include "SectorFixture.h"

#include <string>
#include <vector>

namespace vantor::test {

namespace {

using Commands = std::vector<std::string>;

class Flight : public SectorFixture {
protected:
    void SetUp() override {
        SectorFixture::SetUp();
        StartPlaying();
    }
};

TEST_F(Flight, AMoveOrderFollowsTheStepRuleToItsOddRestingPoint) {
    level.OnLeftClick(300, 200);
    // Diagonal steps until the ship is level with the order...
    Run(122);
    EXPECT_EQ(level.shipX, 223.0f);
    EXPECT_EQ(level.shipY, 199.0f);
    // ...then two pixels right per update, bobbing between 199 and 200 within it.
    Run(1);
    EXPECT_EQ(level.shipX, 225.0f);
    EXPECT_EQ(level.shipY, 199.0f);
    Run(37);
    EXPECT_EQ(level.moveTargetX, 300) << "not arrived after 160 updates";
    // The 161st arrives, and the last block, now seeing the goal at (0, 0), moves the ship
    // back twice.
    Run(1);
    EXPECT_EQ(level.moveTargetX, 0);
    EXPECT_EQ(level.moveTargetY, 0);
    EXPECT_EQ(level.shipX, 298.0f);
    EXPECT_EQ(level.shipY, 198.0f);
    EXPECT_EQ(level.warpEnergy, 19839);

    // Without an order nothing moves and nothing is spent.
    const float enemyX = level.enemyX;
    Run(50);
    EXPECT_EQ(level.shipX, 298.0f);
    EXPECT_EQ(level.enemyX, enemyX);
    EXPECT_EQ(level.warpEnergy, 19839);
}

TEST_F(Flight, AnOrderUpAndLeftMovesTwoStepsEachWay) {
    ParkEnemyFarAway();
    LevelStaging::ShipAt(level, 500, 400);
    level.OnLeftClick(200, 300); // the ship's x (500) is not below the order's y (300)
    level.Update();
    EXPECT_EQ(level.shipX, 498.0f);
    EXPECT_EQ(level.shipY, 398.0f);
}

TEST_F(Flight, TheEnemyChasesOnlyWhileTheShipHasAnOrder) {
    LevelStaging::EnemyAt(level, 400, 300);
    Run(10);
    EXPECT_EQ(level.enemyX, 400.0f);
    EXPECT_EQ(level.enemyY, 300.0f);

    level.OnLeftClick(150, 150);
    level.Update();
    EXPECT_LT(level.enemyX, 400.0f);
    EXPECT_LT(level.enemyY, 300.0f);
}

TEST_F(Flight, AnEnemyReachingTheShipCancelsItsOrder) {
    LevelStaging::ShipAt(level, 500, 500);
    level.OnLeftClick(500, 900);
    // After the ship's step the enemy sits 0.3 to the right of it.
    LevelStaging::EnemyAt(level, 500.3f, 501.0f);
    level.Update();
    EXPECT_EQ(level.moveTargetX, 0);
}

TEST_F(Flight, AClickOnAnEdgeGivesNoOrder) {
    level.OnLeftClick(0, 300);
    EXPECT_EQ(sound.Take(), Commands{"play zeb_engine_2.mp3"});
    level.OnLeftClick(300, 0);
    Run(20);
    EXPECT_EQ(level.shipX, 101.0f);
    EXPECT_EQ(level.shipY, 77.0f);
    EXPECT_EQ(level.enemyX, 820.0f);
    EXPECT_EQ(level.warpEnergy, 20000);
}

TEST_F(Flight, TheLastUnitOfWarpEnergyStillMovesTheShipAndEndsTheGame) {
    ParkEnemyFarAway();
    level.warpEnergy = 1;
    level.OnLeftClick(600, 600);
    level.Update();
    EXPECT_EQ(level.warpEnergy, 0);
    EXPECT_EQ(level.shipX, 102.0f);
    EXPECT_TRUE(level.gameOver);
    level.Update();
    EXPECT_EQ(level.warpEnergy, 0) << "never below zero";
    EXPECT_EQ(level.shipX, 103.0f);
}

TEST_F(Flight, ATorpedoRestsInvisiblyWhereTheRuleLeavesIt) {
    ParkEnemyFarAway();
    level.OnRightClick(110, 86); // from (101, 77): nine diagonal steps
    Run(8);
    EXPECT_TRUE(level.torpedoInFlight);
    EXPECT_EQ(level.torpedoX, 109);
    EXPECT_EQ(level.torpedoY, 85);
    level.Update();
    // Arrival in the first block clears everything; the last block then steps to (-1, -1).
    EXPECT_FALSE(level.torpedoInFlight);
    EXPECT_EQ(level.torpedoTargetX, 0);
    EXPECT_EQ(level.torpedoTargetY, 0);
    EXPECT_EQ(level.torpedoX, -1);
    EXPECT_EQ(level.torpedoY, -1);
    Run(5);
    EXPECT_EQ(level.torpedoX, -1) << "a torpedo without a target stays put";
}

TEST_F(Flight, PastTheRightEdgeTheShipEntersTheNextSector) {
    level.sectorLayout = 4;
    level.planet1InRange = 1;
    level.planet2Unclaimed = false;
    level.enemyKilledInSector = 1;
    LevelStaging::TorpedoFlying(level, 400, 300, 700, 310);
    LevelStaging::ShipAt(level, 925, 300);
    level.shipHeading = 45;
    level.enemyHeading = 45;
    level.enemyY = 700;
    level.energy = 300;
    level.damageLevel = 2;

    game::Random dice(99);
    const int science = dice.Next() % 300;
    const int energy = dice.Next() % 300;
    const int layout = dice.Next() % 15 + 1;
    const float asteroidX = static_cast<float>(dice.Next() % 410 + 101);
    const float asteroidY = static_cast<float>(dice.Next() % 309 + 77);
    level.ChooseSeed(99);
    level.Update();

    EXPECT_EQ(level.sector, 2.0f);
    EXPECT_EQ(sound.Take(), (Commands{"stop track01.mp3", "play track02.mp3 repeat"}));
    EXPECT_EQ(level.planetScience, science);
    EXPECT_EQ(level.planetEnergy, energy);
    EXPECT_EQ(level.sectorLayout, layout);
    EXPECT_EQ(level.asteroidX, asteroidX);
    EXPECT_EQ(level.asteroidY, asteroidY);
    EXPECT_EQ(level.shipX, 10.0f);
    EXPECT_EQ(level.shipY, 300.0f);
    EXPECT_EQ(level.enemyX, 924.0f);
    EXPECT_EQ(level.enemyY, 700.0f);
    EXPECT_EQ(level.moveTargetX, 10);
    EXPECT_EQ(level.moveTargetY, 77);
    EXPECT_EQ(level.planet1InRange, 0);
    EXPECT_TRUE(level.planet2Unclaimed);
    EXPECT_EQ(level.enemyKilledInSector, 0);
    EXPECT_EQ(level.shipHeading, 0);
    EXPECT_EQ(level.enemyHeading, 0);
    // The torpedo starts over from the corner toward its old target.
    EXPECT_EQ(level.torpedoX, 0);
    EXPECT_EQ(level.torpedoY, 0);
    EXPECT_TRUE(level.torpedoInFlight);
    EXPECT_EQ(level.torpedoTargetX, 700);
    // Everything else carries over.
    EXPECT_EQ(level.energy, 300);
    EXPECT_EQ(level.damageLevel, 2);

    // The entry order settles the ship in the first update, two pixels higher.
    level.Update();
    EXPECT_EQ(level.moveTargetX, 0);
    EXPECT_EQ(level.shipX, 10.0f);
    EXPECT_EQ(level.shipY, 298.0f);
}

TEST_F(Flight, EverySectorChangeSwitchesTheMusicAndTheBossSectorHasNoExit) {
    const std::vector<std::string> tracks = {
        "track01.mp3", "track02.mp3", "track03.mp3", "track04.mp3", "track05.mp3",
        "track06.mp3", "track07.mp3", "track01.mp3", "track02.mp3", "track03.mp3",
        "track04.mp3", "track05.mp3", "track06.mp3", "track07.mp3", "BossTrack.mp3"};
    for (int sector = 2; sector <= 15; ++sector) {
        ParkEnemyFarAway();
        // Wherever the random planets lie, none calls out its scan as the ship leaves.
        for (const game::PlanetView& planet : level.SectorPlanets()) {
            planet.unclaimed = false;
        }
        level.shipX = 925;
        level.Update();
        ASSERT_EQ(level.sector, static_cast<float>(sector));
        EXPECT_EQ(sound.Take(), (Commands{"stop " + tracks[sector - 2],
                                          "play " + tracks[sector - 1] + " repeat"}))
            << "entering sector " << sector;
        sound.Take();
        Run(1); // settle the entry order
        sound.Take();
    }
    ParkEnemyFarAway();
    level.shipX = 990;
    level.Update();
    EXPECT_EQ(level.sector, 15.0f);
    EXPECT_EQ(level.shipX, 990.0f);
}

TEST_F(SectorFixture, OnTheTitleOnlyTheTorpedoAndTheClockMove) {
    const float asteroidX = level.asteroidX;
    level.torpedoTargetX = 300;
    level.torpedoTargetY = 300;
    level.moveTargetX = 300;
    level.moveTargetY = 300;
    Run(3);
    EXPECT_EQ(level.asteroidX, asteroidX);
    EXPECT_EQ(level.shipX, 101.0f);
    EXPECT_EQ(level.warpEnergy, 20000);
    EXPECT_EQ(level.torpedoX, 3);
    EXPECT_EQ(level.frameCount, 3);
    EXPECT_FALSE(level.gameStarted);

    level.OnEnter(false);
    level.Update();
    EXPECT_TRUE(level.gameStarted);
    EXPECT_EQ(level.asteroidX, asteroidX + 0.01f);
    EXPECT_EQ(level.shipX, 102.0f);
}

} // namespace

} // namespace vantor::test
