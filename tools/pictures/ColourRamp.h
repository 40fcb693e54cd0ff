#pragma once

#include "tools/pictures/Colour.h"

#include <initializer_list>
#include <vector>

namespace vantor::tools::pictures {

// A colour gradient along 0..1 through a list of stops, used for terrain, gas and fire.
class ColourRamp {
public:
    struct Stop {
        float at;
        Colour colour;
    };

    ColourRamp(std::initializer_list<Stop> list) : stops(list) {}

    Colour At(float t) const {
        if (t <= stops.front().at) {
            return stops.front().colour;
        }
        for (std::size_t i = 1; i < stops.size(); ++i) {
            if (t <= stops[i].at) {
                const Stop& low = stops[i - 1];
                const Stop& high = stops[i];
                const float span = high.at - low.at;
                return Colour::Mix(low.colour, high.colour, span > 0 ? (t - low.at) / span : 0.0f);
            }
        }
        return stops.back().colour;
    }

private:
    std::vector<Stop> stops;
};

} // namespace vantor::tools::pictures
