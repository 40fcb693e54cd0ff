// The player's commands: move and fire orders, the planet choice, Enter, and the
// engineering menu. A held key calls its command once per window event, so every command
// must bear being called again and again.
#include "game/Sector01.h"

#include "sound/MediaControl.h"
#include "sound/SoundCommands.h"

#include <cmath>

namespace SoundCommands = vantor::sound::SoundCommands;
using vantor::game::PlanetView;
using vantor::sound::SendMediaCommand;

namespace {

// 180 / 3.14159265359, not 180 / pi to full precision: headings are truncated from this.
constexpr double RadiansToDegrees = 57.29577951307855;

constexpr int TorpedoCost = 20;

} // namespace

void Sector01::OnLeftClick(int x, int y) {
    if (gameOver || inputLocked) {
        return;
    }
    moveTargetX = x;
    moveTargetY = y;
    // Headings run clockwise on screen from the positive x axis; the ship's points from the
    // ship to the click, the enemy's from the ship to the enemy. Both use the pictures'
    // top-left corners, in single precision.
    const float shipAngle = atan2f(shipY - static_cast<float>(y), shipX - static_cast<float>(x));
    shipHeading = static_cast<int32_t>(static_cast<double>(shipAngle) * RadiansToDegrees - 180.0);
    const float enemyAngle = atan2f(enemyY - shipY, enemyX - shipX);
    enemyHeading = static_cast<int32_t>(static_cast<double>(enemyAngle) * RadiansToDegrees);
    SendMediaCommand(SoundCommands::PlayEngine);
}

void Sector01::OnRightClick(int x, int y) {
    // Firing does not look at gameOver: after a defeat, torpedoes still fly.
    if (weaponEnergy < TorpedoCost || inputLocked) {
        return;
    }
    // A torpedo already in flight is not waited for: it restarts from the ship.
    torpedoTargetX = x;
    torpedoTargetY = y;
    torpedoX = static_cast<int32_t>(shipX);
    torpedoY = static_cast<int32_t>(shipY);
    const double angle = atan2(static_cast<double>(torpedoY - torpedoTargetY),
                               static_cast<double>(torpedoX - torpedoTargetX));
    torpedoHeading = static_cast<int32_t>(angle * RadiansToDegrees - 180.0);
    torpedoInFlight = true;
    SendMediaCommand(SoundCommands::PlayTorpedo);
    weaponEnergy -= TorpedoCost;
}

void Sector01::OnPlanetChoice(int choice) {
    planetChoice = choice;
    if (planetChoice == 0) {
        return;
    }
    // Every planet in range answers, so two planets in range pay out twice. Any choice,
    // "leave" included, claims the planet for the rest of the sector.
    for (const PlanetView& planet : SectorPlanets()) {
        if (planet.inRange != 1) {
            continue;
        }
        if (planetChoice == 1 && planet.unclaimed) {
            energy += planetEnergy;
        }
        if (planetChoice == 2 && planet.unclaimed) {
            science += planetScience;
        }
        planet.unclaimed = false;
    }
    planetChoice = 0;
    inputLocked = false;
}

void Sector01::OnEnter(bool showTitle) {
    titleScreen = showTitle;
    // Leaving the title.
    if (!titleScreen && !gameStarted) {
        SendMediaCommand(SoundCommands::StopIntro);
        SendMediaCommand(SoundCommands::PlayTrack01);
        inputLocked = false;
    }
    // Restarting after the end: back to the title.
    if (gameOver) {
        gameOver = false;
        inputLocked = false;
        SendMediaCommand(SoundCommands::StopGameOver);
        NewGame();
    }
    // Closing the menu; it stays open across the title until play has begun.
    if (menuOpen && gameStarted) {
        menuOpen = false;
        inputLocked = false;
    }
}

void Sector01::OnMenuKey(bool open) {
    if (!menuOpen) {
        menuOpen = open;
        inputLocked = open;
    }
    SendMediaCommand(SoundCommands::PlaySpecifyHowToProceed);
}

void Sector01::OnMenuAction(int action) {
    if (!menuOpen) {
        return;
    }
    switch (action) {
    case 4: // repair; at damage 0 this leaves -1, which the top bar raises back to 0
        if (energy > 75) {
            damageLevel -= 1;
            energy -= 60;
        }
        break;
    case 5: // create warp energy, paid out in lumps of at least 1000
        if (energy > 100 && science > 100 && warpEnergy > 0) {
            energy -= 85;
            science -= 65;
            warpEnergyCreated += 250;
            if (warpEnergyCreated >= 1000) {
                warpEnergy += warpEnergyCreated;
                warpEnergyCreated = 0;
            }
        }
        break;
    case 6: // weapon research, paid out once above 100
        if (science > 60) {
            science -= 50;
            weaponEnergyCreated += 30;
            if (weaponEnergyCreated > 100) {
                weaponEnergy += weaponEnergyCreated;
                weaponEnergyCreated = 0;
            }
        }
        break;
    default:
        break;
    }
}
