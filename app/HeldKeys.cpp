#include "app/HeldKeys.h"

namespace vantor::app {

HeldKeys::Key HeldKeys::For(KeyBindings::Action action) {
    using Action = KeyBindings::Action;
    switch (action) {
    case Action::TakeEnergy:
        return Numpad1;
    case Action::TakeScience:
        return Numpad2;
    case Action::LeavePlanet:
        return Numpad3;
    case Action::Repair:
        return Numpad4;
    case Action::MakeWarp:
        return Numpad5;
    case Action::Research:
        return Numpad6;
    case Action::Engineering:
        return Add;
    case Action::Start:
        return Enter;
    default:
        return Count;
    }
}

void HeldKeys::Press(SDL_Scancode scancode, Key key) {
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES || held[scancode] != Up) {
        return;
    }
    held[scancode] = static_cast<Uint8>(key);
    if (key >= 0 && key < Count) {
        physicalKeysDown[key] += 1;
    }
}

void HeldKeys::Release(SDL_Scancode scancode) {
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES || held[scancode] == Up) {
        return;
    }
    const int key = held[scancode];
    held[scancode] = Up;
    if (key < Count) {
        physicalKeysDown[key] -= 1;
    }
}

void HeldKeys::ReleaseAll() {
    held.fill(Up);
    physicalKeysDown.fill(0);
}

bool HeldKeys::IsHeld(Key key) const {
    return key >= 0 && key < Count && physicalKeysDown[key] > 0;
}

} // namespace vantor::app
