// Creation, the new-game reset and the random placement of planets and asteroid.
#include "game/Sector01.h"

#include "sound/MediaControl.h"
#include "sound/SoundCommands.h"

namespace SoundCommands = vantor::sound::SoundCommands;
using vantor::game::ConstPlanetView;
using vantor::game::PlanetView;
using vantor::sound::SendMediaCommand;

namespace {

template <typename View, typename Level> std::array<View, 3> PlanetsOf(Level& level) {
    return {{{level.planet1X, level.planet1Y, level.planet1InRange, level.planet1Unclaimed},
             {level.planet2X, level.planet2Y, level.planet2InRange, level.planet2Unclaimed},
             {level.planet3X, level.planet3Y, level.planet3InRange, level.planet3Unclaimed}}};
}

} // namespace

std::array<PlanetView, 3> Sector01::SectorPlanets() {
    return PlanetsOf<PlanetView>(*this);
}

std::array<ConstPlanetView, 3> Sector01::SectorPlanets() const {
    return PlanetsOf<ConstPlanetView>(*this);
}

Sector01::Sector01() {
    warpEnergyNow = 0.0;
    warpEnergyMax = 0.0;
}

void Sector01::NewGame() {
    PickPlanetOffer();
    shipY = 77;
    shipX = 101;
    enemyY = 77;
    enemyX = 820;
    shipHeading = 0;
    planetChoice = 0;
    moveTargetX = 0;
    moveTargetY = 0;
    enemyKilledInSector = 0;
    ReopenPlanets();
    gameOver = false;
    // The planets and the asteroid stay where they are: the first sector keeps the
    // positions placed for the previous layout.
    sectorLayout = random.Next() % 10 + 1;
    titleScreen = true;
    sector = 1;
    frameCount = 0;
    damageLevel = 0;
    torpedoInFlight = false;
    gameStarted = false;
    SendMediaCommand(SoundCommands::StopPlayerWins);
    SendMediaCommand(SoundCommands::StopGameOver);
    SendMediaCommand(SoundCommands::PlayIntro);
    energy = 0;
    science = 0;
    enemiesDestroyed = 0;
    torpedoHeading = 0;
    menuOpen = false;
    inputLocked = true;
    rank = 0;
    weaponLevel = 0;
    warpEnergyCreated = 0;
    warpEnergy = 20000;
    weaponEnergy = 100;
    warpPercent = 100;
    warpEnergyNow = 0.0;
    warpEnergyMax = static_cast<double>(warpEnergy);
    weaponEnergyCreated = 0;
    bossHits = 0;
    playerWon = false;
}

void Sector01::ReopenPlanets() {
    for (const PlanetView& planet : SectorPlanets()) {
        planet.unclaimed = true;
        planet.inRange = 0;
    }
}

void Sector01::PlacePlanets() {
    planet1X = 0;
    planet1Y = 0;
    planet2X = 0;
    planet2Y = 0;
    planet3X = 0;
    planet3Y = 0;
    switch (sectorLayout) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 9:
    case 11:
    case 13:
        // Planet 2 may lie below the bottom edge and planet 3 beyond the right edge, out
        // of sight and out of reach.
        planet1X = static_cast<float>(random.Next() % 410 + 101);
        planet1Y = static_cast<float>(random.Next() % 309 + 77);
        planet2X = static_cast<float>(random.Next() % 410 + 101);
        planet2Y = static_cast<float>(random.Next() % 540 + 386);
        planet3X = static_cast<float>(random.Next() % 820 + 513);
        planet3Y = static_cast<float>(random.Next() % 309 + 77);
        break;
    default:
        break;
    }
}

void Sector01::ChooseSeed(uint32_t seed) {
    chosenSeed = seed;
    seedUsed = seed;
    random.Seed(seed);
}

void Sector01::PickPlanetOffer() {
    planetScience = random.Next() % 300;
    planetEnergy = random.Next() % 300;
}

void Sector01::PlaceAsteroid() {
    asteroidX = static_cast<float>(random.Next() % 410 + 101);
    asteroidY = static_cast<float>(random.Next() % 309 + 77);
}

vantor::game::LevelView Sector01::View() const {
    vantor::game::LevelView view;
    view.titleScreen = titleScreen;
    view.playing = gameStarted;
    view.sector = static_cast<int>(sector);
    view.shipX = static_cast<int>(shipX);
    view.shipY = static_cast<int>(shipY);
    view.shipMoving = moveTargetX > 0 && moveTargetY > 0;
    view.torpedoFlying = torpedoInFlight;
    view.energy = energy;
    view.science = science;
    view.warpEnergy = warpEnergy;
    view.kills = enemiesDestroyed;
    view.rank = rank;
    view.weaponLevel = weaponLevel;
    view.damage = damageLevel;
    view.torpedoes = weaponEnergy / 20;
    view.planetPanel = false;
    for (const vantor::game::ConstPlanetView& planet : SectorPlanets()) {
        view.planetPanel = view.planetPanel || (gameStarted && planet.ShowsPanel());
    }
    view.engineeringOpen = gameStarted && menuOpen;
    view.bossHits = bossHits;
    view.gameOver = gameOver;
    view.playerWon = playerWon;
    return view;
}
