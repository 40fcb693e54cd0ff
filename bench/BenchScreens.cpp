#include "bench/BenchScreens.h"

#include "game/Sector01.h"
#include "support/LevelScreens.h"
#include "support/LevelStaging.h"

namespace vantor::bench {

void BenchScreens::Title(Sector01& level) {
    level.NewGame();
}

void BenchScreens::Play(Sector01& level) {
    level.NewGame();
    level.OnEnter(false);
    test::LevelScreens::Playing(level, 2, 1); // three planets and the asteroid
    test::LevelStaging::ShipAt(level, 600, 330);
    level.shipHeading = 30;
    test::LevelStaging::EnemyAt(level, 820, 520);
    level.enemyHeading = 210;
    // In flight toward the enemy, drawn turned by its own heading.
    test::LevelStaging::TorpedoFlying(level, 700, 400, 820, 520);
    level.torpedoHeading = 40;
    level.energy = 1234;
    level.science = 567;
    level.enemiesDestroyed = 3;
    level.frameCount = 130;
}

void BenchScreens::PlaySecondWeapon(Sector01& level) {
    Play(level);
    level.weaponLevel = 1;
}

void BenchScreens::PlanetPanel(Sector01& level) {
    Play(level);
    level.planet1InRange = 1;
    level.planet1Unclaimed = true;
}

void BenchScreens::Menu(Sector01& level) {
    Play(level);
    level.menuOpen = true;
    level.inputLocked = true;
}

void BenchScreens::EndScreen(Sector01& level) {
    Play(level);
    level.damageLevel = 6;
    level.gameOver = true;
    level.inputLocked = true;
}

} // namespace vantor::bench
