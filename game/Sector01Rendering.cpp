// Drawing the level: the title screen, or the play screen built up in ten fixed steps. A
// few steps also keep the game state in order as they draw (the planet panel locks the
// mouse, the top bar ends a wrecked game, the ships step parks a destroyed enemy), and the
// end screen sends its music on every frame.
#include "game/Sector01.h"

#include "graphics/Graphics.h"
#include "graphics/SpriteSheet.h"
#include "graphics/TextWriter.h"
#include "sound/MediaControl.h"
#include "sound/SoundCommands.h"

namespace SoundCommands = vantor::sound::SoundCommands;
using vantor::game::PlanetView;
using vantor::sound::SendMediaCommand;

namespace {

// Pictures and text styles are missing only when the level runs without a drawing device;
// then nothing is drawn, but every state change of drawing still happens.
void Draw(SpriteSheet* sheet, float x, float y) {
    if (sheet != nullptr) {
        sheet->Draw(x, y);
    }
}

void DrawFrame(SpriteSheet* sheet, int frame, float x, float y) {
    if (sheet != nullptr) {
        sheet->DrawFrame(frame, x, y);
    }
}

void DrawRotated(SpriteSheet* sheet, int angle, float x, float y) {
    if (sheet != nullptr) {
        sheet->DrawRotated(angle, x, y);
    }
}

void DrawNumber(TextWriter* writer, int x, int y, int value) {
    if (writer != nullptr) {
        writer->DrawNumber(x, y, value);
    }
}

} // namespace

int Sector01::AnimationCell() const {
    return (frameCount / 60) % 4;
}

void Sector01::Render() {
    if (titleScreen) {
        Draw(splashScreen, 0, 0);
        if (promptText != nullptr) {
            promptText->DrawString(400, 730, L"Press Enter To Start");
        }
    }
    if (gameStarted) {
        DrawPlayScreen();
    }
}

void Sector01::DrawPlayScreen() {
    DrawBackground();
    DrawPlanets();
    DrawAsteroid();
    DrawTorpedo();
    DrawShips();
    DrawPlanetPanel();
    DrawTopBar();
    DrawBottomBar();
    DrawMenu();
    DrawEndScreen();
}

void Sector01::DrawBackground() {
    SpriteSheet* backdrop = nullptr;
    bool known = false;
    for (int s = 1; s <= 16; ++s) {
        if (sector == static_cast<float>(s)) {
            known = true;
            backdrop = s == 1 ? sectorBackground : s == 16 ? gameEndScreen : backgrounds[s - 2];
        }
    }
    if (!known) {
        return;
    }
    if (graphics != nullptr) {
        graphics->ClearScreen(0.5f, 0.0f, 0.5f);
    }
    Draw(backdrop, 0, 0);
}

void Sector01::DrawPlanets() {
    // Which three of the ten planet pictures each planet layout shows; other layouts show none.
    struct LayoutPictures {
        int32_t layout;
        int first;
        int second;
        int third;
    };
    constexpr LayoutPictures layouts[] = {
        {1, 3, 4, 5}, {7, 3, 4, 5},  {3, 0, 1, 2},  {5, 6, 7, 8},
        {9, 0, 1, 5}, {11, 6, 1, 2}, {13, 4, 5, 2},
    };
    for (const LayoutPictures& shown : layouts) {
        if (shown.layout == sectorLayout) {
            DrawRotated(planets[shown.first], 0, planet1X, planet1Y);
            DrawRotated(planets[shown.second], 0, planet2X, planet2Y);
            DrawRotated(planets[shown.third], 0, planet3X, planet3Y);
        }
    }
}

void Sector01::DrawAsteroid() {
    // What drifts through each layout: the asteroid, the rock, or nothing.
    constexpr int32_t asteroidLayouts[] = {1, 3, 5, 8, 10};
    constexpr int32_t rockLayouts[] = {2, 4, 6, 7, 9};
    for (int32_t layout : asteroidLayouts) {
        if (sectorLayout == layout) {
            DrawFrame(asteroidStrip, AnimationCell(), asteroidX, asteroidY);
        }
    }
    for (int32_t layout : rockLayouts) {
        if (sectorLayout == layout) {
            DrawFrame(rockStrip, AnimationCell(), asteroidX, asteroidY);
        }
    }
}

void Sector01::DrawTorpedo() {
    if (!torpedoInFlight) {
        return;
    }
    // The third weapon's torpedo flies unseen.
    const float x = static_cast<float>(torpedoX);
    const float y = static_cast<float>(torpedoY);
    if (weaponLevel == 0) {
        DrawRotated(warheadFire, torpedoHeading, x, y);
    } else if (weaponLevel == 1) {
        DrawRotated(warhead02, torpedoHeading, x, y);
    }
}

void Sector01::DrawShips() {
    auto drawShip = [this] {
        if (playerShip != nullptr) {
            playerShip->DrawRotatedPair(shipHeading, shipX, shipY);
        }
    };
    if (sector < 15) {
        if (damageLevel <= 5 && enemyKilledInSector == 0) {
            drawShip();
            DrawRotated(enemyShip, enemyHeading, enemyX, enemyY);
        }
        if (damageLevel >= 6 && enemyKilledInSector == 0) {
            // The wreck burns where the ship was.
            DrawFrame(explosionStrip, AnimationCell(), shipX, shipY);
            DrawRotated(enemyShip, enemyHeading, enemyX, enemyY);
        }
        if (enemyKilledInSector > 0) {
            // The explosion is latched where the enemy stands on the frame of the kill; from
            // then on the enemy is kept out of sight for the rest of the sector.
            if (enemyX != 0 && enemyY != 0) {
                explosionX = static_cast<int32_t>(enemyX);
                explosionY = static_cast<int32_t>(enemyY);
            }
            drawShip();
            DrawFrame(explosionStrip, AnimationCell(), static_cast<float>(explosionX),
                      static_cast<float>(explosionY));
            enemyX = 2000;
        }
    } else if (sector == 15) {
        drawShip();
        if (bossHits < 6) {
            DrawRotated(enemyShip01, enemyHeading, enemyX, enemyY);
        }
    }
}

