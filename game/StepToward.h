#pragma once

namespace vantor::game {

// The movement rule shared by the ship, the enemy and the torpedo: one application moves
// the mover (mx, my) toward the goal by the step s and calls arrive() on arrival.
//
// Four quadrant blocks run in a fixed order, each reading the values as the earlier blocks
// left them; the goal is read through references, so a goal that arrive() clears reads as
// (0, 0) in the later blocks. The rule does not stop after an arrival. The left-going blocks
// compare the mover's x against the goal's y and test arrival on x alone. These quirks shape
// every path in the game (a mover can change by several steps on an axis in one update, and
// the path is not a straight line), so they are kept exactly.
//
// T is the mover's arithmetic (float for the ships, int for the torpedo); G is the type of
// the goal's fields, converted to T whenever it is read.
template <typename T, typename G, typename Arrive>
void StepToward(T& mx, T& my, const G& goalX, const G& goalY, T s, Arrive arrive) {
    auto gx = [&goalX] { return static_cast<T>(goalX); };
    auto gy = [&goalY] { return static_cast<T>(goalY); };

    // Down and to the right.
    if (gx() >= mx && gy() >= my) {
        mx += s;
        if (gy() >= my) {
            my += s;
        }
        if (gx() == mx && gy() == my) {
            arrive();
        }
    }
    // Down and to the left.
    if (mx >= gx() && gy() >= my) {
        if (gy() >= my) {
            mx -= s;
            my += s;
        }
        if (mx >= gy()) {
            mx -= s;
            my += s;
        }
        if (gx() == mx) {
            arrive();
        }
    }
    // Up and to the right.
    if (gx() >= mx && my >= gy()) {
        mx += s;
        if (my >= gy()) {
            my -= s;
        }
        if (gx() == mx && gy() == my) {
            arrive();
        }
    }
    // Up and to the left.
    if (mx >= gx() && my >= gy()) {
        if (my >= gy()) {
            my -= s;
            mx -= s;
        }
        if (mx >= gy()) {
            my -= s;
            mx -= s;
        }
        if (gx() == mx) {
            arrive();
        }
    }
}

} // namespace vantor::game
