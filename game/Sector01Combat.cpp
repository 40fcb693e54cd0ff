// Ramming, torpedo and boss hits, planet reach, rank and weapon progression, defeat and
// victory.
#include "game/Sector01.h"

#include "game/BoxTest.h"
#include "sound/MediaControl.h"
#include "sound/SoundCommands.h"

namespace SoundCommands = vantor::sound::SoundCommands;
using vantor::game::BoxTouches;
using vantor::game::PlanetView;
using vantor::sound::SendMediaCommand;

namespace {

constexpr int HitBoxWidth = 100; // ramming and torpedo hits
constexpr int HitBoxHeight = 75;
constexpr int ReachBox = 100; // planets, both ways
constexpr int EnergyLostPerRamming = 150;
constexpr int RammingsThatEndTheGame = 6;
constexpr int BossHitsThatWin = 6;
constexpr float BossSector = 15;

} // namespace

void Sector01::RespawnEnemy() {
    enemyX = static_cast<float>(random.Next() % 820 + 101);
    enemyY = static_cast<float>(random.Next() % 540 + 77);
}

void Sector01::CheckCollisions() {
    // Ramming counts in every state, also after the game has ended: an enemy left touching
    // the wreck keeps ramming it.
    if (BoxTouches(shipX, shipY, enemyX, enemyY, HitBoxWidth, HitBoxHeight)) {
        damageLevel += 1;
        SendMediaCommand(SoundCommands::PlaySmallExplosion);
        energy -= EnergyLostPerRamming;
        if (energy < 0) {
            energy = 0;
        }
        if (damageLevel == 1) {
            SendMediaCommand(SoundCommands::PlayShieldsFailing);
        } else if (damageLevel == 3) {
            SendMediaCommand(SoundCommands::PlayStructuralIntegrity);
        } else if (damageLevel == 5) {
            SendMediaCommand(SoundCommands::PlayAbandonShip);
        }
        if (damageLevel <= RammingsThatEndTheGame - 1) {
            RespawnEnemy();
        }
        if (damageLevel == RammingsThatEndTheGame) {
            gameOver = true;
        }
    }

    // The torpedo can hit wherever it rests, flying or not, and flies on after a hit.
    if (sector < BossSector &&
        BoxTouches(torpedoX, torpedoY, enemyX, enemyY, HitBoxWidth, HitBoxHeight)) {
        enemyKilledInSector += 1;
        enemiesDestroyed += 1;
        RespawnEnemy();
        SendMediaCommand(SoundCommands::PlaySmallExplosion);
    }

    if (sector == BossSector &&
        BoxTouches(torpedoX, torpedoY, enemyX, enemyY, HitBoxWidth, HitBoxHeight)) {
        bossHits += 1;
        enemyKilledInSector += 1;
        RespawnEnemy();
        SendMediaCommand(SoundCommands::PlaySmallExplosion);
        if (bossHits >= BossHitsThatWin) {
            enemyKilledInSector += 1;
            enemiesDestroyed += 1;
            SendMediaCommand(SoundCommands::PlayLargeExplosion);
            enemyX = 2000;
            playerWon = true;
        }
    }

    // The scan cue repeats on every update while the ship stays near an unclaimed planet.
    for (const PlanetView& planet : SectorPlanets()) {
        if (BoxTouches(shipX, shipY, planet.x, planet.y, ReachBox, ReachBox)) {
            planet.inRange = 1;
            if (planet.unclaimed) {
                SendMediaCommand(SoundCommands::PlayPlanetScanned);
            }
        }
    }
}

void Sector01::CheckProgress() {
    // Exact values, tested on every update: a rank or weapon reached earlier drops back
    // whenever a lower threshold is met exactly again.
    if (enemiesDestroyed == 10) {
        rank = 1;
    }
    if (energy == 15000) {
        rank = 2;
    }
    if (science == 5000) {
        weaponLevel = 1;
    }
    if (science == 10000) {
        weaponLevel = 2;
    }
    if (warpEnergy == 0) {
        gameOver = true;
    }
}

void Sector01::CheckVictory() {
    if (playerWon) {
        gameOver = true;
        sector = 16;
        inputLocked = true;
    }
}
