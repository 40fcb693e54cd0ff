#include "SectorFixture.h"
#include "game/BoxTest.h"

#include <string>
#include <vector>

namespace vantor::test {

namespace {

using Commands = std::vector<std::string>;

TEST(BoxTest, ReachesWideToTheRightAndHighDownwardInclusive) {
    EXPECT_TRUE(game::BoxTouches(100.0f, 100.0f, 200.0f, 175.0f, 100, 75));
    EXPECT_FALSE(game::BoxTouches(100.0f, 100.0f, 200.01f, 175.0f, 100, 75));
    EXPECT_FALSE(game::BoxTouches(100.0f, 100.0f, 200.0f, 175.01f, 100, 75));
    // Either point may be the one whose box contains the other.
    EXPECT_TRUE(game::BoxTouches(200.0f, 175.0f, 100.0f, 100.0f, 100, 75));
    EXPECT_TRUE(game::BoxTouches(100.0f, 100.0f, 100.0f, 100.0f, 100, 75));
}

TEST(BoxTest, PointsUpperRightOrLowerLeftOfEachOtherNeverTouch) {
    EXPECT_FALSE(game::BoxTouches(100.0f, 100.0f, 101.0f, 99.0f, 100, 75));
    EXPECT_FALSE(game::BoxTouches(100.0f, 100.0f, 99.0f, 101.0f, 100, 75));
}

TEST(BoxTest, AnIntegerPointUsesTheSameBox) {
    EXPECT_TRUE(game::BoxTouches(0, 0, 100.0f, 75.0f, 100, 75));
    EXPECT_FALSE(game::BoxTouches(0, 0, 100.5f, 75.0f, 100, 75));
    EXPECT_TRUE(game::BoxTouches(-1, -1, 0.0f, 0.0f, 100, 75));
    EXPECT_TRUE(game::BoxTouches(150, 150, 50.0f, 75.0f, 100, 75));
    EXPECT_FALSE(game::BoxTouches(150, 150, 151.0f, 149.0f, 100, 75));
}

class Combat : public SectorFixture {
protected:
    void SetUp() override {
        SectorFixture::SetUp();
        StartPlaying();
        LevelStaging::TorpedoResting(level, 3000, 3000); // nowhere it could hit
    }

