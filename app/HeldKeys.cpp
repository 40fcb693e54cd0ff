#include "app/HeldKeys.h"

namespace vantor::app {

int HeldKeys::KeyFor(SDL_Scancode scancode) {
    switch (scancode) {
    case SDL_SCANCODE_KP_1:
    case SDL_SCANCODE_1:
        return Numpad1;
    case SDL_SCANCODE_KP_2:
    case SDL_SCANCODE_2:
        return Numpad2;
    case SDL_SCANCODE_KP_3:
    case SDL_SCANCODE_3:
        return Numpad3;
    case SDL_SCANCODE_KP_4:
    case SDL_SCANCODE_4:
        return Numpad4;
    case SDL_SCANCODE_KP_5:
    case SDL_SCANCODE_5:
        return Numpad5;
    case SDL_SCANCODE_KP_6:
    case SDL_SCANCODE_6:
        return Numpad6;
    case SDL_SCANCODE_KP_PLUS:
    case SDL_SCANCODE_EQUALS:
        return Add;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
        return Enter;
    default:
        return -1;
    }
}

void HeldKeys::Press(SDL_Scancode scancode) {
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES || down[scancode]) {
        return;
    }
    down[scancode] = true;
    const int key = KeyFor(scancode);
    if (key >= 0) {
        physicalKeysDown[key] += 1;
    }
}

void HeldKeys::Release(SDL_Scancode scancode) {
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES || !down[scancode]) {
        return;
    }
    down[scancode] = false;
    const int key = KeyFor(scancode);
    if (key >= 0) {
        physicalKeysDown[key] -= 1;
    }
}

void HeldKeys::ReleaseAll() {
    down.fill(false);
    physicalKeysDown.fill(0);
}

bool HeldKeys::IsHeld(Key key) const {
    return key >= 0 && key < Count && physicalKeysDown[key] > 0;
}

} // namespace vantor::app
