#pragma once

#include "LevelScreens.h"

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

class Graphics;

// A place on one screen where one picture shows unchanged, with nothing over it: the
// rectangle (sx, sy, w, h) of the file appears at (x, y). Whether the game draws a picture is
// told by looking there.
class ScreenWitness {
public:
    std::string file;
    LevelScreens::Screen screen;
    int sx, sy, w, h;
    int x, y;
    double minShare;     // of the solid pixels looked at that must match
    int tolerance = 3;   // per channel
    int minAlpha = 0xFF; // pixels of the file less opaque than this are not looked at
    int keyR = -1;       // pixels the colour key removes (within 0.7 per channel) are not
    int keyG = -1;       // looked at either; -1: no key
    int keyB = -1;
    int step = 3; // every step-th pixel in each direction

    // Every witness of the game's screens.
    static std::vector<ScreenWitness> All();

    // The share of the looked-at pixels of the reference picture (ARGB8888) that the game
    // picture shows; solid tells how many were looked at.
    double Share(Graphics& graphics, const SDL_Surface* reference, int& solid) const;

private:
    bool Keyed(uint32_t pixel) const;
};
