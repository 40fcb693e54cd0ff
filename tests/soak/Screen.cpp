#include "Screen.h"

#include "game/Sector01.h"

#include <iterator>

namespace vantor::test {

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
    for (const game::ConstPlanetView& planet : level.SectorPlanets()) {
        if (planet.ShowsPanel()) {
            return Screen::PlanetPanel;
        }
    }
    return Screen::Play;
}

const char* ScreenName(Screen screen) {
    // In the order of the enumeration.
    static constexpr const char* Names[] = {
        "title", "play", "planet panel", "menu", "end after defeat", "end after victory"};
    static_assert(std::size(Names) == ScreenCount);
    static_assert(static_cast<int>(Screen::Victory) + 1 == ScreenCount);
    return Names[static_cast<int>(screen)];
}

} // namespace vantor::test
