#pragma once

#include <string>

// Finds the font file that draws a family, asking fontconfig as any desktop program does:
// the installed font that matches best, or fontconfig's substitute when the family is not
// installed. Only the regular upright face of normal width is asked for.
class FontFinder {
public:
    // The font file's path and the face's index within it; an empty path when fontconfig
    // offers nothing at all.
    static std::string Find(const char* family, int& faceIndex);
};
