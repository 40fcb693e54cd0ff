#pragma once

#include <vector>

class Sector01;

namespace vantor::test {

// Every screen of the game, set up on a level with everything in a known place, so that what
// each picture covers can be told in advance.
class LevelScreens {
public:
    enum class Screen {
        Title,
        FirstSector,        // the first sector's backdrop
        PlanetsAndAsteroid, // sector 2, three planets and the asteroid
        Rock,               // sector 2 with the rock
        EmptySector,        // sector 3, neither planets nor asteroid
        SecondPlanetPanel,  // the planet panel turning the second animated planet
        FirstPlanetPanel,   // the same for the first planet, with the third animated planet
        Menu,               // the engineering menu
        Defeat,             // the end screen over a burning wreck
        Victory,            // the end screen after the boss
        Boss,               // the boss sector
    };

    static std::vector<Screen> All();
    static const char* NameOf(Screen screen);

    // A new game, then the fields of the screen. frameCount picks the animation cell of the
    // strips: 0 to 59 the first cell, 60 to 119 the second, and so on.
    static void Show(Sector01& level, Screen screen, int frameCount = 0);

    // Play has begun in the sector with the layout, and nothing is near anything else: the
    // ship at (700, 300), the enemy at (850, 550), the planets at (150, 200), (150, 450) and
    // (420, 450), the asteroid (or the rock) at (420, 180), no torpedo in flight.
    static void Playing(Sector01& level, float sector, int layout);
};

} // namespace vantor::test
