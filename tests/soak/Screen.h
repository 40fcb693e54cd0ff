#pragma once

class Sector01;

namespace vantor::test {

// What the level shows on a frame, told from its state the way Render decides what to draw.
// An end screen covers the menu, the menu covers a planet panel.
enum class Screen { Title, Play, PlanetPanel, Menu, Defeat, Victory };

inline constexpr int ScreenCount = 6;

Screen ScreenOf(const Sector01& level);
const char* ScreenName(Screen screen);

} // namespace vantor::test
