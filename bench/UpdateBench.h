#pragma once

namespace vantor::bench {

// The game's update in play: the ship flying to an order, the enemy chasing it and a torpedo
// in flight, headless and with a counting sound player.
class UpdateBench {
public:
    static void Register();
};

} // namespace vantor::bench
