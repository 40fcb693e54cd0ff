#pragma once

#include <SDL.h>

#include <array>

namespace vantor::app {

// Fingers on the screen turned into orders, in the output's pixels: a tap (a finger lifted
// within LongPressMs of touching, without wandering off) is one order at the place it touched;
// a finger held LongPressMs, or a second finger touching while the first is down, fires at its
// place; a finger that lands on an on-screen button presses that button at once. Each finger
// gives one order at the most. A plain value, used on the game's thread; times are SDL's ticks.
class TouchControls {
public:
    static constexpr Uint64 LongPressMs = 400;
    // How far, in output pixels, a finger may wander and still tap.
    static constexpr float Wander = 40.0f;

    struct Order {
        enum class Kind { None, Tap, Fire, Button };
        Kind kind = Kind::None;
        float x = 0; // where, in output pixels
        float y = 0;
        int button = -1; // of a Button order: the index the caller gave

        bool operator==(const Order&) const = default;
    };

    // A finger touched at (x, y), on the on-screen button `button` (-1 for none).
    Order Down(SDL_FingerID finger, float x, float y, int button, Uint64 nowMs);
    void Motion(SDL_FingerID finger, float x, float y);
    Order Up(SDL_FingerID finger, Uint64 nowMs);
    // A finger held long enough fires, once.
    Order Tick(Uint64 nowMs);
    // Forgets every finger (the menu opened, the window lost the focus); none gives an order.
    void Cancel() { fingers = {}; }
    // Whether a finger has ever touched: the on-screen buttons show from then on.
    bool Seen() const { return seen; }
    void Saw() { seen = true; }

private:
    struct Finger {
        bool down = false;
        bool spent = false; // its order is given (or it is to give none)
        SDL_FingerID id = 0;
        float x = 0;
        float y = 0;
        Uint64 since = 0;
    };
    Finger* Find(SDL_FingerID id);

    std::array<Finger, 10> fingers{};
    bool seen = false;
};

} // namespace vantor::app
