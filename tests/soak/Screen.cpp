#include "Screen.h"

#include "game/Sector01.h"

Screen ScreenOf(const Sector01& level) {
    if (!level.gameStarted) {
        return Screen::Title;
    }
    if (level.gameOver) {
        return level.playerWon ? Screen::Victory : Screen::Defeat;
    }
    if (level.menuOpen) {
        return Screen::Menu;
    }
    for (const ConstPlanetView& planet : level.SectorPlanets()) {
        if (planet.ShowsPanel()) {
            return Screen::PlanetPanel;
        }
    }
    return Screen::Play;
}

const char* ScreenName(Screen screen) {
    switch (screen) {
    case Screen::Title:
        return "title";
    case Screen::Play:
        return "play";
    case Screen::PlanetPanel:
        return "planet panel";
    case Screen::Menu:
        return "menu";
    case Screen::Defeat:
        return "end after defeat";
    case Screen::Victory:
        return "end after victory";
    }
    return "?";
}
