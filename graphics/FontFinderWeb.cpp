// The font finder on the web: a page has no fonts to ask for, so the DejaVu Sans packed with
// the game (at /fonts) draws every family.
#include "graphics/FontFinder.h"

namespace vantor::graphics {

std::string FontFinder::Find(const char* family, int& faceIndex) {
    (void)family;
    faceIndex = 0;
    return CarriedFont();
}

} // namespace vantor::graphics
