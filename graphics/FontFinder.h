#pragma once

#include <string>

namespace vantor::graphics {

// Finds the font file that draws a family, asking the system as any desktop program does. On
// Linux fontconfig gives the installed font that matches best, or its substitute when the
// family is not installed; on Windows the family is looked for among the installed fonts.
// Where neither gives one, and always on the web, the font carried with the game (DejaVu Sans,
// in fonts/ beside the program) draws. Only the regular upright face of normal width is asked for.
class FontFinder {
public:
    // The font file's path and the face's index within it; an empty path when there is none.
    static std::string Find(const char* family, int& faceIndex);

    // The font carried with the game, when there is one beside the program.
    static std::string CarriedFont();
};

} // namespace vantor::graphics
