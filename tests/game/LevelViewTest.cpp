// What the level shows the shell of itself: read from its fields, and reading changes nothing.
#include "SectorFixture.h"

#include <gtest/gtest.h>

namespace vantor::test {

namespace {

using LevelViewTest = SectorFixture;

TEST_F(LevelViewTest, TheTitleThenPlayAsThePlayerSeesThem) {
    game::LevelView view = level.View();
    EXPECT_TRUE(view.titleScreen);
    EXPECT_FALSE(view.playing);
    EXPECT_EQ(view.sector, 1);
    EXPECT_EQ(view.warpEnergy, 20000);
    EXPECT_EQ(view.torpedoes, 5);
    // The menu key on the title opens engineering, which shows only once play begins.
    level.OnMenuKey(true);
    EXPECT_FALSE(level.View().engineeringOpen);
    StartPlaying();
    view = level.View();
    EXPECT_FALSE(view.titleScreen);
    EXPECT_TRUE(view.playing);
    EXPECT_TRUE(view.engineeringOpen);
}

TEST_F(LevelViewTest, TheFiguresAreTheFieldsTheBarsShow) {
    StartPlaying();
    level.energy = 140;
    level.science = 260;
    level.enemiesDestroyed = 3;
    level.rank = 1;
    level.weaponLevel = 2;
    level.weaponEnergy = 75;
    level.bossHits = 4;
    level.damageLevel = -2; // repaired below intact, until the next frame's top bar
    const game::LevelView expected{.playing = true,
                                   .sector = 1,
                                   .shipX = static_cast<int>(level.shipX),
                                   .shipY = static_cast<int>(level.shipY),
                                   .energy = 140,
                                   .science = 260,
                                   .warpEnergy = level.warpEnergy,
                                   .kills = 3,
                                   .rank = 1,
                                   .weaponLevel = 2,
                                   .damage = -2,
                                   .torpedoes = 3,
                                   .bossHits = 4};
    EXPECT_TRUE(level.View() == expected);
    EXPECT_EQ(level.damageLevel, -2);
}

TEST_F(LevelViewTest, APlanetsPanelShowsWhileItsPlanetIsInReachAndUnclaimed) {
    StartPlaying();
    level.planet2InRange = 1;
    level.planet2Unclaimed = true;
    EXPECT_TRUE(level.View().planetPanel);
    level.OnPlanetChoice(3);
    EXPECT_FALSE(level.View().planetPanel);
}

TEST_F(LevelViewTest, MoveAndFireOrdersShowWhileTheyLast) {
    StartPlaying();
    EXPECT_FALSE(level.View().shipMoving);
    EXPECT_FALSE(level.View().torpedoFlying);
    level.OnLeftClick(600, 400);
    level.OnRightClick(900, 300);
    EXPECT_TRUE(level.View().shipMoving);
    EXPECT_TRUE(level.View().torpedoFlying);
}

TEST_F(LevelViewTest, TheEndTellsWhoWon) {
    StartPlaying();
    level.gameOver = true;
    EXPECT_TRUE(level.View().gameOver);
    EXPECT_FALSE(level.View().playerWon);
    level.playerWon = true;
    level.sector = 16;
    EXPECT_TRUE(level.View().playerWon);
    EXPECT_EQ(level.View().sector, 16);
}

} // namespace

} // namespace vantor::test
