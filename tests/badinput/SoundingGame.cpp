#include "SoundingGame.h"

#include "game/Sector01.h"
#include "support/LevelStaging.h"

#include <gtest/gtest.h>

namespace vantor::test {

void SoundingGame::Frames(int count) {
    for (int i = 0; i < count; ++i) {
        if (beforeFrame) {
            beforeFrame();
        }
        level.Update();
        level.Render();
        ++frames;
    }
}

// The enemy rams the ship, then is put far away so that it cannot ram again by chance.
void SoundingGame::Ram() {
    LevelStaging::EnemyAt(level, level.shipX, level.shipY);
    Frames(1);
    LevelStaging::EnemyFarAway(level);
}

void SoundingGame::HitWithTorpedo() {
    const int destroyed = level.enemiesDestroyed;
    const int bossHits = level.bossHits;
    // A resting torpedo where the enemy is, and none in flight that could hit on its own.
    LevelStaging::EnemyAt(level, 600, 500);
    LevelStaging::TorpedoResting(level, 600, 500);
    Frames(1);
    LevelStaging::TorpedoResting(level, 0, 0);
    LevelStaging::EnemyFarAway(level);
    EXPECT_GT(level.enemiesDestroyed + level.bossHits, destroyed + bossHits);
}

void SoundingGame::Play(const std::function<void()>& before) {
    beforeFrame = before;
    level.ChooseSeed(20261209);
    level.Load();
    Frames(10);
    EXPECT_TRUE(level.titleScreen);

    level.OnEnter(false);
    Frames(5);
    ASSERT_TRUE(level.gameStarted);
    level.OnLeftClick(500, 400);
    level.OnRightClick(900, 100);
    Frames(5);

    // Rammed five times: every warning voice.
    for (int hit = 1; hit <= 5; ++hit) {
        Ram();
        EXPECT_EQ(level.damageLevel, hit);
    }
    // A planet within reach, then the menu.
    level.sectorLayout = 1;
    LevelStaging::PlanetAt(level, 1, level.shipX, level.shipY);
    level.planet1Unclaimed = true;
    Frames(1);
    EXPECT_EQ(level.planet1InRange, 1);
    level.OnPlanetChoice(1);
    level.OnMenuKey(true);
    Frames(2);
    EXPECT_TRUE(level.menuOpen);
    level.OnEnter(false);
    Frames(1);
    EXPECT_FALSE(level.menuOpen);

    // Out past the right edge, sector after sector: every track in turn.
    for (int sector = 2; sector <= 8; ++sector) {
        level.shipX = 930;
        level.moveTargetX = 0;
        level.moveTargetY = 0;
        level.enemyX = 3000;
        Frames(1);
        EXPECT_EQ(level.sector, float(sector));
    }
    HitWithTorpedo();

    // The boss sector, and the boss destroyed.
    level.sector = 14;
    level.shipX = 930;
    Frames(1);
    EXPECT_EQ(level.sector, 15.0f);
    for (int hit = 0; hit < 6 && !level.playerWon; ++hit) {
        HitWithTorpedo();
    }
    EXPECT_TRUE(level.playerWon);
    Frames(3);
    EXPECT_TRUE(level.gameOver);

    // Again from the title, and this time the ship is wrecked.
    level.OnEnter(false);
    Frames(2);
    EXPECT_TRUE(level.titleScreen);
    level.OnEnter(false);
    Frames(2);
    for (int hit = 1; hit <= 6; ++hit) {
        Ram();
    }
    Frames(3);
    EXPECT_TRUE(level.gameOver);
    EXPECT_FALSE(level.playerWon);
}

} // namespace vantor::test
