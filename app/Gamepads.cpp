#include "app/Gamepads.h"

#include "app/Crosshair.h"

#include <algorithm>
#include <cmath>

namespace vantor::app {

namespace {

SDL_JoystickID IdOf(SDL_GameController* pad) {
    return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
}

} // namespace

Gamepads::~Gamepads() {
    for (SDL_GameController* pad : pads) {
        SDL_GameControllerClose(pad);
    }
}

int Gamepads::AddMappings(const std::string& path, std::string& error) {
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (file == nullptr) {
        return 0;
    }
    const int added = SDL_GameControllerAddMappingsFromRW(file, 1);
    if (added < 0) {
        error = SDL_GetError();
    }
    return added;
}

void Gamepads::Added(int deviceIndex) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    const bool open = std::any_of(pads.begin(), pads.end(),
                                  [id](SDL_GameController* pad) { return IdOf(pad) == id; });
    if (open || !SDL_IsGameController(deviceIndex)) {
        return;
    }
    if (SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex)) {
        pads.push_back(pad);
        if (lastUsed < 0) {
            lastUsed = IdOf(pad);
        }
    }
}

bool Gamepads::Removed(SDL_JoystickID id) {
    const auto found = std::find_if(pads.begin(), pads.end(),
                                    [id](SDL_GameController* pad) { return IdOf(pad) == id; });
    if (found == pads.end()) {
        return false;
    }
    SDL_GameControllerClose(*found);
    pads.erase(found);
    if (lastUsed == id) {
        lastUsed = pads.empty() ? -1 : IdOf(pads.front());
    }
    return true;
}

void Gamepads::OpenAll() {
    for (int device = 0; device < SDL_NumJoysticks(); ++device) {
        Added(device);
    }
}

void Gamepads::Used(SDL_JoystickID id) {
    lastUsed = id;
}

SDL_GameController* Gamepads::LastUsed() const {
    for (SDL_GameController* pad : pads) {
        if (IdOf(pad) == lastUsed) {
            return pad;
        }
    }
    return nullptr;
}

PadBindings::Style Gamepads::Style() const {
    SDL_GameController* pad = LastUsed();
    return PadBindings::StyleOf(pad != nullptr ? SDL_GameControllerGetType(pad)
                                               : SDL_CONTROLLER_TYPE_UNKNOWN);
}

void Gamepads::Sticks(float& leftX, float& leftY, float& rightX, float& rightY) const {
    leftX = leftY = rightX = rightY = 0.0f;
    const auto most = [](SDL_GameController* pad, SDL_GameControllerAxis xAxis,
                         SDL_GameControllerAxis yAxis, float& x, float& y) {
        const float padX = Crosshair::Tilt(SDL_GameControllerGetAxis(pad, xAxis));
        const float padY = Crosshair::Tilt(SDL_GameControllerGetAxis(pad, yAxis));
        if (std::hypot(padX, padY) > std::hypot(x, y)) {
            x = padX;
            y = padY;
        }
    };
    for (SDL_GameController* pad : pads) {
        most(pad, SDL_CONTROLLER_AXIS_LEFTX, SDL_CONTROLLER_AXIS_LEFTY, leftX, leftY);
        most(pad, SDL_CONTROLLER_AXIS_RIGHTX, SDL_CONTROLLER_AXIS_RIGHTY, rightX, rightY);
    }
}

void Gamepads::Rumble(Uint16 low, Uint16 high, Uint32 ms) const {
    if (SDL_GameController* pad = LastUsed()) {
        SDL_GameControllerRumble(pad, low, high, ms); // -1 where it has no motors: nothing
    }
}

} // namespace vantor::app
