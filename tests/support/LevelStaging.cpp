#include "support/LevelStaging.h"

#include "game/Sector01.h"

#include <array>
#include <cstddef>

namespace vantor::test {

void LevelStaging::ShipAt(Sector01& level, float x, float y) {
    level.shipX = x;
    level.shipY = y;
}

void LevelStaging::EnemyAt(Sector01& level, float x, float y) {
    level.enemyX = x;
    level.enemyY = y;
}

void LevelStaging::EnemyFarAway(Sector01& level) {
    EnemyAt(level, 3000, -3000);
}

void LevelStaging::PlanetAt(Sector01& level, int planet, float x, float y) {
    const std::array<game::PlanetView, 3> planets = level.SectorPlanets();
    const game::PlanetView& view = planets.at(static_cast<std::size_t>(planet - 1));
    view.x = x;
    view.y = y;
}

void LevelStaging::AsteroidAt(Sector01& level, float x, float y) {
    level.asteroidX = x;
    level.asteroidY = y;
}

void LevelStaging::TorpedoFlying(Sector01& level, int x, int y, int targetX, int targetY) {
    level.torpedoX = x;
    level.torpedoY = y;
    level.torpedoTargetX = targetX;
    level.torpedoTargetY = targetY;
    level.torpedoInFlight = true;
}

void LevelStaging::TorpedoResting(Sector01& level, int x, int y) {
    level.torpedoX = x;
    level.torpedoY = y;
    level.torpedoTargetX = 0;
    level.torpedoTargetY = 0;
    level.torpedoInFlight = false;
}

} // namespace vantor::test
