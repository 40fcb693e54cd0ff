#include "support/LevelScreens.h"

#include "game/Sector01.h"
#include "support/LevelStaging.h"

#include <iterator>

namespace vantor::test {

namespace {

using Screen = LevelScreens::Screen;

// Each screen's name, and the sector and layout it plays in (the title plays in none).
struct ScreenSetting {
    Screen screen;
    const char* name;
    float sector;
    int layout;
};

constexpr ScreenSetting Settings[] = {
    {Screen::Title, "title", 0, 0},
    {Screen::FirstSector, "first sector", 1, 0},
    {Screen::PlanetsAndAsteroid, "planets and asteroid", 2, 1},
    {Screen::Rock, "rock", 2, 2},
    {Screen::EmptySector, "empty sector", 3, 12},
    {Screen::SecondPlanetPanel, "second planet's panel", 2, 12},
    {Screen::FirstPlanetPanel, "first planet's panel", 2, 12},
    {Screen::Menu, "menu", 2, 12},
    {Screen::Defeat, "defeat", 5, 12},
    {Screen::Victory, "victory", 16, 12},
    {Screen::Boss, "boss", 15, 14},
};
constexpr int ScreenCount = static_cast<int>(std::size(Settings));

// A row for every screen, in the order of the enumeration, so that a screen finds its own.
constexpr bool EveryScreenInItsRow() {
    for (int row = 0; row < ScreenCount; ++row) {
        if (static_cast<int>(Settings[row].screen) != row) {
            return false;
        }
    }
    return static_cast<int>(Screen::Boss) + 1 == ScreenCount;
}
static_assert(EveryScreenInItsRow());

const ScreenSetting& SettingOf(Screen screen) {
    return Settings[static_cast<int>(screen)];
}

} // namespace

std::vector<LevelScreens::Screen> LevelScreens::All() {
    std::vector<Screen> all;
    for (int screen = 0; screen < ScreenCount; ++screen) {
        all.push_back(static_cast<Screen>(screen));
    }
    return all;
}

const char* LevelScreens::NameOf(Screen screen) {
    return SettingOf(screen).name;
}

void LevelScreens::Show(Sector01& level, Screen screen, int frameCount) {
    level.NewGame();
    level.frameCount = frameCount;
    if (screen == Screen::Title) {
        return;
    }
    Playing(level, SettingOf(screen).sector, SettingOf(screen).layout);
    switch (screen) {
    case Screen::Title:
    case Screen::FirstSector:
    case Screen::PlanetsAndAsteroid:
    case Screen::Rock:
    case Screen::EmptySector:
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
        level.damageLevel = 6;
        // Clear of the end screen's plate and of the enemy.
        LevelStaging::ShipAt(level, 860, 600);
        LevelStaging::EnemyAt(level, 30, 400);
        break;
    case Screen::Victory:
        level.gameOver = true;
        level.playerWon = true;
        level.bossHits = 6;
        LevelStaging::ShipAt(level, 100, 600);
        break;
    case Screen::Boss:
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
    LevelStaging::ShipAt(level, 700, 300);
    LevelStaging::EnemyAt(level, 850, 550);
    LevelStaging::PlanetAt(level, 1, 150, 200);
    LevelStaging::PlanetAt(level, 2, 150, 450);
    LevelStaging::PlanetAt(level, 3, 420, 450);
    LevelStaging::AsteroidAt(level, 420, 180);
    level.torpedoInFlight = false;
}

} // namespace vantor::test
