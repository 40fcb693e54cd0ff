#pragma once

#include <vector>

#include "tools/sounds/Instrument.h"
#include "tools/sounds/Note.h"

// One instrument of a piece and everything it plays.
struct Part {
    Instrument instrument;
    std::vector<Note> notes;
};
