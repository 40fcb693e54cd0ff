#pragma once

class Sector01;

namespace vantor::bench {

// The screens the drawing benchmarks draw. Each starts from a new game; the play screens are
// in sector 2 with a layout that shows planets and the asteroid, the ship and the enemy in view
// and turned, and a torpedo in flight.
class BenchScreens {
public:
    static void Title(Sector01& level);
    static void Play(Sector01& level);
    // The same with the second weapon: its torpedo in flight turned by its heading, and the
    // same picture upright in the bottom bar.
    static void PlaySecondWeapon(Sector01& level);
    static void PlanetPanel(Sector01& level);
    static void Menu(Sector01& level);
    // The defeat: the wrecked ship burning, every damage picture, the end screen's sounds.
    static void EndScreen(Sector01& level);
};

} // namespace vantor::bench
