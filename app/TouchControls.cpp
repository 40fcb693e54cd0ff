#include "app/TouchControls.h"

#include <cmath>

namespace vantor::app {

using Order = TouchControls::Order;

TouchControls::Finger* TouchControls::Find(SDL_FingerID id) {
    for (Finger& finger : fingers) {
        if (finger.down && finger.id == id) {
            return &finger;
        }
    }
    return nullptr;
}

Order TouchControls::Down(SDL_FingerID id, float x, float y, int button, Uint64 nowMs) {
    seen = true;
    Finger* free = nullptr;
    Finger* waiting = nullptr; // a finger down that has given no order yet
    for (Finger& finger : fingers) {
        if (!finger.down && free == nullptr) {
            free = &finger;
        }
        if (finger.down && !finger.spent) {
            waiting = &finger;
        }
    }
    if (free == nullptr) {
        return {}; // more fingers than anyone has
    }
    *free = Finger{true, true, id, x, y, nowMs};
    if (button >= 0) {
        return {Order::Kind::Button, x, y, button};
    }
    if (waiting != nullptr) {
        // The second finger fires where it touched; the first gives no tap any more.
        waiting->spent = true;
        return {Order::Kind::Fire, x, y};
    }
    free->spent = false;
    return {};
}

void TouchControls::Motion(SDL_FingerID id, float x, float y) {
    Finger* finger = Find(id);
    if (finger != nullptr && !finger->spent && std::hypot(x - finger->x, y - finger->y) > Wander) {
        finger->spent = true; // a drag, not a tap
    }
}

Order TouchControls::Up(SDL_FingerID id, Uint64 nowMs) {
    Finger* finger = Find(id);
    if (finger == nullptr) {
        return {};
    }
    const Finger lifted = *finger;
    *finger = Finger{};
    if (lifted.spent) {
        return {};
    }
    // Held long enough, though no frame came to fire it yet: it fires as it is lifted.
    const bool held = nowMs - lifted.since >= LongPressMs;
    return {held ? Order::Kind::Fire : Order::Kind::Tap, lifted.x, lifted.y};
}

Order TouchControls::Tick(Uint64 nowMs) {
    for (Finger& finger : fingers) {
        if (finger.down && !finger.spent && nowMs - finger.since >= LongPressMs) {
            finger.spent = true;
            return {Order::Kind::Fire, finger.x, finger.y};
        }
    }
    return {};
}

} // namespace vantor::app
