#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace vantor::test {

// A gamepad without hardware: SDL's virtual joystick, described as a game controller with every
// button and axis, so that SDL maps it as a standard pad. Attached for the object's lifetime
// (Unplug detaches it sooner). Needs SDL's game controller part, which it starts and stops.
// The events its arrival and its changes make are taken from SDL's queue with Events().
class VirtualPad {
public:
    VirtualPad() {
        EXPECT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Vantor test pad";
        device = SDL_JoystickAttachVirtualEx(&desc);
        EXPECT_GE(device, 0) << SDL_GetError();
        joystick = SDL_JoystickOpen(device);
        EXPECT_NE(joystick, nullptr) << SDL_GetError();
    }
    ~VirtualPad() {
        Unplug();
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    int DeviceIndex() const { return device; }
    SDL_JoystickID Id() const {
        return joystick != nullptr ? SDL_JoystickInstanceID(joystick) : -1;
    }

    void Button(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(joystick, button, down ? 1 : 0);
    }
    void Axis(SDL_GameControllerAxis axis, Sint16 value) {
        SDL_JoystickSetVirtualAxis(joystick, axis, value);
    }
    void Unplug() {
        if (joystick != nullptr) {
            SDL_JoystickClose(joystick);
            joystick = nullptr;
            SDL_JoystickDetachVirtual(device);
        }
    }

    // The game controller events SDL made since the last call, in order.
    static std::vector<SDL_Event> Events() {
        SDL_GameControllerUpdate();
        SDL_PumpEvents();
        std::vector<SDL_Event> events;
        SDL_Event event;
        while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_CONTROLLERAXISMOTION,
                              SDL_CONTROLLERSENSORUPDATE) > 0) {
            events.push_back(event);
        }
        SDL_FlushEvents(SDL_JOYAXISMOTION, SDL_JOYBATTERYUPDATED);
        return events;
    }

private:
    int device = -1;
    SDL_Joystick* joystick = nullptr;
};

} // namespace vantor::test
