// One update of the game: the asteroid drifts, the ship flies to its order, the enemy
// chases it, the torpedo flies and the sector changes past the right edge.
#include "game/Sector01.h"

#include "game/StepToward.h"
#include "sound/MediaControl.h"
#include "sound/SectorMusic.h"

using vantor::game::StepToward;
using vantor::sound::SectorMusic;
using vantor::sound::SendMediaCommand;

void Sector01::Update() {
    DriftAsteroid();
    MoveShip();
    ChaseShip();
    CheckCollisions();
    MoveTorpedo();
    CheckSectorExit();
    CheckProgress();
    CheckVictory();
    frameCount += 1;
}

void Sector01::DriftAsteroid() {
    if (titleScreen) {
        return;
    }
    asteroidX += 0.01f;
    asteroidY += 0.01f;
    // The first update after the title has been left is where play begins.
    gameStarted = true;
}

void Sector01::MoveShip() {
    if (!gameStarted || moveTargetX <= 0 || moveTargetY <= 0) {
        return;
    }
    // Warp energy is spent on every update an order exists, whether or not the ship moves;
    // truncating toward zero keeps it from going below 0.
    warpEnergy = static_cast<int32_t>(static_cast<double>(warpEnergy) - 0.1);
    StepToward(shipX, shipY, moveTargetX, moveTargetY, 1.0f, [this] {
        moveTargetX = 0;
        moveTargetY = 0;
    });
}

void Sector01::ChaseShip() {
    // The enemy only moves while the ship has an order, so it stands still whenever the
    // ship does; reaching the ship cancels the ship's order.
    if (!gameStarted || moveTargetX <= 0 || moveTargetY <= 0) {
        return;
    }
    StepToward(enemyX, enemyY, shipX, shipY, 0.3f, [this] {
        moveTargetX = 0;
        moveTargetY = 0;
    });
}

void Sector01::MoveTorpedo() {
    // A torpedo with a target flies in every state of the game. On arrival it stops being
    // drawn, and wherever the rest of the rule leaves it, it can still hit.
    if (torpedoTargetX <= 0 || torpedoTargetY <= 0) {
        return;
    }
    StepToward(torpedoX, torpedoY, torpedoTargetX, torpedoTargetY, 1, [this] {
        torpedoInFlight = false;
        torpedoX = 0;
        torpedoY = 0;
        torpedoTargetX = 0;
        torpedoTargetY = 0;
    });
}

void Sector01::CheckSectorExit() {
    // The boss sector cannot be left to the right.
    if (sector < 15 && shipX > 924) {
        NextSector();
    }
}

void Sector01::NextSector() {
    // The ship enters at the left edge with an order that settles it there; the enemy,
    // even one destroyed in the old sector, comes back at the right.
    shipX = 10;
    enemyX = 924;
    moveTargetX = 10;
    moveTargetY = 77;
    // The new sector's offer, layout, asteroid and planets, drawn at random in this order.
    PickPlanetOffer();
    sectorLayout = random.Next() % 15 + 1;
    sector += 1;
    PlaceAsteroid();
    PlacePlanets();
    ReopenPlanets();
    enemyKilledInSector = 0;
    // A torpedo in flight keeps its target and flies on from here.
    torpedoX = 0;
    torpedoY = 0;
    SwitchMusic();
    shipHeading = 0;
    enemyHeading = 0;
}

void Sector01::SwitchMusic() {
    for (int s = 2; s <= 15; ++s) {
        if (sector == static_cast<float>(s)) {
            const SectorMusic music = SectorMusic::ForSector(s);
            SendMediaCommand(music.stop);
            SendMediaCommand(music.play);
        }
    }
}
