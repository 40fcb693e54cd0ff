#pragma once

#include "support/OffscreenLevel.h"
#include "support/RecordingPlayer.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vantor::test {

// A level loaded from the generated asset folder onto an offscreen picture, shared by the
// tests of a suite (loading takes a while); each test starts from a new game.
class LoadedLevel : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // Draws one frame as the frame loop does, without the update.
    void Draw();
    uint32_t Pixel(int x, int y) { return offscreen->Pixel(x, y); }

    // Play has begun in the given sector with the given layout, nothing near anything else.
    void Playing(float sectorNumber, int layout);

    static inline OffscreenLevel* offscreen = nullptr;
    static inline Sector01* level = nullptr;
    RecordingPlayer sound;
};

} // namespace vantor::test
