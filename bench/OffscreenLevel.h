#pragma once

#include "game/Sector01.h"
#include "graphics/Graphics.h"

// The level loaded from the asset folder onto the offscreen software picture, made once per
// run and shared by the drawing benchmarks. The asset folder must be the working directory.
class OffscreenLevel {
public:
    // The shared level, loaded on first use; null when the drawing device cannot be made or a
    // picture failed to load.
    static OffscreenLevel* Get();

    // One frame as the frame loop draws it, without the update.
    void Draw();

    // The screens. Each starts from a new game; the play screens are in sector 2 with a
    // layout that shows planets and the asteroid, the ship and the enemy in view, and a
    // torpedo in flight.
    void ShowTitle();
    void ShowPlay();
    void ShowPlanetPanel();
    void ShowMenu();
    // The defeat: the wrecked ship burning, every damage picture, the end screen's sounds.
    void ShowEndScreen();

    Graphics graphics;
    Sector01 level;

private:
    OffscreenLevel() = default;
    bool Load();
};
