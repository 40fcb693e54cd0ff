#include "LevelScreens.h"

#include "game/Sector01.h"

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
    level.titleScreen = false;
    level.gameStarted = true;
    level.inputLocked = false;
    level.shipX = 700;
    level.shipY = 300;
    level.enemyX = 850;
    level.enemyY = 550;
    level.planet1X = 150;
    level.planet1Y = 200;
    level.planet2X = 150;
    level.planet2Y = 450;
    level.planet3X = 420;
    level.planet3Y = 450;
    level.asteroidX = 420;
    level.asteroidY = 180;
    level.sector = 2;
    level.sectorLayout = 12;
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
