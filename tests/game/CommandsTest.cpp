#include "SectorFixture.h"

#include <string>
#include <vector>

namespace vantor::test {

namespace {

using Commands = std::vector<std::string>;
using TitleScreen = SectorFixture;

TEST_F(TitleScreen, RefusesClicksSilently) {
    level.OnLeftClick(300, 200);
    level.OnRightClick(300, 200);
    EXPECT_EQ(level.moveTargetX, 0);
    EXPECT_EQ(level.torpedoTargetX, 0);
    EXPECT_FALSE(level.torpedoInFlight);
    EXPECT_EQ(level.weaponEnergy, 100);
    EXPECT_TRUE(sound.commands.empty());
}

TEST_F(TitleScreen, EnterStartsTrackOneAndPlayBeginsWithTheNextUpdate) {
    level.OnEnter(false);
    EXPECT_EQ(sound.Take(), (Commands{"stop intro.mp3", "play track01.mp3 repeat"}));
    EXPECT_FALSE(level.titleScreen);
    EXPECT_FALSE(level.inputLocked);
    EXPECT_FALSE(level.gameStarted);

    level.Update();
    EXPECT_TRUE(level.gameStarted);

    // Enter during play with the menu closed changes nothing.
    level.OnEnter(false);
    EXPECT_TRUE(sound.commands.empty());
    EXPECT_FALSE(level.titleScreen);
    EXPECT_FALSE(level.inputLocked);
}

TEST_F(TitleScreen, PlusOpensTheMenuWhichOnlyAnEnterDuringPlayCloses) {
    level.OnMenuKey(true);
    EXPECT_TRUE(level.menuOpen);
    EXPECT_EQ(sound.Take(), Commands{"play pleasespecifyhowyouwouldliketoproceed_ep.mp3"});

    level.OnEnter(false); // leaves the title, but play has not begun
    EXPECT_TRUE(level.menuOpen);
    EXPECT_FALSE(level.inputLocked);
    level.Update();

    level.OnEnter(false);
    EXPECT_FALSE(level.menuOpen);
    EXPECT_FALSE(level.inputLocked);
}

class MoveAndFire : public SectorFixture {
protected:
    void SetUp() override {
        SectorFixture::SetUp();
        StartPlaying();
    }
};

TEST_F(MoveAndFire, LeftClickGivesAnOrderWithHeadingsAndTheEngineSound) {
    level.OnLeftClick(300, 200);
    EXPECT_EQ(level.moveTargetX, 300);
    EXPECT_EQ(level.moveTargetY, 200);
    EXPECT_EQ(sound.Take(), Commands{"play zeb_engine_2.mp3"});
    // Ship at (101, 77): atan2f(-123, -199) is -148.28 degrees, less 180.
    EXPECT_EQ(level.shipHeading, -328);
    // The enemy at (820, 77) lies straight to the right of the ship.
    EXPECT_EQ(level.enemyHeading, 0);
}

TEST_F(MoveAndFire, ShipHeadingsForStraightDirections) {
    struct Case {
        int x, y, heading;
    };
    // Ship at (101, 77). Straight up, the single-precision pi / 2 (a hair above the true
    // value) gives 90.0000025 degrees, so the heading truncates to -89.
    for (const Case& c : {Case{101, 77, -180}, Case{500, 77, 0}, Case{101, 400, -270},
                          Case{10, 77, -180}, Case{101, 10, -89}}) {
        level.OnLeftClick(c.x, c.y);
        EXPECT_EQ(level.shipHeading, c.heading) << c.x << "," << c.y;
    }
}

TEST_F(MoveAndFire, EnemyHeadingPointsFromTheShipToTheEnemy) {
    level.enemyX = 101;
    level.enemyY = 300;
    level.OnLeftClick(400, 400);
    EXPECT_EQ(level.enemyHeading, 90);
    level.enemyX = 0;
    level.enemyY = 0;
    level.OnLeftClick(400, 400);
    // atan2f(-77, -101) is -142.68 degrees; truncation goes toward zero.
    EXPECT_EQ(level.enemyHeading, -142);
}

TEST_F(MoveAndFire, RightClickFiresFromTheShipWhileWeaponEnergyLasts) {
    level.shipX = 101.7f;
    level.shipY = 77.9f;
    level.OnRightClick(101, 300);
    EXPECT_TRUE(level.torpedoInFlight);
    EXPECT_EQ(level.torpedoX, 101);
    EXPECT_EQ(level.torpedoY, 77);
    EXPECT_EQ(level.torpedoTargetX, 101);
    EXPECT_EQ(level.torpedoTargetY, 300);
    // Straight down: the double atan2 gives exactly -pi/2, and the conversion factor, a hair
    // under 180 / pi, leaves -269.99999999999 before truncation toward zero.
    EXPECT_EQ(level.torpedoHeading, -269);
    EXPECT_EQ(level.weaponEnergy, 80);
    EXPECT_EQ(sound.Take(), Commands{"play zeb_torpedo3_clean.mp3"});

    level.weaponEnergy = 20;
    level.OnRightClick(600, 77);
    EXPECT_EQ(level.weaponEnergy, 0);
    EXPECT_EQ(level.torpedoHeading, 0);
    EXPECT_EQ(level.torpedoTargetX, 600);

    level.weaponEnergy = 19;
    level.OnRightClick(700, 500);
    EXPECT_EQ(level.weaponEnergy, 19);
    EXPECT_EQ(level.torpedoTargetX, 600);
    EXPECT_EQ(sound.Take(), Commands{"play zeb_torpedo3_clean.mp3"});
}

TEST_F(MoveAndFire, AfterADefeatTorpedoesStillFlyButTheShipTakesNoOrders) {
    level.gameOver = true;
    level.OnLeftClick(300, 300);
    level.OnRightClick(300, 300);
    EXPECT_EQ(level.moveTargetX, 0);
    EXPECT_TRUE(level.torpedoInFlight);
    EXPECT_EQ(sound.Take(), Commands{"play zeb_torpedo3_clean.mp3"});
}

class PlanetChoice : public MoveAndFire {
protected:
    void SetUp() override {
        MoveAndFire::SetUp();
        level.planetEnergy = 120;
        level.planetScience = 70;
        level.inputLocked = true; // as the planet panel leaves it
    }
};

TEST_F(PlanetChoice, TakesEnergyOrScienceOnceAndUnlocksTheMouse) {
    level.planet2InRange = 1;
    level.OnPlanetChoice(1);
    EXPECT_EQ(level.energy, 120);
    EXPECT_FALSE(level.planet2Unclaimed);
    EXPECT_TRUE(level.planet1Unclaimed);
    EXPECT_FALSE(level.inputLocked);
    EXPECT_EQ(level.planetChoice, 0);
    EXPECT_EQ(level.planet2InRange, 1);

    level.OnPlanetChoice(2); // already claimed
    EXPECT_EQ(level.science, 0);

    level.planet3InRange = 1;
    level.OnPlanetChoice(2);
    EXPECT_EQ(level.science, 70);
    EXPECT_FALSE(level.planet3Unclaimed);
    EXPECT_TRUE(sound.commands.empty());
}

TEST_F(PlanetChoice, TwoPlanetsInRangePayTwice) {
    level.planet1InRange = 1;
    level.planet3InRange = 1;
    level.OnPlanetChoice(1);
    EXPECT_EQ(level.energy, 240);
}

TEST_F(PlanetChoice, LeavingClaimsThePlanetWithoutAReward) {
    level.planet1InRange = 1;
    level.OnPlanetChoice(3);
    EXPECT_FALSE(level.planet1Unclaimed);
    EXPECT_EQ(level.energy, 0);
    EXPECT_EQ(level.science, 0);
    EXPECT_FALSE(level.inputLocked);
}

TEST_F(PlanetChoice, AChoiceWithNoPanelStillUnlocksTheMouseUnderAnOpenMenu) {
    level.OnMenuKey(true);
    EXPECT_TRUE(level.inputLocked);
    level.OnPlanetChoice(2);
    EXPECT_FALSE(level.inputLocked);
    EXPECT_TRUE(level.menuOpen);
    level.OnLeftClick(300, 300);
    EXPECT_EQ(level.moveTargetX, 300);
}

class Menu : public MoveAndFire {
protected:
    void SetUp() override {
        MoveAndFire::SetUp();
        level.OnMenuKey(true);
        sound.Take();
    }

