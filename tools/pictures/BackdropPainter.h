#pragma once

#include "tools/pictures/Canvas.h"
#include "tools/pictures/TextPainter.h"

namespace vantor::tools::pictures {

// The full-window pictures: one backdrop per sector, the title picture and the victory
// picture, all 1024 by 768.
class BackdropPainter {
public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

    explicit BackdropPainter(TextPainter& text) : text(text) {}

    // Sector 1 to 15; 15 is the boss's sector.
    Canvas Sector(int sector) const;
    Canvas Title() const;
    Canvas Victory() const;

private:
    TextPainter& text;
};

} // namespace vantor::tools::pictures
