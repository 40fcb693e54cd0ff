#include "app/KeyBindings.h"

#include <SDL_keyboard.h>

#include <cctype>

// F12 on the desktop; on the web, where F12 is the browser's, the key the build names.
#ifndef VANTOR_SCREENSHOT_KEY
#define VANTOR_SCREENSHOT_KEY SDLK_F12
#endif

namespace vantor::app {

namespace {

struct Row {
    const char* name;
    const wchar_t* label;
    const char* help;
    SDL_Keycode key;
    SDL_Keycode alternative;
};

// In the order of KeyBindings::Action.
constexpr Row Rows[KeyBindings::Count] = {
    {"start", L"Start / close the menu", "start; restart after the end; close engineering",
     SDLK_RETURN, SDLK_KP_ENTER},
    {"take_energy", L"Take energy", "at a planet: take its energy", SDLK_KP_1, SDLK_1},
    {"take_science", L"Take science", "at a planet: take its science", SDLK_KP_2, SDLK_2},
    {"leave_planet", L"Leave the planet", "at a planet: leave it", SDLK_KP_3, SDLK_3},
    {"engineering", L"Open engineering", "open engineering", SDLK_KP_PLUS, SDLK_EQUALS},
    {"repair", L"Repair", "in engineering: repair", SDLK_KP_4, SDLK_4},
    {"make_warp", L"Make warp energy", "in engineering: make warp energy", SDLK_KP_5, SDLK_5},
    {"research", L"Research weapons", "in engineering: research weapons", SDLK_KP_6, SDLK_6},
    {"pause", L"Pause", "pause: the game's menu", SDLK_p, 0},
    {"mute", L"Mute", "mute and unmute", SDLK_m, 0},
    {"volume_down", L"Volume down", "lower the volume", SDLK_9, 0},
    {"volume_up", L"Volume up", "raise the volume", SDLK_0, 0},
    {"fullscreen", L"Fullscreen", "fullscreen on and off (also Alt+Enter)", SDLK_F11, 0},
    {"screenshot", L"Screenshot", "save a screenshot", VANTOR_SCREENSHOT_KEY, 0},
    {"help", L"Help", "how to play", SDLK_F1, 0},
};

const Row& RowOf(KeyBindings::Action action) {
    return Rows[size_t(action)];
}

// The file spells the one key whose name it would take for a comment.
constexpr const char* SemicolonName = "Semicolon";

} // namespace

const char* KeyBindings::Name(Action action) {
    return RowOf(action).name;
}

const wchar_t* KeyBindings::Label(Action action) {
    return RowOf(action).label;
}

bool KeyBindings::FromName(const std::string& name, Action& action) {
    for (Action candidate : All) {
        if (name == Name(candidate)) {
            action = candidate;
            return true;
        }
    }
    return false;
}

const char* KeyBindings::HelpText(Action action) {
    return RowOf(action).help;
}

SDL_Keycode KeyBindings::Default(Action action) {
    return RowOf(action).key;
}

SDL_Keycode KeyBindings::Alternative(Action action) {
    return RowOf(action).alternative;
}

std::string KeyBindings::KeyName(SDL_Keycode key) {
    if (key == SDLK_SEMICOLON) {
        return SemicolonName;
    }
    if (key == SDLK_UNKNOWN) {
        return "";
    }
    return SDL_GetKeyName(key);
}

SDL_Keycode KeyBindings::KeyFromName(const std::string& name) {
    if (name.empty()) {
        return SDLK_UNKNOWN;
    }
    if (name == SemicolonName) {
        return SDLK_SEMICOLON;
    }
    // SDL knows letters by their capitals only ("E"); a file written by hand may say "e".
    if (name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0]))) {
        return SDL_Keycode(std::tolower(static_cast<unsigned char>(name[0])));
    }
    return SDL_GetKeyFromName(name.c_str());
}

bool KeyBindings::Bindable(SDL_Keycode key) {
    switch (key) {
    case SDLK_UNKNOWN:
    case SDLK_ESCAPE:
    case SDLK_LCTRL:
    case SDLK_RCTRL:
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
    case SDLK_LALT:
    case SDLK_RALT:
    case SDLK_LGUI:
    case SDLK_RGUI:
    case SDLK_MODE:
        return false;
    default:
        return true;
    }
}

bool KeyBindings::ActionOf(SDL_Keycode key, Action& action) const {
    if (key == SDLK_UNKNOWN) {
        return false;
    }
    for (Action candidate : All) {
        if (KeyOf(candidate) == key) {
            action = candidate;
            return true;
        }
    }
    for (Action candidate : All) {
        if (Alternative(candidate) == key) {
            action = candidate;
            return true;
        }
    }
    return false;
}

bool KeyBindings::Bind(Action action, SDL_Keycode key, Action& holder) {
    for (Action other : All) {
        if (other != action && key != SDLK_UNKNOWN && KeyOf(other) == key) {
            holder = other;
            return false;
        }
    }
    keys[size_t(action)] = key;
    return true;
}

} // namespace vantor::app
