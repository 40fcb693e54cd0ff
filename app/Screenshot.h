#pragma once

#include <ctime>
#include <string>

class Graphics;

namespace vantor::app {

// The game picture, 1024 by 768 as the game draws it (not the window, not what lies over it),
// saved as a PNG file named by the local date and time.
class Screenshot {
public:
    // Writes the picture into the folder, made when missing, without replacing an earlier
    // screenshot. Returns the file's path, or an empty string with the reason in error. On the
    // web the picture is offered as a download instead, and its name is returned.
    static std::string Save(Graphics& graphics, const std::string& folder, std::string& error);

    // "vantor-game-2026-12-09_14-05-33.png", with "-2", "-3" and so on before the ending for
    // the second and later screenshots of the same second.
    static std::string FileName(const std::tm& time, int sameSecond);

    // The picture as PNG bytes; false, with the reason, when it cannot be read or encoded.
    static bool Encode(Graphics& graphics, std::string& png, std::string& error);
};

} // namespace vantor::app
