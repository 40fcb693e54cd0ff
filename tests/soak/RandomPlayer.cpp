#include "RandomPlayer.h"

#include "Screen.h"

#include "app/LevelController.h"
#include "game/Sector01.h"

#include <iterator>

namespace vantor::test {

namespace {

constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;
// Past this the ship leaves the sector to the right.
constexpr int OnwardX = 925;

// What each key calls, in the order of the inputs from Key1 on.
constexpr void (*KeyPresses[])() = {
    LevelController::Numpad1Pressed, LevelController::Numpad2Pressed,
    LevelController::Numpad3Pressed, LevelController::Numpad4Pressed,
    LevelController::Numpad5Pressed, LevelController::Numpad6Pressed,
    LevelController::AddPressed,     LevelController::EnterPressed};
static_assert(std::size(KeyPresses) == RandomPlayer::InputCount - RandomPlayer::Key1,
              "a call for every key");

} // namespace

bool RandomPlayer::OneIn(uint32_t n) {
    return random() % n == 0;
}

int RandomPlayer::Below(int n) {
    return static_cast<int>(random() % static_cast<uint32_t>(n));
}

int RandomPlayer::Anywhere(int size) {
    switch (Below(10)) {
    case 0:
        return 0;
    case 1:
        return size - 1;
    default:
        return Below(size);
    }
}

void RandomPlayer::Give(Input input, int x, int y) {
    given[input] += 1;
    if (input == LeftClick) {
        LevelController::LeftButtonDown(x, y);
    } else if (input == RightClick) {
        LevelController::RightButtonDown(x, y);
    } else {
        KeyPresses[input - Key1]();
    }
}

void RandomPlayer::GiveAnything() {
    // One draw after the other: the order of a call's arguments is up to the compiler.
    const auto input = static_cast<Input>(Below(InputCount));
    const int x = Anywhere(ScreenWidth);
    const int y = Anywhere(ScreenHeight);
    Give(input, x, y);
}

void RandomPlayer::FireAt(const Sector01& level) {
    // Somewhere on the enemy's picture, when it is on the screen at all.
    const int x = static_cast<int>(level.enemyX) + Below(60);
    const int y = static_cast<int>(level.enemyY) + Below(40);
    if (x > 0 && x < ScreenWidth && y > 0 && y < ScreenHeight) {
        shotAge = 0;
        Give(RightClick, x, y);
    }
}

bool RandomPlayer::VisitPlanet(const Sector01& level) {
    const std::array<game::ConstPlanetView, 3> planets = level.SectorPlanets();
    const game::ConstPlanetView& planet = planets[Below(3)];
    const int x = static_cast<int>(planet.x) + 20;
    const int y = static_cast<int>(planet.y) + 20;
    if (!planet.unclaimed || planet.x <= 0 || x >= ScreenWidth || y >= ScreenHeight) {
        return false;
    }
    Order(x, y);
    return true;
}

void RandomPlayer::Order(int x, int y) {
    orderX = x;
    orderY = y;
    orderAge = 0;
    Give(LeftClick, x, y);
}

void RandomPlayer::Act(const Sector01& level) {
    orderAge += 1;
    shotAge += 1;
    if (OneIn(250)) {
        GiveAnything();
        return;
    }
    switch (ScreenOf(level)) {
    case Screen::Title:
        if (OneIn(45)) {
            // Some games are played carelessly: no dodging, no repairs.
            careless = OneIn(3);
            Give(Enter);
        }
        break;
    case Screen::Play:
        Play(level);
        break;
    case Screen::PlanetPanel:
        // Science more often than energy: it buys torpedoes.
        if (OneIn(30)) {
            const int pick = Below(10);
            Give(pick < 3 ? Key1 : pick < 8 ? Key2 : Key3);
        }
        break;
    case Screen::Menu:
        Engineer(level);
        break;
    case Screen::Defeat:
    case Screen::Victory:
        if (OneIn(90)) {
            Give(Enter);
        }
        break;
    }
}

void RandomPlayer::Play(const Sector01& level) {
    const bool ordered = level.moveTargetX > 0 && level.moveTargetY > 0;
    if (level.sector >= 15) {
        // The boss: stop (a click on the left edge gives no order), so that it stands still
        // too, and shoot it; fire again when a torpedo seems to be going nowhere. Without
        // torpedoes, fly about and take the end.
        if (level.weaponEnergy < 20) {
            if (OneIn(60)) {
                const int x = Anywhere(ScreenWidth);
                Order(x, Anywhere(ScreenHeight));
            }
        } else if (ordered) {
            if (OneIn(20)) {
                Order(0, Anywhere(ScreenHeight));
            }
        } else if ((!level.torpedoInFlight || shotAge > 1500) && OneIn(10)) {
            FireAt(level);
        }
        return;
    }
    // Still on the way to the last place clicked, unless that takes too long.
    const bool onTheWay =
        level.moveTargetX == orderX && level.moveTargetY == orderY && ordered && orderAge < 1500;
    if (!onTheWay && OneIn(30)) {
        if (OneIn(3) && VisitPlanet(level)) {
            return;
        }
        // Onward, on the side of the screen away from the enemy.
        int y = level.enemyY < ScreenHeight / 2 ? ScreenHeight - 1 - Below(250) : Below(250);
        if (careless) {
            y = Anywhere(ScreenHeight);
        }
        Order(OnwardX + Below(ScreenWidth - OnwardX), y);
    } else if (careless) {
        return;
    } else if ((level.damageLevel >= 2 && level.energy > 75) || level.science > 60) {
        // Repairs and research.
        if (OneIn(100)) {
            Give(MenuKey);
        }
    }
}

void RandomPlayer::Engineer(const Sector01& level) {
    if (!OneIn(15)) {
        return;
    }
    // Mostly what is worth doing now; otherwise any action, or leave.
    if (level.science > 60 && OneIn(2)) {
        Give(Key6);
    } else if (level.damageLevel > 0 && level.energy > 75 && OneIn(2)) {
        Give(Key4);
    } else if (OneIn(3)) {
        Give(Enter);
    } else {
        Give(static_cast<Input>(Key4 + Below(3)));
    }
}

} // namespace vantor::test
