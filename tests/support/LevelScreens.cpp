#include "support/LevelScreens.h"

#include "game/Sector01.h"

#include <array>

std::vector<LevelScreens::Screen> LevelScreens::All() {
    return {Screen::Title,
            Screen::FirstSector,
            Screen::PlanetsAndAsteroid,
            Screen::Rock,
            Screen::EmptySector,
            Screen::SecondPlanetPanel,
            Screen::FirstPlanetPanel,
            Screen::Menu,
            Screen::Defeat,
            Screen::Victory,
            Screen::Boss};
}

const char* LevelScreens::NameOf(Screen screen) {
    switch (screen) {
    case Screen::Title:
        return "title";
    case Screen::FirstSector:
        return "first sector";
    case Screen::PlanetsAndAsteroid:
        return "planets and asteroid";
    case Screen::Rock:
        return "rock";
    case Screen::EmptySector:
        return "empty sector";
    case Screen::SecondPlanetPanel:
        return "second planet's panel";
    case Screen::FirstPlanetPanel:
        return "first planet's panel";
    case Screen::Menu:
        return "menu";
    case Screen::Defeat:
        return "defeat";
    case Screen::Victory:
        return "victory";
    case Screen::Boss:
        break;
    }
    return "boss";
}

void LevelScreens::Show(Sector01& level, Screen screen, int frameCount) {
    level.NewGame();
    level.frameCount = frameCount;
    if (screen == Screen::Title) {
        return;
    }
    Playing(level, 2, 12);
    switch (screen) {
    case Screen::Title:
        break;
    case Screen::FirstSector:
        level.sector = 1;
        level.sectorLayout = 0;
        break;
    case Screen::PlanetsAndAsteroid:
        level.sectorLayout = 1;
        break;
    case Screen::Rock:
        level.sectorLayout = 2;
        break;
    case Screen::EmptySector:
        level.sector = 3;
        break;
    case Screen::SecondPlanetPanel:
        level.planet2InRange = 1;
        level.planetEnergy = 288;
        level.planetScience = 188;
        break;
    case Screen::FirstPlanetPanel:
        level.planet1InRange = 1;
        level.planetEnergy = 71;
        level.planetScience = 205;
        break;
    case Screen::Menu:
        level.menuOpen = true;
        level.energy = 345;
        break;
    case Screen::Defeat:
        level.sector = 5;
        level.damageLevel = 6;
        // Clear of the end screen's plate and of the enemy.
        level.shipX = 860;
        level.shipY = 600;
        level.enemyX = 30;
        level.enemyY = 400;
        break;
    case Screen::Victory:
        level.sector = 16;
        level.gameOver = true;
        level.playerWon = true;
        level.bossHits = 6;
        level.shipX = 100;
        level.shipY = 600;
        break;
    case Screen::Boss:
        level.sector = 15;
        level.sectorLayout = 14;
        level.enemyHeading = 0;
        break;
    }
}

void LevelScreens::Playing(Sector01& level, float sector, int layout) {
    level.titleScreen = false;
    level.gameStarted = true;
    level.inputLocked = false;
    level.sector = sector;
    level.sectorLayout = layout;
    level.shipX = 700;
    level.shipY = 300;
    level.enemyX = 850;
    level.enemyY = 550;
    const std::array<PlanetView, 3> planets = level.SectorPlanets();
    planets[0].x = 150;
    planets[0].y = 200;
    planets[1].x = 150;
    planets[1].y = 450;
    planets[2].x = 420;
    planets[2].y = 450;
    level.asteroidX = 420;
    level.asteroidY = 180;
    level.torpedoInFlight = false;
}
