#pragma once

#include <SDL.h>

namespace vantor::app {

// The game's icon, drawn by the program itself at the size asked for: a ship heading right
// across a dark disc, smoothed at its edges, with more detail where there is room for it (a
// rim and stars from 48 pixels, the hull's panel lines from 128). The window uses the 32 by 32
// one; the desktop gets every size it asks for. The caller frees the surface (ARGB8888); null
// if it cannot be made.
SDL_Surface* CreateGameIcon(int size = 32);

} // namespace vantor::app
