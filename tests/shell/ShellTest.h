#pragma once

#include "app/GameShell.h"
#include "app/LevelController.h"
#include "graphics/Graphics.h"
#include "support/LevelCalls.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <initializer_list>

namespace vantor::test {

// A shell on the offscreen game picture with a LevelCalls level installed, for the tests of
// what the window's events make of the level. The fixture owns the drawing device and the
// shell; the level belongs to LevelController while it is installed and is deleted when the
// test ends. Everything runs on the test's thread. A drawing device that cannot be made fails
// the test in SetUp.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(graphics.InitOffscreen());
        InstallLevel();
    }
    void TearDown() override { RemoveLevel(); }

    // A new LevelCalls level as the current level, as the game installs its first one.
    void InstallLevel() {
        level = new LevelCalls();
        LevelController::LoadInitialLevel(level);
    }
    // Deletes the current level, leaving none.
    void RemoveLevel() {
        delete LevelController::currentLevel;
        LevelController::currentLevel = nullptr;
        level = nullptr;
    }

    // Hands the shell the events in order, as the window delivers them.
    void Handle(std::initializer_list<SDL_Event> events) {
        for (const SDL_Event& event : events) {
            shell.WindowProc(event);
        }
    }

    Graphics graphics;
    app::GameShell shell{nullptr, &graphics};
    LevelCalls* level = nullptr;
};

} // namespace vantor::test
