#pragma once

#include "tools/pictures/Canvas.h"

namespace vantor::tools::pictures {

// Ships and torpedoes, drawn in a 100 by 75 unit frame with the nose pointing right and the
// centre at (50, 37), the point the game turns them about. The weapon pictures use a
// 100 by 34 frame so they fit the bottom bar.
class ShipPainter {
public:
    // The player's ship: the hull, and the details drawn over it.
    static void PlayerHull(Canvas& canvas);
    static void PlayerDetail(Canvas& canvas);
    // The red raider of the ordinary sectors.
    static void Enemy(Canvas& canvas);
    // The boss's dreadnought, filling its whole frame.
    static void Boss(Canvas& canvas);
    // Weapon level 0: a plain torpedo (100 by 34).
    static void Torpedo(Canvas& canvas);
    // Weapon level 1: a plasma warhead (100 by 34), also its look in flight.
    static void PlasmaWarhead(Canvas& canvas);
    // A level-0 torpedo in flight: a burning bolt centred on (50, 37).
    static void FireBolt(Canvas& canvas);
};

} // namespace vantor::tools::pictures
