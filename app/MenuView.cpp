#include "app/MenuView.h"

#include "graphics/Graphics.h"

#include <algorithm>

namespace vantor::app {

namespace {

constexpr const char* Font = "DejaVu Sans";

// The colours of the game's status bars: deep blue panels edged in cyan, yellow figures.
constexpr SDL_Color Dim = {0, 0, 0, 150};
constexpr SDL_Color PanelFill = {6, 16, 34, 246};
constexpr SDL_Color PanelEdge = {34, 160, 220, 255};
constexpr SDL_Color FocusFill = {34, 160, 220, 70};
constexpr SDL_Color FocusEdge = {110, 215, 255, 255};
constexpr SDL_Color Track = {28, 48, 70, 255};
constexpr SDL_Color TrackFill = {34, 160, 220, 255};
constexpr SDL_Color Knob = {225, 240, 255, 255};
constexpr SDL_Color SwitchOn = {40, 170, 90, 255};
constexpr SDL_Color SwitchOff = {70, 78, 92, 255};
constexpr SDL_Color KeyFill = {18, 40, 66, 255};

constexpr int PanelWidth = 780;
constexpr int CardWidth = 900;
constexpr int TitleHeight = 66;
constexpr int CardHeight = 520;
constexpr int RecordsHeight = 260; // ten lines and a little room
constexpr int CardLineHeight = 23;
constexpr int MessageHeight = 36;
constexpr int Padding = 18;

int RowHeight(Menu::Screen screen) {
    switch (screen) {
    case Menu::Screen::Options:
        return 40;
    case Menu::Screen::Controls:
        return 28;
    default:
        return 46;
    }
}

void Frame(const graphics::DrawTarget& target, const SDL_Rect& box, SDL_Color colour, int width) {
    target.FillRect({box.x, box.y, box.w, width}, colour);
    target.FillRect({box.x, box.y + box.h - width, box.w, width}, colour);
    target.FillRect({box.x, box.y + width, width, box.h - 2 * width}, colour);
    target.FillRect({box.x + box.w - width, box.y + width, width, box.h - 2 * width}, colour);
}

// The text's words laid into lines no wider than the width.
void Wrap(TextWriter& writer, const std::wstring& text, int width,
          std::vector<std::wstring>& lines) {
    std::wstring line;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L' ', start);
        if (end == std::wstring::npos) {
            end = text.size();
        }
        const std::wstring word = text.substr(start, end - start);
        const std::wstring longer = line.empty() ? word : line + L" " + word;
        if (!line.empty() && writer.Width(longer.c_str()) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
        start = end + 1;
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
}

} // namespace

MenuView::MenuView(Graphics* graphics)
    : title(graphics, 34, Font, 0.55f, 0.86f, 1.0f), label(graphics, 20, Font, 0.85f, 0.91f, 0.96f),
      value(graphics, 20, Font, 1.0f, 0.84f, 0.35f), quiet(graphics, 18, Font, 0.75f, 0.82f, 0.9f),
      message(graphics, 18, Font, 1.0f, 0.72f, 0.47f) {}

MenuView::Layout MenuView::Arrange(const Menu& menu) const {
    Layout layout;
    const Menu::Screen screen = menu.Showing();
    const int rowHeight = RowHeight(screen);
    const int rows = static_cast<int>(menu.Items().size());
    const bool card = screen == Menu::Screen::HowToPlay || screen == Menu::Screen::Records;
    const int width = card ? CardWidth : PanelWidth;
    const int cardHeight = !card ? 0 : screen == Menu::Screen::Records ? RecordsHeight : CardHeight;
    const int height =
        Padding + TitleHeight + cardHeight + rows * rowHeight + MessageHeight + Padding;
    layout.panel = {(Graphics::Width - width) / 2, (Graphics::Height - height) / 2, width, height};
    layout.titleY = layout.panel.y + Padding;
    layout.textTop = layout.titleY + TitleHeight;
    int y = layout.textTop + cardHeight;
    for (int row = 0; row < rows; ++row) {
        layout.rows.push_back({layout.panel.x + Padding, y, width - 2 * Padding, rowHeight});
        y += rowHeight;
    }
    layout.messageY = y + 8;
    return layout;
}

SDL_Rect MenuView::SliderBar(const SDL_Rect& row) {
    constexpr int BarWidth = 260;
    return {row.x + row.w - BarWidth - 84, row.y + row.h / 2 - 5, BarWidth, 10};
}

int MenuView::ItemAt(const Menu& menu, int x, int y) const {
    const Layout layout = Arrange(menu);
    const SDL_Point point = {x, y};
    for (int index = 0; index < static_cast<int>(layout.rows.size()); ++index) {
        if (SDL_PointInRect(&point, &layout.rows[size_t(index)])) {
            return index;
        }
    }
    return -1;
}

float MenuView::SliderPlace(const Menu& menu, int index, int x) const {
    const Layout layout = Arrange(menu);
    if (index < 0 || index >= static_cast<int>(layout.rows.size())) {
        return 0.0f;
    }
    const SDL_Rect bar = SliderBar(layout.rows[size_t(index)]);
    return std::clamp(static_cast<float>(x - bar.x) / static_cast<float>(bar.w), 0.0f, 1.0f);
}

std::vector<std::wstring> MenuView::CardLines(const Menu& menu) {
    if (menu.Showing() == Menu::Screen::Records) {
        return menu.RecordLines(); // one short line a run
    }
    std::vector<std::wstring> lines;
    for (const std::wstring& paragraph : menu.HowToPlayLines()) {
        Wrap(quiet, paragraph, CardWidth - 2 * Padding - 24, lines);
        lines.emplace_back();
    }
    return lines;
}

void MenuView::DrawRow(const graphics::DrawTarget& target, const Menu& menu, int index,
                       const SDL_Rect& row) {
    const Menu::Item& item = menu.Items()[size_t(index)];
    if (index == menu.Focus()) {
        target.FillRect(row, FocusFill);
        target.FillRect({row.x, row.y, 5, row.h}, FocusEdge);
    }
    const int textY = row.y + (row.h - 24) / 2;
    TextWriter& name = item.kind == Menu::Kind::Info ? quiet : label;
    name.DrawString(target, row.x + 20, textY + (item.kind == Menu::Kind::Info ? 2 : 0),
                    item.label);
    const std::wstring shown = menu.ValueOf(item);
    const int right = row.x + row.w - 16;
    switch (item.kind) {
    case Menu::Kind::Slider: {
        const SDL_Rect bar = SliderBar(row);
        const int filled = bar.w * menu.SliderValue(item) / 100;
        target.FillRect(bar, Track);
        target.FillRect({bar.x, bar.y, filled, bar.h}, TrackFill);
        target.FillRect({bar.x + filled - 4, bar.y - 6, 8, bar.h + 12}, Knob);
        value.DrawString(target, right - value.Width(shown.c_str()), textY, shown.c_str());
        break;
    }
    case Menu::Kind::Switch: {
        const SDL_Rect box = {right - 64, row.y + (row.h - 24) / 2, 64, 24};
        target.FillRect(box, menu.SwitchValue(item) ? SwitchOn : SwitchOff);
        label.DrawString(target, box.x + (box.w - label.Width(shown.c_str())) / 2, box.y,
                         shown.c_str());
        break;
    }
    case Menu::Kind::Binding:
    case Menu::Kind::PadBinding: {
        const int width = std::max(64, value.Width(shown.c_str()) + 20);
        const SDL_Rect box = {right - width, row.y + 2, width, row.h - 4};
        target.FillRect(box, KeyFill);
        Frame(target, box, PanelEdge, 1);
        value.DrawString(target, box.x + 10, textY, shown.c_str());
        break;
    }
    case Menu::Kind::Info:
        value.DrawString(target, right - value.Width(shown.c_str()), textY, shown.c_str());
        break;
    case Menu::Kind::Button:
        break;
    }
}

void MenuView::Draw(const graphics::DrawTarget& target, const Menu& menu) {
    if (!menu.IsOpen()) {
        return;
    }
    const Layout layout = Arrange(menu);
    target.FillRect({0, 0, Graphics::Width, Graphics::Height}, Dim);
    target.FillRect(layout.panel, PanelFill);
    Frame(target, layout.panel, PanelEdge, 2);
    const wchar_t* heading = menu.Title();
    title.DrawString(target, (Graphics::Width - title.Width(heading)) / 2, layout.titleY, heading);
    target.FillRect({layout.panel.x + Padding, layout.titleY + TitleHeight - 14,
                     layout.panel.w - 2 * Padding, 1},
                    PanelEdge);
    if (menu.Showing() == Menu::Screen::HowToPlay || menu.Showing() == Menu::Screen::Records) {
        int y = layout.textTop;
        for (const std::wstring& line : CardLines(menu)) {
            quiet.DrawString(target, layout.panel.x + Padding + 12, y, line.c_str());
            y += line.empty() ? CardLineHeight / 2 : CardLineHeight;
        }
    }
    for (int index = 0; index < static_cast<int>(layout.rows.size()); ++index) {
        DrawRow(target, menu, index, layout.rows[size_t(index)]);
    }
    if (!menu.Message().empty()) {
        const wchar_t* line = menu.Message().c_str();
        message.DrawString(target, (Graphics::Width - message.Width(line)) / 2, layout.messageY,
                           line);
    }
}

} // namespace vantor::app
