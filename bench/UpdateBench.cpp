#include "bench/UpdateBench.h"

#include "bench/BenchGroup.h"

#include "game/Sector01.h"
#include "support/CountingPlayer.h"

#include <benchmark/benchmark.h>

namespace vantor::bench {

namespace {

// The ship flies back and forth between these corners of the first sector; both lie left of
// the edge where the next sector begins, so the play stays in one sector.
constexpr int Orders[2][2] = {{180, 620}, {820, 140}};
// A new order after this many updates, even if the ship has not arrived: its path can circle
// its goal for a while.
constexpr int UpdatesPerOrder = 400;

// A new game, past the title, with planets in the sector; the next update is the first of play.
void StartPlay(Sector01& level) {
    level.NewGame();
    level.OnEnter(false);
    level.sectorLayout = 1;
    level.PlacePlanets();
}

void GiveOrder(Sector01& level, int which) {
    level.OnLeftClick(Orders[which][0], Orders[which][1]);
}

// A torpedo from the ship at where the enemy stands now.
void Fire(Sector01& level) {
    level.weaponEnergy = 100;
    const int x = static_cast<int>(level.enemyX) + 50;
    const int y = static_cast<int>(level.enemyY) + 37;
    level.OnRightClick(x > 0 ? x : 1, y > 0 ? y : 1);
}

void UpdateInPlay(benchmark::State& state) {
    test::CountingPlayer sound;
    Sector01 level;
    level.ChooseSeed(20240601);
    StartPlay(level);

    int nextOrder = 0;
    int sinceOrder = UpdatesPerOrder;
    long long inPlay = 0; // updates that began with an order and a torpedo in flight
    long long orders = 0;
    long long shots = 0;
    long long restarts = 0;
    for (auto _ : state) {
        if (sinceOrder >= UpdatesPerOrder || level.moveTargetX <= 0) {
            GiveOrder(level, nextOrder);
            nextOrder ^= 1;
            sinceOrder = 0;
            ++orders;
        }
        if (!level.torpedoInFlight) {
            Fire(level);
            ++shots;
        }
        inPlay += (level.moveTargetX > 0 && level.torpedoInFlight) ? 1 : 0;
        level.Update();
        ++sinceOrder;
        // Six rammings or an empty warp tank end the game; start a new one.
        if (level.gameOver || level.sector != 1.0f) {
            StartPlay(level);
            sinceOrder = UpdatesPerOrder;
            ++restarts;
        }
    }
    benchmark::DoNotOptimize(level.shipX);
    state.SetItemsProcessed(state.iterations());
    const double updates = static_cast<double>(state.iterations());
    state.counters["in_play"] = static_cast<double>(inPlay) / updates;
    state.counters["orders"] = static_cast<double>(orders);
    state.counters["shots"] = static_cast<double>(shots);
    state.counters["restarts"] = static_cast<double>(restarts);
    state.counters["sounds"] = static_cast<double>(sound.commands);
}

} // namespace

void UpdateBench::Register() {
    BenchGroup("Update", benchmark::kNanosecond).Add("InPlay", UpdateInPlay);
}

} // namespace vantor::bench
