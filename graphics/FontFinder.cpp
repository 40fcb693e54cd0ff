// The font finder on Linux: fontconfig, as any desktop program asks it.
#include "graphics/FontFinder.h"

#include <fontconfig/fontconfig.h>

namespace vantor::graphics {

std::string FontFinder::Find(const char* family, int& faceIndex) {
    faceIndex = 0;
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) {
        return std::string();
    }
    if (family != nullptr && family[0] != '\0') {
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    }
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddInteger(pattern, FC_WIDTH, FC_WIDTH_NORMAL);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);

    std::string path;
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    if (match != nullptr) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr) {
            path = reinterpret_cast<const char*>(file);
            int index = 0;
            if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) {
                faceIndex = index;
            }
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return path.empty() ? CarriedFont() : path;
}

} // namespace vantor::graphics
