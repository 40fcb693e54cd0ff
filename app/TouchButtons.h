#pragma once

#include "app/HeldKeys.h"
#include "game/LevelView.h"

#include <SDL.h>

#include <array>

namespace vantor::app {

// The buttons a touch screen shows, only those that act where the game stands: Start on the
// title and the end screen, a planet's three choices, Engineering in play, engineering's three
// actions and Close, and Menu always. They sit in the bars beside (or above and below) the game
// picture where the bars leave room, and over the picture's left and right edges otherwise,
// between the status bars, never over them. Each is at least MinimumMm across. A layout is a
// plain value, in the output's pixels; used on the game's thread.
class TouchButtons {
public:
    enum class Id {
        Start,
        Energy,
        Science,
        Leave,
        Engineering,
        Repair,
        Warp,
        Research,
        Close,
        Menu
    };
    static constexpr int IdCount = 10;
    static constexpr int Most = 5;
    static constexpr float MinimumMm = 9.0f;
    static constexpr float ComfortableMm = 12.0f;

    struct Button {
        Id id = Id::Menu;
        SDL_Rect place{};
    };

    static const wchar_t* Label(Id id);
    // The game key a button presses; HeldKeys::Count for Menu, which opens the menu.
    static HeldKeys::Key KeyOf(Id id);

    // The buttons for the view, on an output of that size with the game picture at `picture`;
    // pixelsPerMm says how large a millimetre is there. While paused, Menu alone.
    void Lay(const game::LevelView& view, bool paused, int outputWidth, int outputHeight,
             const SDL_Rect& picture, float pixelsPerMm);

    int Count() const { return count; }
    const Button& At(int index) const { return buttons[size_t(index)]; }
    // The button under the point, -1 for none.
    int Under(float x, float y) const;

private:
    std::array<Button, Most> buttons{};
    int count = 0;
};

} // namespace vantor::app
