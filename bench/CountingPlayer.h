#pragma once

#include "sound/MediaControl.h"
#include "sound/MediaPlayer.h"

// A player that only counts the commands it is sent, installed behind SendMediaCommand for its
// lifetime, so that benchmarks of the game's logic and drawing measure no sound work.
class CountingPlayer final : public MediaPlayer {
public:
    CountingPlayer() { SetMediaPlayer(this); }
    ~CountingPlayer() override { SetMediaPlayer(nullptr); }
    CountingPlayer(const CountingPlayer&) = delete;
    CountingPlayer& operator=(const CountingPlayer&) = delete;

    void Send(const char*) override { ++commands; }

    long long commands = 0;
};