    // The enemy comes to touch the stationary ship and one update runs.
    void Ram() {
        LevelStaging::EnemyAt(level, level.shipX + 10, level.shipY + 10);
        level.Update();
    }
};

TEST_F(Combat, RammingDamagesCostsEnergyAndMovesTheEnemyAway) {
    level.energy = 100;
    Ram();
    EXPECT_EQ(level.damageLevel, 1);
    EXPECT_EQ(level.energy, 0);
    EXPECT_EQ(sound.Take(),
              (Commands{"play smallexplosion1.mp3", "play  warningprimaryshieldsfailing_ep.mp3"}));
    EXPECT_GE(level.enemyX, 101.0f);
    EXPECT_LE(level.enemyX, 920.0f);
    EXPECT_GE(level.enemyY, 77.0f);
    EXPECT_LE(level.enemyY, 616.0f);
}

TEST_F(Combat, AnEnemyToTheUpperRightDoesNotRam) {
    LevelStaging::EnemyAt(level, level.shipX + 5, level.shipY - 5);
    level.Update();
    EXPECT_EQ(level.damageLevel, 0);
    EXPECT_TRUE(sound.commands.empty());
}

TEST_F(Combat, WarningsAtOneThreeAndFiveAndTheSixthRammingEndsTheGame) {
    const std::vector<Commands> expected = {
        {"play smallexplosion1.mp3", "play  warningprimaryshieldsfailing_ep.mp3"},
        {"play smallexplosion1.mp3"},
        {"play smallexplosion1.mp3", "play warningstructuralintegrity_ep.mp3"},
        {"play smallexplosion1.mp3"},
        {"play smallexplosion1.mp3", "play lifesupportfailurealldecksabandonship_ep.mp3"},
        {"play smallexplosion1.mp3"},
    };
    for (int ramming = 1; ramming <= 6; ++ramming) {
        EXPECT_FALSE(level.gameOver);
        Ram();
        EXPECT_EQ(level.damageLevel, ramming);
        EXPECT_EQ(sound.Take(), expected[ramming - 1]) << "ramming " << ramming;
    }
    EXPECT_TRUE(level.gameOver);
    // The sixth ramming leaves the enemy where it is, so it rams the wreck again.
    const float enemyX = level.shipX + 10;
    EXPECT_EQ(level.enemyX, enemyX);
    level.Update();
    EXPECT_EQ(level.damageLevel, 7);
    EXPECT_EQ(sound.Take(), Commands{"play smallexplosion1.mp3"});
}

TEST_F(Combat, ARepairedShipHearsAWarningAgain) {
    Ram();
    level.damageLevel = 0; // repaired
    sound.Take();
    Ram();
    EXPECT_EQ(sound.Take(),
              (Commands{"play smallexplosion1.mp3", "play  warningprimaryshieldsfailing_ep.mp3"}));
}

TEST_F(Combat, ARestingTorpedoStillDestroysAnEnemyThatComesToIt) {
    LevelStaging::ShipAt(level, 600, 500);
    LevelStaging::TorpedoResting(level, -1, -1);
    LevelStaging::EnemyAt(level, 50, 40);
    level.Update();
    EXPECT_EQ(level.enemyKilledInSector, 1);
    EXPECT_EQ(level.enemiesDestroyed, 1);
    EXPECT_EQ(sound.Take(), Commands{"play smallexplosion1.mp3"});
    EXPECT_NE(level.enemyX, 50.0f);
}

TEST_F(Combat, ATorpedoFliesOnAfterAHit) {
    LevelStaging::TorpedoFlying(level, 500, 300, 800, 500);
    LevelStaging::EnemyAt(level, 520, 320);
    level.Update();
    EXPECT_EQ(level.enemiesDestroyed, 1);
    EXPECT_TRUE(level.torpedoInFlight);
    EXPECT_EQ(level.torpedoTargetX, 800);
    EXPECT_EQ(level.torpedoX, 501);
}

TEST_F(Combat, SixHitsOnTheBossWinTheGame) {
    level.sector = 15;
    LevelStaging::TorpedoResting(level, 500, 300);
    for (int hit = 1; hit <= 5; ++hit) {
        LevelStaging::EnemyAt(level, 510, 310);
        level.Update();
        EXPECT_EQ(level.bossHits, hit);
        EXPECT_EQ(sound.Take(), Commands{"play smallexplosion1.mp3"});
        EXPECT_FALSE(level.gameOver);
        EXPECT_NE(level.enemyX, 510.0f) << "the boss moves after each hit";
    }
    EXPECT_EQ(level.enemiesDestroyed, 0);

    LevelStaging::EnemyAt(level, 510, 310);
    level.Update();
    EXPECT_EQ(sound.Take(), (Commands{"play smallexplosion1.mp3", "play largeexplosion4.mp3"}));
    EXPECT_EQ(level.bossHits, 6);
    EXPECT_EQ(level.enemyKilledInSector, 7);
    EXPECT_EQ(level.enemiesDestroyed, 1);
    EXPECT_EQ(level.enemyX, 2000.0f);
    EXPECT_TRUE(level.playerWon);
    EXPECT_TRUE(level.gameOver);
    EXPECT_TRUE(level.inputLocked);
    EXPECT_EQ(level.sector, 16.0f);
}

TEST_F(Combat, OutsideTheBossSectorHitsDoNotCountForTheBoss) {
    level.sector = 14;
    LevelStaging::TorpedoResting(level, 500, 300);
    LevelStaging::EnemyAt(level, 510, 310);
    level.Update();
    EXPECT_EQ(level.bossHits, 0);
    EXPECT_EQ(level.enemiesDestroyed, 1);
}

TEST_F(Combat, WithoutPlanetsAllThreeSitAtTheCornerWithinReach) {
    ParkEnemyFarAway();
    LevelStaging::ShipAt(level, 60, 30);
    level.Update();
    for (const game::PlanetView& planet : level.SectorPlanets()) {
        EXPECT_EQ(planet.inRange, 1);
    }
    EXPECT_EQ(sound.Take(), Commands(3, "play longrangescanplanetcomplete_clean.mp3"));

    // The cue repeats while the ship stays, but only for planets not yet claimed.
    level.planet1Unclaimed = false;
    level.planet3Unclaimed = false;
    level.Update();
    EXPECT_EQ(sound.Take(), Commands(1, "play longrangescanplanetcomplete_clean.mp3"));
}

TEST_F(Combat, APlanetAboveTheShipIsOutOfReach) {
    ParkEnemyFarAway();
    LevelStaging::PlanetAt(level, 1, 150, 70); // to the upper right of the ship at (101, 77)
    level.Update();
    EXPECT_EQ(level.planet1InRange, 0);
    level.planet1Y = 177;
    level.Update();
    EXPECT_EQ(level.planet1InRange, 1);
}

TEST_F(Combat, RankAndWeaponFollowExactValuesOnEveryUpdate) {
    ParkEnemyFarAway();
    // One update after each step: the kills and energy it sets, and the rank it leaves.
    struct RankStep {
        int kills;
        int energy;
        int rank;
        const char* why;
    };
    for (const RankStep& step : {
             RankStep{9, 0, 0, "nine kills are no rank yet"},
             RankStep{10, 0, 1, "exactly 10 kills"},
             RankStep{10, 15000, 2, "rank 2 wins over rank 1 in the same update"},
             RankStep{10, 15001, 1, "still exactly 10 kills: back to rank 1"},
             RankStep{11, 15000, 2, "exactly 15000 energy"},
             RankStep{11, 14000, 2, "neither exact value: the rank stays"},
         }) {
        level.enemiesDestroyed = step.kills;
        level.energy = step.energy;
        level.Update();
        EXPECT_EQ(level.rank, step.rank) << step.why;
    }

    // The same for the science and the weapon it leaves.
    struct WeaponStep {
        int science;
        int weaponLevel;
    };
    for (const WeaponStep& step :
         {WeaponStep{5001, 0}, WeaponStep{10000, 2}, WeaponStep{5000, 1}}) {
        level.science = step.science;
        level.Update();
        EXPECT_EQ(level.weaponLevel, step.weaponLevel) << "science " << step.science;
    }
}

TEST_F(Combat, AnEmptyWarpTankEndsTheGame) {
    ParkEnemyFarAway();
    level.warpEnergy = 1;
    level.Update();
    EXPECT_FALSE(level.gameOver);
    level.warpEnergy = 0;
    level.Update();
    EXPECT_TRUE(level.gameOver);
    EXPECT_FALSE(level.playerWon);
}

} // namespace

} // namespace vantor::test
