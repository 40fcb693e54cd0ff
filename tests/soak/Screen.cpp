#include "Screen.h"

#include "game/Sector01.h"

namespace {

bool PanelShown(int32_t inRange, bool unclaimed) {
    return inRange == 1 && unclaimed;
}

} // namespace

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
    if (PanelShown(level.planet1InRange, level.planet1Unclaimed) ||
        PanelShown(level.planet2InRange, level.planet2Unclaimed) ||
        PanelShown(level.planet3InRange, level.planet3Unclaimed)) {
        return Screen::PlanetPanel;
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
