#pragma once

#include "tools/pictures/Canvas.h"
#include "tools/pictures/TextPainter.h"

namespace vantor::tools::pictures {

// The ship-status pictures: a schematic of the ship on an opaque plate, intact or with the
// damage of levels 1 to 5. Each damage picture shows all damage up to its level, so it reads
// alone and also covers the ones drawn before it.
class StatusPainter {
public:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 110;

    explicit StatusPainter(TextPainter& text) : text(text) {}

    // Level 0 is the intact ship.
    Canvas Status(int level) const;

private:
    TextPainter& text;
};

} // namespace vantor::tools::pictures
