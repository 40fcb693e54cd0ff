#pragma once

#include "sound/MediaPlayer.h"

#include <cstdio>

namespace vantor::app {

// Writes every sound command to a file, one per line, and passes it on to the real player
// (if any). Lets a person or a test hear what the game asked for without a sound card.
class CommandLog final : public sound::MediaPlayer {
public:
    CommandLog(const char* path, sound::MediaPlayer* next);
    ~CommandLog() override;
    CommandLog(const CommandLog&) = delete;
    CommandLog& operator=(const CommandLog&) = delete;

    void Send(const char* command) override;

    std::FILE* file = nullptr;
    sound::MediaPlayer* next = nullptr;
};

} // namespace vantor::app
