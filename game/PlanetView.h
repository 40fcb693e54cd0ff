#pragma once

#include <cstdint>
#include <type_traits>

namespace vantor::game {

// One of the sector's three planets, seen through the level's own fields for it (planet1X,
// planet1Y, planet1InRange, planet1Unclaimed and so on), so that the rules, the drawing and
// the tests can go through the three planets in turn. IsConst gives a view that only reads.
template <bool IsConst> struct BasicPlanetView {
    template <typename T> using Field = std::conditional_t<IsConst, const T&, T&>;

    Field<float> x;
    Field<float> y;
    Field<int32_t> inRange; // 1 once the ship has come within reach in this sector
    Field<bool> unclaimed;  // still offers its energy and science

    // The planet's panel shows while the ship is in reach and the planet is unclaimed.
    bool ShowsPanel() const { return inRange == 1 && unclaimed; }
};

using PlanetView = BasicPlanetView<false>;
using ConstPlanetView = BasicPlanetView<true>;

} // namespace vantor::game
