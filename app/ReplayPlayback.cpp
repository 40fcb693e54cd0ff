#include "app/ReplayPlayback.h"

#include "app/ReplayRun.h"

#include <iterator>

namespace vantor::app {

void ReplayPlayback::Before(GameManager& level) {
    while (nextCall < replay.calls.size() && replay.calls[nextCall].update == updates) {
        ReplayRun::Issue(replay.calls[nextCall], level);
        ++nextCall;
    }
}

bool ReplayPlayback::End(GameManager& level) {
    if (over || Due()) {
        return false;
    }
    Before(level);
    over = true;
    return true;
}

void ReplayPlayback::Faster() {
    if (speed + 1 < static_cast<int>(std::size(Speeds))) {
        ++speed;
    }
}

void ReplayPlayback::Slower() {
    if (speed > 0) {
        --speed;
    }
}

} // namespace vantor::app
