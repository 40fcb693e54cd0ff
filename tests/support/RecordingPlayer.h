#pragma once

#include "support/InstalledPlayer.h"

#include <string>
#include <vector>

namespace vantor::test {

// Stands behind SendMediaCommand for its lifetime and keeps every command sent, in order.
class RecordingPlayer final : public InstalledPlayer {
public:
    void Send(const char* command) override { commands.emplace_back(command); }

    // The commands sent since the last call, and forget them.
    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(commands);
        return taken;
    }

    std::vector<std::string> commands;
};

} // namespace vantor::test
