// Drawing the level.
#include "game/Sector01.h"

void Sector01::Render() {}
