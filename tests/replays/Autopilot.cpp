#include "Autopilot.h"

#include "app/Replay.h"

#include <algorithm>

namespace vantor::test {

namespace {

using app::Replay;

constexpr int TorpedoCost = 20;

int ClampX(int x) {
    return std::clamp(x, 0, Replay::GameWidth - 1);
}

int ClampY(int y) {
    return std::clamp(y, 0, Replay::GameHeight - 1);
}

} // namespace

Autopilot::Autopilot(GameManager& calls, const Sector01& level) : calls(calls), level(level) {}

void Autopilot::Frame() {
    calls.Update();
    calls.Render();
    ++frames;
    shipMoved = shipTrail.Moved(level.shipX, level.shipY);
    torpedoMoved =
        torpedoTrail.Moved(static_cast<float>(level.torpedoX), static_cast<float>(level.torpedoY));
}

void Autopilot::Enter() {
    if (level.gameOver) {
        ++tally.returnsToTitle;
    }
    calls.OnEnter(false);
}

void Autopilot::FlyTo(int x, int y) {
    calls.OnLeftClick(ClampX(x), ClampY(y));
    // A new order: the ship is taken to move until it comes to a halt on the way to it, even
    // where its first steps go back over places the old order shook between.
    shipTrail = Trail();
    shipMoved = true;
}

void Autopilot::FireAt(int x, int y) {
    if (level.weaponEnergy < TorpedoCost) {
        return;
    }
    calls.OnRightClick(ClampX(x), ClampY(y));
    ++tally.torpedoes;
    torpedoTrail = Trail();
    torpedoMoved = true;
}

void Autopilot::FireAtEnemy() {
    FireAt(static_cast<int>(level.enemyX) + 50, static_cast<int>(level.enemyY) + 37);
}

bool Autopilot::AnswerPlanet(int choice) {
    if (!level.View().planetPanel) {
        return false;
    }
    calls.OnPlanetChoice(choice);
    ++tally.planetsAnswered;
    return true;
}

bool Autopilot::Engineer(bool makeWarp) {
    auto canRepair = [this] { return level.damageLevel > 0 && level.energy > 75; };
    auto canMakeWarp = [this, makeWarp] {
        return makeWarp && level.energy > 100 && level.science > 100 && level.warpEnergy > 0;
    };
    auto canResearch = [this] { return level.science > 60; };
    if (!level.gameStarted || level.gameOver || level.menuOpen ||
        !(canRepair() || canMakeWarp() || canResearch())) {
        return false;
    }
    calls.OnMenuKey(true);
    while (canRepair()) {
        calls.OnMenuAction(4);
        ++tally.engineeringActions;
    }
    // One lump of warp energy at most (four actions), so that science is left for weapons.
    for (int i = 0; i < 4 && canMakeWarp(); ++i) {
        calls.OnMenuAction(5);
        ++tally.engineeringActions;
    }
    while (canResearch()) {
        calls.OnMenuAction(6);
        ++tally.engineeringActions;
    }
    calls.OnEnter(false);
    return true;
}

bool Autopilot::ShipFlying() const {
    return level.moveTargetX > 0 && level.moveTargetY > 0 && shipMoved;
}

bool Autopilot::TorpedoFlying() const {
    return level.torpedoInFlight && torpedoMoved;
}

bool Autopilot::EnemyInSight() const {
    return level.enemyX < Replay::GameWidth;
}

} // namespace vantor::test
