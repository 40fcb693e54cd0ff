#pragma once

#include <vector>

#include "tools/sounds/Instrument.h"
#include "tools/sounds/Note.h"

namespace vantor::tools::sounds {

// One instrument of a piece and everything it plays.
struct Part {
    Instrument instrument;
    std::vector<Note> notes;
};

} // namespace vantor::tools::sounds
