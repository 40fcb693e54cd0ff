// A scripted whole game lost to the enemy's rammings.
#include "ScriptedGame.h"

#include <algorithm>
#include <cmath>

namespace vantor::test {

// The ship flies at the enemy again and again until it has been rammed six times.
TEST_P(ScriptedGame, FromTheTitleToDefeatBySixRammings) {
    ASSERT_NO_FATAL_FAILURE(StartFromTitle());

    while (!level.gameOver) {
        ASSERT_LT(frames, FrameLimit) << "stalled at damage " << level.damageLevel;
        ASSERT_NO_FATAL_FAILURE(Frame());
        if (level.gameOver) {
            break;
        }
        ASSERT_NO_FATAL_FAILURE(TakeScience());
        if (ShipFlying()) {
            continue;
        }
        // Aim at the middle of the enemy's picture, but never past the right edge of the
        // sector.
        ASSERT_NO_FATAL_FAILURE(LeftClick(std::min(static_cast<int>(level.enemyX) + 50, 900),
                                          static_cast<int>(level.enemyY) + 37));
    }

    EXPECT_EQ(level.damageLevel, 6);
    EXPECT_EQ(level.sector, 1.0f);
    EXPECT_FALSE(level.playerWon);
    EXPECT_EQ(voicesHeard, Voices);
    // The sixth ramming, then at once the end screen's music.
    Commands lost = {SmallExplosion};
    Append(lost, EndScreenMusicStops);
    Append(lost, {"play GameOver.mp3", LargeExplosion});
    EXPECT_EQ(lastHeard, lost);
    // The sixth ramming leaves the enemy where it is, against the wreck.
    EXPECT_LE(std::abs(level.enemyX - level.shipX), 100.0f);
    EXPECT_LE(std::abs(level.enemyY - level.shipY), 75.0f);

    // The end screen keeps asking for its music on every frame, after the explosion of any
    // further ramming of the wreck.
    lost.erase(lost.begin());
    for (int i = 0; i < 3; ++i) {
        const int damage = level.damageLevel;
        ASSERT_NO_FATAL_FAILURE(Frame());
        EXPECT_TRUE(level.gameOver);
        EXPECT_FALSE(level.playerWon);
        Commands expected;
        if (level.damageLevel > damage) {
            expected.push_back(SmallExplosion);
        }
        Append(expected, lost);
        EXPECT_EQ(lastHeard, expected);
    }
    // The wreck takes no more orders.
    calls->OnLeftClick(500, 500);
    EXPECT_TRUE(sound.Take().empty());
    EXPECT_NE(level.moveTargetX, 500);

    ASSERT_NO_FATAL_FAILURE(RestartFromEndScreen());
}

} // namespace vantor::test
