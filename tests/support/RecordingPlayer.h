#pragma once

#include "sound/MediaControl.h"
#include "sound/MediaPlayer.h"

#include <string>
#include <vector>

// Installs itself behind SendMediaCommand for its lifetime and keeps every command sent,
// in order.
class RecordingPlayer final : public MediaPlayer {
public:
    RecordingPlayer() { SetMediaPlayer(this); }
    ~RecordingPlayer() override { SetMediaPlayer(nullptr); }
    RecordingPlayer(const RecordingPlayer&) = delete;
    RecordingPlayer& operator=(const RecordingPlayer&) = delete;

    void Send(const char* command) override { commands.emplace_back(command); }

    // The commands sent since the last call, and forget them.
    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(commands);
        return taken;
    }

    std::vector<std::string> commands;
};
