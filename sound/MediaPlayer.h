#pragma once

namespace vantor::sound {

// Whatever plays the game's sound commands. The game only ever sends command strings
// ("play intro.mp3", "stop track01.mp3", "play track02.mp3 repeat") and never looks
// at a result, so a player needs just this one operation.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;
    virtual void Send(const char* command) = 0;
};

} // namespace vantor::sound
