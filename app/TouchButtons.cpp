#include "app/TouchButtons.h"

#include "graphics/Graphics.h"

#include <algorithm>
#include <cmath>

namespace vantor::app {

namespace {

using Id = TouchButtons::Id;

struct Row {
    const wchar_t* label;
    HeldKeys::Key key;
};

// In the order of TouchButtons::Id.
constexpr Row Rows[] = {
    {L"Start", HeldKeys::Enter},     {L"Energy", HeldKeys::Numpad1},
    {L"Science", HeldKeys::Numpad2}, {L"Leave", HeldKeys::Numpad3},
    {L"Engineering", HeldKeys::Add}, {L"Repair", HeldKeys::Numpad4},
    {L"Warp", HeldKeys::Numpad5},    {L"Research", HeldKeys::Numpad6},
    {L"Close", HeldKeys::Enter},     {L"Menu", HeldKeys::Count},
};

// The status bars lie above this game row and below the next; the picture's edges between
// them are free.
constexpr int FreeTop = 120;
constexpr int FreeBottom = 700;

} // namespace

const wchar_t* TouchButtons::Label(Id id) {
    return Rows[size_t(id)].label;
}

HeldKeys::Key TouchButtons::KeyOf(Id id) {
    return Rows[size_t(id)].key;
}

void TouchButtons::Lay(const game::LevelView& view, bool paused, int outputWidth, int outputHeight,
                       const SDL_Rect& picture, float pixelsPerMm) {
    // What acts where the game stands: the choices first, Menu last.
    std::array<Id, Most> ids{};
    int choices = 0;
    const auto add = [&](Id id) { ids[size_t(choices++)] = id; };
    if (paused) {
        // Only the menu's own button; the menu itself takes taps.
    } else if (view.titleScreen || view.gameOver) {
        add(Id::Start);
    } else if (view.engineeringOpen) {
        add(Id::Repair);
        add(Id::Warp);
        add(Id::Research);
        add(Id::Close);
    } else if (view.planetPanel) {
        add(Id::Energy);
        add(Id::Science);
        add(Id::Leave);
    } else if (view.playing) {
        add(Id::Engineering);
    }

    const int least = static_cast<int>(std::ceil(MinimumMm * pixelsPerMm));
    const int comfortable = static_cast<int>(std::ceil(ComfortableMm * pixelsPerMm));
    const int side = picture.x;                             // each bar beside
    const int below = outputHeight - picture.y - picture.h; // the bar under the picture
    const int scaledTop = picture.y + FreeTop * picture.h / Graphics::Height;
    const int scaledBottom = picture.y + FreeBottom * picture.h / Graphics::Height;

    count = 0;
    const auto place = [&](Id id, int x, int y, int w, int h) {
        buttons[size_t(count++)] = Button{id, {x, y, w, h}};
    };
    // A column of `n` buttons, `size` tall, centred between top and bottom, as close as the
    // room lets them (never closer than a quarter of a button).
    const auto column = [&](int x, int w, int top, int bottom, int size) {
        const int gap = std::max(size / 4, std::min(size / 2, (bottom - top - choices * size) /
                                                                  std::max(1, choices + 1)));
        const int height = choices * size + (choices - 1) * gap;
        int y = top + (bottom - top - height) / 2;
        for (int i = 0; i < choices; ++i, y += size + gap) {
            place(ids[size_t(i)], x, y, w, size);
        }
    };

    if (side >= least + least / 2) {
        // Beside the picture (a phone on its side): the choices on the right, Menu at the top
        // on the left.
        const int margin = std::max(4, std::min(side - least, comfortable) / 4);
        const int w = std::min(side - 2 * margin, 3 * comfortable);
        const int size = std::clamp((outputHeight - 2 * margin) / (Most + 1), least, comfortable);
        column(outputWidth - margin - w, w, margin, outputHeight - margin, size);
        place(Id::Menu, margin, margin, w, size);
        return;
    }
    if (below >= least + least / 2) {
        // Under the picture (an upright screen): the choices in a row, Menu at its end.
        const int margin = std::max(4, std::min(below - least, comfortable) / 4);
        const int size = std::min(below - 2 * margin, comfortable);
        const int w = std::clamp((outputWidth - 2 * margin) / (Most + 1), least, 3 * comfortable);
        const int y = picture.y + picture.h + margin;
        int x = margin;
        for (int i = 0; i < choices; ++i, x += w + margin) {
            place(ids[size_t(i)], x, y, w, size);
        }
        place(Id::Menu, outputWidth - margin - w, y, w, size);
        return;
    }
    // No room beside or under: over the picture's edges, clear of the status bars. While the
    // menu is up there is none: it would cover the menu's panel, whose own Resume and Back
    // take a finger.
    if (paused) {
        return;
    }
    const int size = std::clamp((scaledBottom - scaledTop) / (Most + 2), least, comfortable);
    const int w = std::max(size, std::min(3 * size, picture.w / 6));
    const int margin = std::max(4, size / 6);
    column(picture.x + picture.w - margin - w, w, scaledTop, scaledBottom, size);
    place(Id::Menu, picture.x + margin, scaledTop + margin, w, size);
}

int TouchButtons::Under(float x, float y) const {
    for (int i = 0; i < count; ++i) {
        const SDL_Rect& r = buttons[size_t(i)].place;
        if (x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h) {
            return i;
        }
    }
    return -1;
}

} // namespace vantor::app
