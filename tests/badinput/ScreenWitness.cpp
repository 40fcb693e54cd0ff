#include "ScreenWitness.h"

namespace vantor::test {

namespace {

using Screen = LevelScreens::Screen;

ScreenWitness Plain(const char* file, Screen screen, int sx, int sy, int w, int h, int x, int y,
                    double minShare) {
    return ScreenWitness{file, screen, ShownRegion{sx, sy, w, h, x, y}, minShare};
}

ScreenWitness Backdrop(const char* file, Screen screen, int x, int y, int w, int h) {
    return Plain(file, screen, x, y, w, h, x, y, 0.99);
}

ScreenWitness KeyedOut(const char* file, Screen screen, int w, int h, int x, int y,
                       graphics::KeyColour key) {
    ScreenWitness witness = Plain(file, screen, 0, 0, w, h, x, y, 0.95);
    witness.region.tolerance = 6;
    witness.region.key = key;
    return witness;
}

ScreenWitness Tolerant(ScreenWitness witness, int tolerance, int minAlpha = 0xFF) {
    witness.region.tolerance = tolerance;
    witness.region.minAlpha = minAlpha;
    return witness;
}

} // namespace

std::vector<ScreenWitness> ScreenWitness::All() {
    ScreenWitness beam = Plain("beam.png", Screen::Menu, 0, 0, 50, 50, 80, 605, 0.9);
    beam.region.step = 1;
    return {
        Plain("Splash.bmp", Screen::Title, 0, 0, 1024, 720, 0, 0, 0.99),
        Backdrop("SectorBackground.bmp", Screen::FirstSector, 560, 420, 120, 110),
        Backdrop("Background01.png", Screen::PlanetsAndAsteroid, 560, 420, 120, 110),
        KeyedOut("Planet4.bmp", Screen::PlanetsAndAsteroid, 100, 100, 150, 200,
                 graphics::KeyColour::Green),
        Plain("asteroid01.png", Screen::PlanetsAndAsteroid, 0, 0, 128, 128, 420, 180, 0.95),
        Plain("rock.png", Screen::Rock, 0, 0, 100, 100, 420, 180, 0.95),
        Backdrop("Background02.jpg", Screen::EmptySector, 420, 180, 128, 128),
        Plain("PlanetInfo.png", Screen::SecondPlanetPanel, 0, 240, 290, 60, 104, 315, 0.95),
        Plain("aniPlanet02.png", Screen::SecondPlanetPanel, 0, 0, 200, 200, 402, 275, 0.95),
        Plain("aniPlanet03.png", Screen::FirstPlanetPanel, 0, 0, 200, 200, 402, 275, 0.95),
        Tolerant(Plain("menu.png", Screen::Menu, 0, 0, 1024, 100, 0, 0, 0.95), 16, 240),
        beam,
        Tolerant(Plain("imagesHQBUG9TN.png", Screen::Menu, 0, 0, 200, 110, 610, 450, 0.9), 12),
        KeyedOut("GameOver.bmp", Screen::Defeat, 600, 400, 200, 190, graphics::KeyColour::Green),
        Plain("explosion.png", Screen::Defeat, 0, 0, 138, 138, 860, 600, 0.9),
        Tolerant(Plain("Damage05.png", Screen::Defeat, 0, 0, 200, 110, 0, 0, 0.95), 12),
        Backdrop("GameEnd.jpg", Screen::Victory, 100, 600, 100, 75),
        Backdrop("Background14.jpg", Screen::Boss, 560, 420, 120, 110),
        KeyedOut("EnemyShip01.bmp", Screen::Boss, 100, 75, 850, 550, graphics::KeyColour::White),
    };
}

} // namespace vantor::test
