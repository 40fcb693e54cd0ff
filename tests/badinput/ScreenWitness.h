#pragma once

#include "support/LevelScreens.h"
#include "support/ShownRegion.h"

#include <string>
#include <vector>

namespace vantor::test {

// A place on one screen where one picture shows unchanged, with nothing over it. Whether the
// game draws a picture is told by looking there.
struct ScreenWitness {
    std::string file;
    LevelScreens::Screen screen;
    ShownRegion region;
    double minShare; // of the solid pixels looked at that must match

    // Every witness of the game's screens.
    static std::vector<ScreenWitness> All();
};

} // namespace vantor::test
