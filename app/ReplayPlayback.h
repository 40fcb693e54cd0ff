#pragma once

#include "app/Replay.h"

#include <cstddef>
#include <cstdint>

class GameManager;

namespace vantor::app {

// A replay played in the window, a frame at a time: before each update the shell asks for the
// calls the recording made there, so that the installed level hears exactly what it heard
// then, and the player's own input is kept from it. The pace is the recording's times the
// speed (1, 2, 4 or 8 updates a frame); after the last update, and the calls made after it,
// the replay is over and the level gets nothing more.
//
// Owns its replay (one the reader accepted: calls in the order of their updates). One thread,
// the game's; stepping allocates nothing.
class ReplayPlayback {
public:
    static constexpr int Speeds[] = {1, 2, 4, 8};

    explicit ReplayPlayback(Replay replay) : replay(std::move(replay)) {}

    const Replay& Recorded() const { return replay; }
    // Whether another update is due; false once the replay is over.
    bool Due() const { return updates < replay.updates; }
    // Gives the level the calls recorded before the next update. The caller then runs the
    // update (Update and Render) and says so with Updated.
    void Before(GameManager& level);
    void Updated() { ++updates; }
    // Gives the level the calls recorded after the last update, once. True when this was the
    // replay's end (the caller shows that it is over).
    bool End(GameManager& level);
    bool Over() const { return over; }
    uint32_t Updates() const { return updates; }

    // Updates a frame, and the next speed up or down (staying at the ends).
    int Speed() const { return Speeds[speed]; }
    void Faster();
    void Slower();

private:
    Replay replay;
    std::size_t nextCall = 0;
    uint32_t updates = 0;
    int speed = 0;
    bool over = false;
};

} // namespace vantor::app
