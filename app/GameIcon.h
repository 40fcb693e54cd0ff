#pragma once

#include <SDL.h>

// The window's 32 by 32 icon, drawn by the program itself: a ship heading right across a
// dark disc. The caller frees the surface; null if it cannot be made.
SDL_Surface* CreateGameIcon();
