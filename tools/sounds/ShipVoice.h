#pragma once

#include <string>

#include "tools/sounds/StereoBuffer.h"

namespace vantor::tools::sounds {

// The ship's computer: speaks a line with the eSpeak NG library into memory (never to a
// sound device), in a low, even, slightly slow English voice, then gives it the computer's
// colour: a band-limited tone, a faint metallic ring and a small hard room. A line always
// comes out as the same samples, whatever was spoken before it.
class ShipVoice {
public:
    ShipVoice();

    bool Ready() const { return ready; }
    const std::string& Error() const { return error; }

    // processed false leaves out the metallic ring, for a cleaner read-out.
    bool Speak(const std::string& text, bool processed, StereoBuffer& out);

private:
    bool ready = false;
    int speechRate = 22050;
    std::string error;
};

} // namespace vantor::tools::sounds
