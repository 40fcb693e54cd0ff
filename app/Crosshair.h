#pragma once

#include <SDL.h>

namespace vantor::app {

// The point a gamepad flies to and fires at, in game pixels (0 to 1023 across, 0 to 767 down),
// moved by the sticks. The left stick moves it at up to Speed pixels a second and the right one
// at up to FastSpeed; within the dead zone a stick does nothing, and beyond it the speed grows
// with the square of the tilt, so that a slight tilt stops precisely and a full one sweeps the
// screen in a second or two. Moving is by the time passed, so the pace is the same at any frame
// rate. A plain value, used on the game's thread.
class Crosshair {
public:
    static constexpr float DeadZone = 0.2f; // of a stick's full tilt
    static constexpr float Speed = 600.0f;
    static constexpr float FastSpeed = 1500.0f;

    // A stick axis as SDL reports it (-32768 to 32767) as a tilt from -1 to 1.
    static float Tilt(Sint16 axis);
    // How fast, from 0 to 1 of the stick's speed, a stick tilted by (x, y) moves the crosshair.
    static float Pace(float x, float y);

    // Moves it for `seconds` with the sticks tilted so (each axis from -1 to 1).
    void Move(float seconds, float leftX, float leftY, float rightX, float rightY);
    // Puts it at a game pixel, kept on the picture.
    void Place(float x, float y);

    int X() const { return static_cast<int>(x); }
    int Y() const { return static_cast<int>(y); }
    float ExactX() const { return x; }
    float ExactY() const { return y; }

private:
    float x = 512.0f;
    float y = 384.0f;
};

} // namespace vantor::app
