#pragma once

#include "sound/MixerPlayer.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

namespace vantor::test {

// A player that records the files it decodes and can hold the decoding thread at a gate, so a
// test can send commands while a file is still being decoded. Made to decode on call, it has
// no thread to hold: its gate stays open.
class GatedPlayer : public sound::MixerPlayer {
public:
    explicit GatedPlayer(bool gateOpen, Decoding decoding = Decoding::OnThread)
        : sound::MixerPlayer(decoding), gateOpen(gateOpen) {}
    ~GatedPlayer() override {
        OpenGate();
        Close();
    }

    void OpenGate() {
        std::lock_guard lock(mutex);
        gateOpen = true;
        changed.notify_all();
    }

    bool WaitUntilDecodeStarted(std::size_t count, std::chrono::milliseconds timeout) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, timeout, [&] { return decoded.size() >= count; });
    }

    std::vector<std::string> Decoded() {
        std::lock_guard lock(mutex);
        return decoded;
    }

protected:
    Mix_Chunk* Decode(const char* file) override {
        {
            std::unique_lock lock(mutex);
            decoded.emplace_back(file);
            changed.notify_all();
            changed.wait(lock, [this] { return gateOpen; });
        }
        return sound::MixerPlayer::Decode(file);
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    bool gateOpen;
    std::vector<std::string> decoded;
};

} // namespace vantor::test