    // The action's key pressed, or held until the key repeats, so many times.
    void Press(int action, int times) {
        for (int press = 0; press < times; ++press) {
            level.OnMenuAction(action);
        }
    }
};

TEST_F(Menu, OpeningLocksTheMouseAndPlusAgainOnlyRepeatsTheVoice) {
    EXPECT_TRUE(level.menuOpen);
    EXPECT_TRUE(level.inputLocked);
    level.OnLeftClick(300, 300);
    EXPECT_EQ(level.moveTargetX, 0);

    level.OnMenuKey(true);
    EXPECT_TRUE(level.menuOpen);
    EXPECT_EQ(sound.Take(), Commands{"play pleasespecifyhowyouwouldliketoproceed_ep.mp3"});

    level.OnEnter(false);
    EXPECT_FALSE(level.menuOpen);
    EXPECT_FALSE(level.inputLocked);
}

TEST_F(Menu, HeldRepairRepairsWhileEnergyLastsAndMayGoBelowZero) {
    level.energy = 200;
    level.damageLevel = 1;
    Press(4, 4);
    EXPECT_EQ(level.energy, 20);
    EXPECT_EQ(level.damageLevel, -2);
    EXPECT_TRUE(sound.commands.empty());
}

TEST_F(Menu, EveryFourthWarpCreationPaysOutAThousand) {
    level.energy = 1000;
    level.science = 1000;
    Press(5, 3);
    EXPECT_EQ(level.warpEnergy, 20000);
    EXPECT_EQ(level.warpEnergyCreated, 750);
    level.OnMenuAction(5);
    EXPECT_EQ(level.warpEnergy, 21000);
    EXPECT_EQ(level.warpEnergyCreated, 0);
    EXPECT_EQ(level.energy, 1000 - 4 * 85);
    EXPECT_EQ(level.science, 1000 - 4 * 65);

    // Not with the tank empty, nor with 100 energy or science.
    level.warpEnergy = 0;
    level.OnMenuAction(5);
    level.warpEnergy = 10;
    level.energy = 100;
    level.OnMenuAction(5);
    level.energy = 500;
    level.science = 100;
    level.OnMenuAction(5);
    EXPECT_EQ(level.warpEnergyCreated, 0);
}

TEST_F(Menu, EveryFourthResearchAddsOneHundredTwentyWeaponEnergy) {
    level.science = 300;
    Press(6, 3);
    EXPECT_EQ(level.weaponEnergy, 100);
    EXPECT_EQ(level.weaponEnergyCreated, 90);
    level.OnMenuAction(6);
    EXPECT_EQ(level.weaponEnergy, 220);
    EXPECT_EQ(level.weaponEnergyCreated, 0);
    EXPECT_EQ(level.science, 100);

    level.science = 60;
    level.OnMenuAction(6);
    EXPECT_EQ(level.science, 60);
}

TEST_F(Menu, ActionsNeedTheMenuOpenAndAKnownNumber) {
    level.energy = 500;
    level.science = 500;
    level.damageLevel = 2;
    level.OnMenuAction(7);
    level.OnMenuAction(0);
    level.OnEnter(false);
    level.OnMenuAction(4);
    level.OnMenuAction(5);
    level.OnMenuAction(6);
    EXPECT_EQ(level.energy, 500);
    EXPECT_EQ(level.science, 500);
    EXPECT_EQ(level.damageLevel, 2);
}

using EndScreen = MoveAndFire;

TEST_F(EndScreen, EnterRestartsToTheTitleAndASecondEnterLeavesItAtOnce) {
    level.gameOver = true;
    level.inputLocked = true;
    level.OnEnter(false);
    EXPECT_EQ(sound.Take(), (Commands{"stop GameOver.mp3", "stop PlayerWins.mp3",
                                      "stop GameOver.mp3", "play intro.mp3"}));
    EXPECT_TRUE(level.titleScreen);
    EXPECT_FALSE(level.gameOver);
    EXPECT_TRUE(level.inputLocked);

    // Enter held across a second window event: NewGame has just cleared gameStarted.
    level.OnEnter(false);
    EXPECT_EQ(sound.Take(), (Commands{"stop intro.mp3", "play track01.mp3 repeat"}));
    EXPECT_FALSE(level.titleScreen);
    EXPECT_FALSE(level.inputLocked);
}

} // namespace

} // namespace vantor::test
