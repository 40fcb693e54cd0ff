#include "app/PadBindings.h"

namespace vantor::app {

namespace {

struct Row {
    const char* name;
    const wchar_t* label;
    SDL_GameControllerButton button;
};

// In the order of PadBindings::Action.
constexpr Row Rows[PadBindings::Count] = {
    {"fly", L"Fly to the crosshair / start", SDL_CONTROLLER_BUTTON_A},
    {"fire", L"Fire at the crosshair", SDL_CONTROLLER_BUTTON_X},
    {"engineering", L"Open engineering", SDL_CONTROLLER_BUTTON_Y},
    {"close", L"Close engineering / leave", SDL_CONTROLLER_BUTTON_B},
    {"first", L"Take energy / repair", SDL_CONTROLLER_BUTTON_DPAD_LEFT},
    {"second", L"Take science / make warp", SDL_CONTROLLER_BUTTON_DPAD_UP},
    {"third", L"Leave / research", SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
};

} // namespace

PadBindings::Style PadBindings::StyleOf(SDL_GameControllerType type) {
    switch (type) {
    case SDL_CONTROLLER_TYPE_PS3:
    case SDL_CONTROLLER_TYPE_PS4:
    case SDL_CONTROLLER_TYPE_PS5:
        return Style::PlayStation;
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_PRO:
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_LEFT:
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_RIGHT:
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_PAIR:
        return Style::Nintendo;
    default:
        return Style::Xbox;
    }
}

const char* PadBindings::Name(Action action) {
    return Rows[size_t(action)].name;
}

const wchar_t* PadBindings::Label(Action action) {
    return Rows[size_t(action)].label;
}

SDL_GameControllerButton PadBindings::Default(Action action) {
    return Rows[size_t(action)].button;
}

std::wstring PadBindings::ButtonLabel(SDL_GameControllerButton button, Style style) {
    // The four face buttons by their place: south, east, west, north.
    static constexpr const wchar_t* Faces[3][4] = {
        {L"A", L"B", L"X", L"Y"},
        {L"Cross", L"Circle", L"Square", L"Triangle"},
        {L"B", L"A", L"Y", L"X"}, // Nintendo prints them the other way round
    };
    const bool playStation = style == Style::PlayStation;
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
    case SDL_CONTROLLER_BUTTON_B:
    case SDL_CONTROLLER_BUTTON_X:
    case SDL_CONTROLLER_BUTTON_Y:
        return Faces[size_t(style)][size_t(button - SDL_CONTROLLER_BUTTON_A)];
    case SDL_CONTROLLER_BUTTON_BACK:
        return playStation ? L"Share" : style == Style::Nintendo ? L"Minus" : L"Back";
    case SDL_CONTROLLER_BUTTON_START:
        return playStation ? L"Options" : style == Style::Nintendo ? L"Plus" : L"Start";
    case SDL_CONTROLLER_BUTTON_LEFTSTICK:
        return playStation ? L"L3" : L"Left stick";
    case SDL_CONTROLLER_BUTTON_RIGHTSTICK:
        return playStation ? L"R3" : L"Right stick";
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
        return playStation ? L"L1" : style == Style::Nintendo ? L"L" : L"LB";
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
        return playStation ? L"R1" : style == Style::Nintendo ? L"R" : L"RB";
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return L"D-pad up";
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return L"D-pad down";
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return L"D-pad left";
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return L"D-pad right";
    case SDL_CONTROLLER_BUTTON_INVALID:
        return L"no button";
    default: {
        const std::string name = ButtonName(button);
        return std::wstring(name.begin(), name.end());
    }
    }
}

std::string PadBindings::ButtonName(SDL_GameControllerButton button) {
    const char* name = SDL_GameControllerGetStringForButton(button);
    return name != nullptr ? name : "";
}

SDL_GameControllerButton PadBindings::ButtonFromName(const std::string& name) {
    return name.empty() ? SDL_CONTROLLER_BUTTON_INVALID
                        : SDL_GameControllerGetButtonFromString(name.c_str());
}

bool PadBindings::Bindable(SDL_GameControllerButton button) {
    return button > SDL_CONTROLLER_BUTTON_INVALID && button < SDL_CONTROLLER_BUTTON_MAX &&
           button != SDL_CONTROLLER_BUTTON_START && button != SDL_CONTROLLER_BUTTON_GUIDE;
}

bool PadBindings::ActionOf(SDL_GameControllerButton button, Action& action) const {
    if (button == SDL_CONTROLLER_BUTTON_INVALID) {
        return false;
    }
    for (Action candidate : All) {
        if (ButtonOf(candidate) == button) {
            action = candidate;
            return true;
        }
    }
    return false;
}

bool PadBindings::Bind(Action action, SDL_GameControllerButton button, Action& holder) {
    Action other{};
    if (ActionOf(button, other) && other != action) {
        holder = other;
        return false;
    }
    buttons[size_t(action)] = button;
    return true;
}

} // namespace vantor::app
