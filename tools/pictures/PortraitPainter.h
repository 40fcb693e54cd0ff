#pragma once

#include "tools/pictures/Canvas.h"

namespace vantor::tools::pictures {

// The captain's portrait in a round badge, 40 by 40 units; the higher rank wears a cap,
// more pips and a medal, in a gold badge instead of a silver one.
class PortraitPainter {
public:
    static constexpr int kSize = 40;

    static void Captain(Canvas& canvas, int rank);
};

} // namespace vantor::tools::pictures
