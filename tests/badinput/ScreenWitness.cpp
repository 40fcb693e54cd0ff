#include "ScreenWitness.h"

#include "graphics/Graphics.h"

#include <cstdlib>

namespace {

using Screen = LevelScreens::Screen;

uint32_t At(const SDL_Surface* picture, int x, int y) {
    const auto* row = static_cast<const uint8_t*>(picture->pixels) + y * picture->pitch;
    return reinterpret_cast<const uint32_t*>(row)[x];
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int ca = int((a >> shift) & 0xFF);
        const int cb = int((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > tolerance) {
            return false;
        }
    }
    return true;
}

ScreenWitness Plain(const char* file, Screen screen, int sx, int sy, int w, int h, int x, int y,
                    double minShare) {
    return ScreenWitness{file, screen, sx, sy, w, h, x, y, minShare};
}

ScreenWitness Backdrop(const char* file, Screen screen, int x, int y, int w, int h) {
    return Plain(file, screen, x, y, w, h, x, y, 0.99);
}

ScreenWitness KeyedOut(const char* file, Screen screen, int w, int h, int x, int y, int r, int g,
                       int b) {
    ScreenWitness witness = Plain(file, screen, 0, 0, w, h, x, y, 0.95);
    witness.tolerance = 6;
    witness.keyR = r;
    witness.keyG = g;
    witness.keyB = b;
    return witness;
}

ScreenWitness Tolerant(ScreenWitness witness, int tolerance, int minAlpha = 0xFF) {
    witness.tolerance = tolerance;
    witness.minAlpha = minAlpha;
    return witness;
}

} // namespace

std::vector<ScreenWitness> ScreenWitness::All() {
    ScreenWitness beam = Plain("beam.png", Screen::Menu, 0, 0, 50, 50, 80, 605, 0.9);
    beam.step = 1;
    return {
        Plain("Splash.bmp", Screen::Title, 0, 0, 1024, 720, 0, 0, 0.99),
        Backdrop("SectorBackground.bmp", Screen::FirstSector, 560, 420, 120, 110),
        Backdrop("Background01.png", Screen::PlanetsAndAsteroid, 560, 420, 120, 110),
        KeyedOut("Planet4.bmp", Screen::PlanetsAndAsteroid, 100, 100, 150, 200, 0, 255, 0),
        Plain("asteroid01.png", Screen::PlanetsAndAsteroid, 0, 0, 128, 128, 420, 180, 0.95),
        Plain("rock.png", Screen::Rock, 0, 0, 100, 100, 420, 180, 0.95),
        Backdrop("Background02.jpg", Screen::EmptySector, 420, 180, 128, 128),
        Plain("PlanetInfo.png", Screen::SecondPlanetPanel, 0, 240, 290, 60, 104, 315, 0.95),
        Plain("aniPlanet02.png", Screen::SecondPlanetPanel, 0, 0, 200, 200, 402, 275, 0.95),
        Plain("aniPlanet03.png", Screen::FirstPlanetPanel, 0, 0, 200, 200, 402, 275, 0.95),
        Tolerant(Plain("menu.png", Screen::Menu, 0, 0, 1024, 100, 0, 0, 0.95), 16, 240),
        beam,
        Tolerant(Plain("imagesHQBUG9TN.png", Screen::Menu, 0, 0, 200, 110, 610, 450, 0.9), 12),
        KeyedOut("GameOver.bmp", Screen::Defeat, 600, 400, 200, 190, 0, 255, 0),
        Plain("explosion.png", Screen::Defeat, 0, 0, 138, 138, 860, 600, 0.9),
        Tolerant(Plain("Damage05.png", Screen::Defeat, 0, 0, 200, 110, 0, 0, 0.95), 12),
        Backdrop("GameEnd.jpg", Screen::Victory, 100, 600, 100, 75),
        Backdrop("Background14.jpg", Screen::Boss, 560, 420, 120, 110),
        KeyedOut("EnemyShip01.bmp", Screen::Boss, 100, 75, 850, 550, 255, 255, 255),
    };
}

bool ScreenWitness::Keyed(uint32_t pixel) const {
    if (keyR < 0) {
        return false;
    }
    const int limit = 178; // 0.7 of 255
    return std::abs(int((pixel >> 16) & 0xFF) - keyR) <= limit &&
           std::abs(int((pixel >> 8) & 0xFF) - keyG) <= limit &&
           std::abs(int(pixel & 0xFF) - keyB) <= limit;
}

double ScreenWitness::Share(Graphics& graphics, const SDL_Surface* reference, int& solid) const {
    solid = 0;
    int same = 0;
    for (int py = sy; py < sy + h && py < reference->h; py += step) {
        for (int px = sx; px < sx + w && px < reference->w; px += step) {
            const uint32_t expected = At(reference, px, py);
            if (int(expected >> 24) < minAlpha || Keyed(expected)) {
                continue;
            }
            const int screenX = x + px - sx;
            const int screenY = y + py - sy;
            if (screenX < 0 || screenY < 0 || screenX >= Graphics::Width ||
                screenY >= Graphics::Height) {
                continue;
            }
            ++solid;
            same += Near(graphics.ReadPixel(screenX, screenY), expected, tolerance);
        }
    }
    return solid > 0 ? double(same) / solid : 0.0;
}