void Sector01::DrawPlanetPanel() {
    // The first and third planets' panels turn the same animated planet.
    SpriteSheet* const turningPlanets[3] = {aniPlanet03, aniPlanet02, aniPlanet03};
    const std::array<PlanetView, 3> sectorPlanets = SectorPlanets();
    // All panels share one place; a later one covers an earlier one.
    for (int i = 0; i < 3; ++i) {
        if (!sectorPlanets[i].ShowsPanel()) {
            continue;
        }
        // Mouse orders wait until the player has answered the panel.
        inputLocked = true;
        Draw(planetInfo, 104, 75);
        DrawFrame(turningPlanets[i], AnimationCell(), 402, 275);
        DrawNumber(planetEnergyText, 220, 110, planetEnergy);
        DrawNumber(planetScienceText, 220, 180, planetScience);
    }
}

void Sector01::DrawTopBar() {
    warpEnergyNow = static_cast<double>(warpEnergy);
    warpPercent = static_cast<int32_t>(warpEnergyNow / warpEnergyMax * 100.0);
    DrawNumber(warpPercentText, 983, 26, warpPercent);
    Draw(scorePanel, 360, 0);

    // A repair at damage 0 leaves -1; the ship is simply intact again.
    if (damageLevel < 0) {
        damageLevel = 0;
    }
    // The damage pictures stack up, one more for every ramming.
    if (damageLevel == 0) {
        Draw(intactStatus, 0, 0);
    }
    for (int level = 1; level <= 5; ++level) {
        if (damageLevel >= level) {
            Draw(damageStatus[level - 1], 0, 0);
        }
    }
    if (damageLevel >= 6) {
        Draw(damageStatus[4], 0, 0);
        gameOver = true;
    }

    Draw(sectorLabels[0], 888, 0);
    DrawNumber(energyText, 411, 19, energy);
    DrawNumber(scienceText, 500, 19, science);
    DrawNumber(killsText, 572, 19, enemiesDestroyed);
}

void Sector01::DrawBottomBar() {
    Draw(bottomHud, 307, 720);
    DrawCaptainAndWeapon(540, 727, 364, 734);
    // The torpedoes the weapon energy still pays for.
    DrawNumber(torpedoCountText, 500, 735, weaponEnergy / 20);
}

void Sector01::DrawMenu() {
    if (!gameStarted || !menuOpen) {
        return;
    }
    Draw(menuScreen, 0, 0);
    DrawMenuPictures();
    DrawNumber(killsText, 920, 290, enemiesDestroyed);
    DrawNumber(menuEnergyText, 150, 420, energy);
    DrawNumber(menuScienceText, 150, 522, science);
    DrawNumber(menuWarpCreatedText, 150, 618, warpEnergyCreated);
    DrawNumber(menuWarpEnergyText, 615, 675, warpEnergy);
    DrawNumber(menuWeaponEnergyText, 865, 674, weaponEnergy);
    DrawNumber(menuWeaponCreatedText, 145, 205, weaponEnergyCreated);
    // Unlike the top bar, the menu shows the one picture of the current damage.
    if (damageLevel == 0) {
        Draw(intactStatus, 610, 450);
    } else if (damageLevel >= 1 && damageLevel <= 5) {
        Draw(damageStatus[damageLevel - 1], 610, 450);
    }
}

void Sector01::DrawMenuPictures() {
    DrawFrame(beamStrip, AnimationCell(), 80, 605);
    DrawFrame(beamStrip, AnimationCell(), 552, 660);
    DrawCaptainAndWeapon(122, 113, 820, 470);
}

void Sector01::DrawCaptainAndWeapon(float captainX, float captainY, float weaponX, float weaponY) {
    // Rank 2 and the third weapon have no picture here.
    if (rank == 0) {
        DrawRotated(captain, 0, captainX, captainY);
    } else if (rank == 1) {
        DrawRotated(captain2, 0, captainX, captainY);
    }
    if (weaponLevel == 0) {
        DrawRotated(warhead01, 0, weaponX, weaponY);
    } else if (weaponLevel == 1) {
        DrawRotated(warhead02, 0, weaponX, weaponY);
    }
}

void Sector01::DrawEndScreen() {
    if (!gameOver) {
        return;
    }
    // Sent on every frame the end screen shows; a play of what already plays goes on.
    for (const char* stop : SoundCommands::StopTracks) {
        SendMediaCommand(stop);
    }
    SendMediaCommand(SoundCommands::StopBossTrack);
    if (!playerWon) {
        SendMediaCommand(SoundCommands::PlayGameOver);
        SendMediaCommand(SoundCommands::PlayLargeExplosion);
    }
    if (playerWon) {
        SendMediaCommand(SoundCommands::PlayPlayerWins);
    }
    Draw(scorePanel, 360, 0);
    DrawRotated(gameOverScreen, 0, 200, 190);
    DrawNumber(energyText, 411, 19, energy);
    DrawNumber(scienceText, 500, 19, science);
    DrawNumber(killsText, 572, 19, enemiesDestroyed);
}
