// What drawing a frame does to the game, besides drawing: the planet panel locks the mouse,
// the top bar keeps the warp percentage and the damage in order and ends a wrecked game, the
// ships step parks a destroyed enemy, and the end screen keeps asking for its music.
#include "SectorFixture.h"

#include <string>
#include <vector>

namespace vantor::test {

namespace {

using Commands = std::vector<std::string>;

class Drawing : public SectorFixture {
protected:
    void SetUp() override {
        SectorFixture::SetUp();
        StartPlaying();
        ParkEnemyFarAway();
    }

    void Frame() {
        level.Update();
        level.Render();
    }
};

TEST_F(SectorFixture, TheTitleScreenWritesNothingAndSendsNothing) {
    level.damageLevel = -1;
    level.warpEnergy = 199;
    level.planet1InRange = 1;
    level.inputLocked = false;
    level.Render();
    EXPECT_EQ(level.damageLevel, -1);
    EXPECT_EQ(level.warpPercent, 100);
    EXPECT_FALSE(level.inputLocked);
    EXPECT_TRUE(sound.commands.empty());
}

TEST_F(Drawing, APanelForAnUnclaimedPlanetInRangeLocksTheMouse) {
    level.planet2InRange = 1;
    level.Render();
    EXPECT_TRUE(level.inputLocked);
    level.OnPlanetChoice(3);
    EXPECT_FALSE(level.inputLocked);
    level.Render(); // claimed: no panel, no lock
    EXPECT_FALSE(level.inputLocked);
}

TEST_F(Drawing, TheTopBarKeepsThePercentageAndTheDamageInOrder) {
    level.warpEnergy = 199;
    level.damageLevel = -1;
    level.Render();
    EXPECT_EQ(level.warpPercent, 0);
    EXPECT_EQ(level.warpEnergyNow, 199.0);
    EXPECT_EQ(level.damageLevel, 0);

    level.warpEnergy = 15099;
    level.Render();
    EXPECT_EQ(level.warpPercent, 75);
}

TEST_F(Drawing, DamageSixEndsTheGameInTheFrameThatShowsIt) {
    level.damageLevel = 6;
    level.Render();
    EXPECT_TRUE(level.gameOver);
    // The end screen of the same frame already asks for the defeat music.
    EXPECT_EQ(sound.Take().back(), "play largeexplosion4.mp3");
}

TEST_F(Drawing, ADestroyedEnemyIsLatchedAsAnExplosionAndParkedOutOfSight) {
    level.torpedoX = 500;
    level.torpedoY = 300;
    level.enemyX = 510;
    level.enemyY = 310;
    level.Update(); // the hit moves the enemy to a random place
    ASSERT_EQ(level.enemyKilledInSector, 1);
    const float respawnX = level.enemyX;
    const float respawnY = level.enemyY;
    level.Render();
    EXPECT_EQ(level.explosionX, static_cast<int>(respawnX));
    EXPECT_EQ(level.explosionY, static_cast<int>(respawnY));
    EXPECT_EQ(level.enemyX, 2000.0f);

    // From then on the latched place follows the parked enemy, out of sight.
    level.OnLeftClick(600, 600);
    level.Update();
    level.Render();
    EXPECT_GE(level.explosionX, 1999);
    EXPECT_EQ(level.enemyX, 2000.0f);
}

TEST_F(Drawing, TheEndScreenAsksForItsMusicOnEveryFrame) {
    level.warpEnergy = 0;
    const Commands defeat = {"stop track01.mp3",        "stop track02.mp3",   "stop track03.mp3",
                             "stop track04.mp3",        "stop track05.mp3",   "stop track06.mp3",
                             "stop track07.mp3",        "stop BossTrack.mp3", "play GameOver.mp3",
                             "play largeexplosion4.mp3"};
    for (int frame = 0; frame < 3; ++frame) {
        Frame();
        EXPECT_EQ(sound.Take(), defeat) << "frame " << frame;
    }
}

TEST_F(Drawing, AfterVictoryTheEndScreenPlaysTheWinnersTune) {
    level.gameOver = true;
    level.playerWon = true;
    level.sector = 16;
    for (int frame = 0; frame < 2; ++frame) {
        level.Render();
        const Commands commands = sound.Take();
        ASSERT_EQ(commands.size(), 9u);
        EXPECT_EQ(commands[7], "stop BossTrack.mp3");
        EXPECT_EQ(commands[8], "play PlayerWins.mp3");
    }
}

} // namespace

} // namespace vantor::test
