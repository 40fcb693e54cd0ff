// Loading and unloading the level.
#include "game/Sector01.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>

void Sector01::Load() {
    // Seeded once, with the time in seconds: two loads in the same second play alike.
    srand(static_cast<uint32_t>(time(nullptr)));
    // The layout is still 0 here, so the first sector has no planets of its own.
    PlacePlanets();
    PlaceAsteroid();
    NewGame();
}

void Sector01::Unload() {}
