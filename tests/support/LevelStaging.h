#pragma once

class Sector01;

namespace vantor::test {

// Puts the things of a level where a test or a benchmark wants them, each with the fields that
// make up its place set together. Positions are top-left corners in screen pixels.
class LevelStaging {
public:
    LevelStaging() = delete;

    static void ShipAt(Sector01& level, float x, float y);
    static void EnemyAt(Sector01& level, float x, float y);
    // Far to the upper right, where the enemy cannot touch the ship or a resting torpedo on
    // screen.
    static void EnemyFarAway(Sector01& level);
    // Planet 1, 2 or 3, as the fields are numbered.
    static void PlanetAt(Sector01& level, int planet, float x, float y);
    static void AsteroidAt(Sector01& level, float x, float y);
    // A torpedo in flight at (x, y) toward (targetX, targetY).
    static void TorpedoFlying(Sector01& level, int x, int y, int targetX, int targetY);
    // A torpedo at rest at (x, y): not in flight and without a target. It still hits an enemy
    // that comes to it.
    static void TorpedoResting(Sector01& level, int x, int y);
};

} // namespace vantor::test
