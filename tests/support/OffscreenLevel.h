#pragma once

#include "game/Sector01.h"
#include "graphics/Graphics.h"
#include "support/GeneratedAssets.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vantor::test {

// The level on the offscreen game picture, loaded from an asset folder the way the game loads
// it, with the reports of pictures that could not be read kept instead of shown. The drawing
// device is installed for the levels while the object lives.
class OffscreenLevel {
public:
    OffscreenLevel();
    ~OffscreenLevel();
    OffscreenLevel(const OffscreenLevel&) = delete;
    OffscreenLevel& operator=(const OffscreenLevel&) = delete;

    // Whether the offscreen picture could be made.
    bool Ready() const { return ready; }

    // Loads the level with the folder as the working directory, as the game loads in its asset
    // folder, and keeps every picture report in reports; true when there was none.
    bool Load(const std::string& folder = GeneratedAssets::Dir());
    // Deletes the level's pictures and text styles; the object going away does it too.
    void Unload();

    // One frame as the frame loop draws it, without the update.
    void Draw();
    uint32_t Pixel(int x, int y) { return graphics.ReadPixel(x, y); }

    Graphics graphics;
    Sector01 level;
    std::vector<std::pair<std::string, std::string>> reports; // text, file name

private:
    bool ready = false;
    bool loaded = false;
};

} // namespace vantor::test
