#pragma once

#include "app/Menu.h"
#include "graphics/DrawTarget.h"
#include "graphics/TextWriter.h"

#include <SDL.h>

#include <string>
#include <vector>

class Graphics;

namespace vantor::app {

// How the menu looks: a panel in the colours of the game's status bars over the dimmed picture,
// the screen's title, its items one a row with their values (a slider's bar, a switch, a key),
// the focus as a lit bar, and a line for the menu's message. The same layout answers which item
// lies under the pointer, so that what is drawn is what the mouse reaches. Text is at least 18
// pixels high on the 1024 by 768 picture. Draws onto the target it is handed; the text styles
// are made for the device, which must outlive the view. Used on the game's thread.
class MenuView {
public:
    explicit MenuView(Graphics* graphics);

    void Draw(const graphics::DrawTarget& target, const Menu& menu);
    // The item whose row holds the point of the game picture; -1 for none.
    int ItemAt(const Menu& menu, int x, int y) const;
    // How far along the slider's bar the point's x lies, from 0 to 1.
    float SliderPlace(const Menu& menu, int index, int x) const;

private:
    struct Layout {
        SDL_Rect panel{};
        int titleY = 0;
        std::vector<SDL_Rect> rows;
        int textTop = 0;  // the How to play card's first line
        int messageY = 0; // the message line
    };

    Layout Arrange(const Menu& menu) const;
    // The bar of a slider in its row.
    static SDL_Rect SliderBar(const SDL_Rect& row);
    // The card's lines wrapped to the panel's width.
    std::vector<std::wstring> CardLines(const Menu& menu);
    void DrawRow(const graphics::DrawTarget& target, const Menu& menu, int index,
                 const SDL_Rect& row);

    TextWriter title;
    TextWriter label;
    TextWriter value;
    TextWriter quiet; // what cannot be chosen, and the card
    TextWriter message;
};

} // namespace vantor::app
