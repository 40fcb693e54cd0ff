#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

namespace vantor::test {

// The last few places a mover was seen at after a frame. The movement rule can leave a mover
// shaking between a few spots close to its goal without ever arriving; a player sees it come to
// a halt.
class Trail {
public:
    // Records the place after a frame; whether it is one not seen in the last few frames.
    bool Moved(float x, float y) {
        const Place place = {x, y};
        const bool moved = std::find(places.begin(), places.end(), place) == places.end();
        places[next] = place;
        next = (next + 1) % places.size();
        return moved;
    }

private:
    struct Place {
        float x;
        float y;
        bool operator==(const Place&) const = default;
    };
    std::array<Place, 8> places = {};
    std::size_t next = 0;
};

} // namespace vantor::test
