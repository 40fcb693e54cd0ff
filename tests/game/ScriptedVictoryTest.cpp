// A scripted whole game won: every sector in turn and the boss destroyed.
#include "ScriptedGame.h"

#include <algorithm>
#include <optional>

namespace vantor::test {

// Every sector is entered in turn and the boss destroyed by torpedoes. In each sector the
// ship stands still at the left edge, where the enemy does not move, and fires at it; once
// it is destroyed the ship flies on past the right edge. Planet panels are answered with
// science, and the science goes into weapon research for more torpedoes.
TEST_P(ScriptedGame, FromTheTitleToVictory) {
    ASSERT_NO_FATAL_FAILURE(StartFromTitle());
    const int warpEnergyAtStart = level.warpEnergy;

    int bossHitsHeard = 0;
    while (!level.gameOver) {
        ASSERT_LT(frames, FrameLimit) << "stalled in sector " << level.sector;
        const int bossHits = level.bossHits;
        ASSERT_NO_FATAL_FAILURE(Frame());
        if (level.bossHits > bossHits) {
            EXPECT_EQ(level.sector, level.playerWon ? 16.0f : 15.0f);
            bossHitsHeard +=
                static_cast<int>(std::count(lastHeard.begin(), lastHeard.end(), SmallExplosion));
        }
        if (level.gameOver) {
            break;
        }
        ASSERT_NO_FATAL_FAILURE(TakeScience());
        ASSERT_NO_FATAL_FAILURE(ResearchWeapons());
        if (ShipFlying() || TorpedoFlying()) {
            continue;
        }
        const bool canFire = level.weaponEnergy >= 20;
        const std::optional<Spot> planet = PlanetToVisit();
        if (EnemyInSight() && canFire) {
            ASSERT_NO_FATAL_FAILURE(FireAtEnemy());
        } else if (level.weaponEnergy < 4 * 20 && planet) {
            // Short of torpedoes: fetch science first, even with the enemy still about.
            ASSERT_NO_FATAL_FAILURE(LeftClick(planet->x, planet->y));
        } else {
            // On to the next sector along the top of the screen, past an enemy left alive
            // for want of torpedoes.
            ASSERT_LT(level.sector, 15.0f) << "out of torpedoes at the boss";
            ASSERT_NO_FATAL_FAILURE(LeftClick(1000, 77));
        }
    }

    ASSERT_TRUE(level.playerWon) << "lost at damage " << level.damageLevel;
    EXPECT_TRUE(level.gameOver);
    EXPECT_TRUE(level.inputLocked);
    EXPECT_EQ(level.sector, 16.0f);
    EXPECT_EQ(level.bossHits, 6);
    EXPECT_EQ(bossHitsHeard, 6);
    // The last hit: its explosions, then at once the end screen's music.
    Commands won = {SmallExplosion, LargeExplosion};
    Append(won, EndScreenMusicStops);
    won.push_back("play PlayerWins.mp3");
    EXPECT_EQ(lastHeard, won);
    EXPECT_LT(level.damageLevel, 6);
    // One kill in each of the fourteen ordinary sectors, and the boss.
    EXPECT_GE(level.enemiesDestroyed, 15);
    EXPECT_LT(level.warpEnergy, warpEnergyAtStart);

    Commands music;
    for (int sector = 2; sector <= 15; ++sector) {
        Append(music, MusicOnEntering(sector));
    }
    EXPECT_EQ(musicHeard, music);

    // The end screen keeps asking for its music on every frame, and input stays locked.
    won.erase(won.begin(), won.begin() + 2);
    for (int i = 0; i < 3; ++i) {
        ASSERT_NO_FATAL_FAILURE(Frame());
        EXPECT_EQ(lastHeard, won);
        EXPECT_EQ(level.sector, 16.0f);
        EXPECT_TRUE(level.inputLocked);
    }
    calls->OnLeftClick(500, 500);
    calls->OnRightClick(500, 500);
    EXPECT_TRUE(sound.Take().empty());
    EXPECT_NE(level.moveTargetX, 500);
    EXPECT_NE(level.torpedoTargetX, 500);

    ASSERT_NO_FATAL_FAILURE(RestartFromEndScreen());
}

} // namespace vantor::test
