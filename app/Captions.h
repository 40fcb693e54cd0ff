#pragma once

#include "sound/SoundFiles.h"

#include <array>

namespace vantor::app {

// The words of the ship's computer while it speaks, for players who cannot hear it: a caption
// starts when one of its messages starts and lasts as long as the message does. Time is counted
// in the game's frames, so a caption holds while the game is paused, as the message itself
// does. A message that already shows its caption keeps it as it is when it is played again,
// as the player leaves a message that is still playing as it is. A plain value, used on the
// game's thread; nothing here allocates.
class Captions {
public:
    static constexpr int MaxShown = 3;
    static constexpr int FramesPerSecond = 60;

    // The voice started and lasts lengthMs milliseconds; 0 when its length is not known (no
    // sound device), and the caption then lasts as long as its words take to read.
    void Started(const sound::SoundFiles::File& voice, int lengthMs);
    // One frame of the game went by.
    void Frame();
    void Clear() { shown = {}; }

    // The captions showing, oldest first; the words of each (null past the last).
    int Count() const;
    const char* Words(int index) const;
    // Whether anything shows.
    bool Any() const { return Count() > 0; }

    // How many frames a caption of the words lasts when its message's length is not known.
    static int ReadingFrames(const char* words);

private:
    struct Shown {
        const sound::SoundFiles::File* voice = nullptr;
        int framesLeft = 0;
    };
    std::array<Shown, MaxShown> shown{};
};

} // namespace vantor::app
