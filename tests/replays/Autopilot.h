#pragma once

#include "Trail.h"

#include "app/GameManager.h"
#include "game/Sector01.h"

namespace vantor::test {

// A deterministic player for the recorded regression runs (vantor-record-replays). It looks at
// the level between frames as a player looks at the screen (the level's own fields, read only)
// and answers only through the calls the shell can make: left and right clicks inside the
// 1024 by 768 game picture, planet choices 1 to 3, Enter, the engineering key and its actions
// 4 to 6. Each Frame is a frame as the shell runs it: the calls made before it, then Update,
// then Render.
//
// Owns nothing: the calls (the recording level in front of the real one) and the level outlive
// it. One thread. Nothing fails here; the runs check what the game did and say so.
class Autopilot {
public:
    // What the player did that the level took, for the runs' own checks.
    struct Tally {
        int planetsAnswered = 0;    // planet panels answered
        int engineeringActions = 0; // actions that changed the ship (repair, warp, weapons)
        int torpedoes = 0;          // torpedoes fired
        int returnsToTitle = 0;     // Enter on the end screen
    };

    Autopilot(GameManager& calls, const Sector01& level);

    // Update, then Render; counts the frame and notes whether the ship and the torpedo moved
    // to a place not seen in the last few frames.
    void Frame();
    int Frames() const { return frames; }
    const Tally& Done() const { return tally; }

    // Enter: leaves the title, goes back to the title from the end screen, closes engineering.
    void Enter();
    // A move order, clamped into the game picture as the shell's clicks always are.
    void FlyTo(int x, int y);
    // A torpedo at the point, clamped likewise; nothing when the ship has no torpedo left.
    void FireAt(int x, int y);
    // A torpedo at the middle of the enemy's (or the boss's) picture.
    void FireAtEnemy();
    // Answers the planet panel, if one shows, with the choice (1 energy, 2 science, 3 leave).
    bool AnswerPlanet(int choice);
    // Opens engineering when there is something to do, repairs while damaged and the energy
    // pays for it, makes warp energy (when asked) and weapon research while the science pays,
    // and closes it with Enter. False when there was nothing to do and the menu stayed shut.
    bool Engineer(bool makeWarp);

    // A move order that the ship still follows.
    bool ShipFlying() const;
    // A torpedo on its way that still moves.
    bool TorpedoFlying() const;
    // The enemy or the boss is on the screen.
    bool EnemyInSight() const;

private:
    GameManager& calls;
    const Sector01& level;
    int frames = 0;
    // A mover that shakes between a few spots near its goal without arriving has come to a halt.
    Trail shipTrail;
    Trail torpedoTrail;
    bool shipMoved = false;
    bool torpedoMoved = false;
    Tally tally;
};

} // namespace vantor::test
