#pragma once

namespace vantor::game {

// What the level shows the player at a moment, read from its fields between frames: what the
// shell's own screens (hints, banners, records, a pad's prompts) need to know of the game.
// Reading it never changes the level. A plain value, taken on the game's thread.
struct LevelView {
    bool titleScreen = false; // the title shows ("Press Enter To Start")
    bool playing = false;     // the play screen shows (from leaving the title to the end)
    int sector = 0;           // 1 to 15 in play, 16 after the boss is destroyed
    int shipX = 0;            // the top-left of the ship's picture (100 by 75 pixels)
    int shipY = 0;
    bool shipMoving = false;    // the ship follows a move order
    bool torpedoFlying = false; // a torpedo is on its way
    int energy = 0;
    int science = 0;
    int warpEnergy = 0;
    int kills = 0;
    int rank = 0;
    int weaponLevel = 0;
    // Rammings taken, less repairs, as the level holds it: below 0 for a frame after a repair
    // of an intact ship, until the top bar raises it again.
    int damage = 0;
    int torpedoes = 0;            // as the bottom bar counts them
    bool planetPanel = false;     // a planet's panel waits for the player's choice
    bool engineeringOpen = false; // the engineering menu shows
    int bossHits = 0;
    bool gameOver = false;
    bool playerWon = false;

    bool operator==(const LevelView&) const = default;
};

} // namespace vantor::game
