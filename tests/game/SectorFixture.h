#pragma once

#include "game/Sector01.h"
#include "support/LevelStaging.h"
#include "support/RecordingPlayer.h"

#include <gtest/gtest.h>

namespace vantor::test {

// A loaded level with a recorder behind the sound commands and a known random sequence.
class SectorFixture : public ::testing::Test {
protected:
    static constexpr unsigned Seed = 20261209;

    void SetUp() override {
        level.Load();
        level.ChooseSeed(Seed);
        sound.Take();
    }

    // Enter on the title and the first update: play has begun.
    void StartPlaying() {
        level.OnEnter(false);
        level.Update();
        sound.Take();
    }

    // Runs n updates.
    void Run(int n) {
        for (int i = 0; i < n; ++i) {
            level.Update();
        }
    }

    // Moves the enemy far to the upper right, where it cannot touch the ship or a resting
    // torpedo on screen.
    void ParkEnemyFarAway() { LevelStaging::EnemyFarAway(level); }

    RecordingPlayer sound;
    Sector01 level;
};

} // namespace vantor::test
