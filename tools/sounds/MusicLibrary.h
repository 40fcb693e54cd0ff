#pragma once

#include "tools/sounds/Song.h"

namespace vantor::tools::sounds {

// Every piece of the game's music, written out as Songs.
class MusicLibrary {
public:
    // The title theme, played once.
    static Song Intro();
    // The looping music of the sectors, number 1 to 7, each in its own key, tempo and
    // instruments.
    static Song Sector(int number);
    // The tense loop of the boss sector.
    static Song Boss();
    // The two closing tunes, played once.
    static Song GameOver();
    static Song PlayerWins();
};

} // namespace vantor::tools::sounds
