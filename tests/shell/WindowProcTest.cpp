#include "ShellEvents.h"
#include "ShellTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor::test {

namespace {

SDL_Event Key(Uint32 type, SDL_Scancode scancode, bool repeat = false) {
    return ShellEvents::Key(type, scancode, 0, KMOD_NONE, repeat);
}

using ShellEvents::Button;
using ShellEvents::Down;
using ShellEvents::Motion;
using ShellEvents::Up;
using ShellEvents::WindowEvent;

using WindowProcTest = ShellTest;
using Calls = std::vector<std::string>;

TEST_F(WindowProcTest, AQuickTapActsOnceOnItsPress) {
    Handle({Down(SDL_SCANCODE_RETURN), Up(SDL_SCANCODE_RETURN)});
    EXPECT_EQ(level->calls, Calls{"enter"});
}

TEST_F(WindowProcTest, AHeldKeyActsOnEveryEventUntilReleased) {
    Handle({Down(SDL_SCANCODE_KP_4), Motion(), Key(SDL_KEYDOWN, SDL_SCANCODE_KP_4, true), Motion(),
            Up(SDL_SCANCODE_KP_4), Motion()});
    EXPECT_EQ(level->calls, Calls(4, "action 4"));
}

TEST_F(WindowProcTest, HeldKeysAreServedInTheirFixedOrder) {
    Handle({Down(SDL_SCANCODE_RETURN), Down(SDL_SCANCODE_KP_1)});
    EXPECT_EQ(level->calls, (Calls{"enter", "planet 1", "enter"}));
    level->calls.clear();
    Handle({Down(SDL_SCANCODE_KP_6), Down(SDL_SCANCODE_KP_PLUS)});
    EXPECT_EQ(level->calls,
              (Calls{"planet 1", "action 6", "enter", "planet 1", "action 6", "menu", "enter"}));
}

TEST_F(WindowProcTest, AClickComesBeforeTheHeldKeysOfItsEvent) {
    Handle({Down(SDL_SCANCODE_KP_PLUS), Button(SDL_BUTTON_LEFT, 300, 200),
            Button(SDL_BUTTON_RIGHT, 0, 0), Button(SDL_BUTTON_MIDDLE, 5, 5)});
    EXPECT_EQ(level->calls, (Calls{"menu", "left 300,200", "menu", "right 0,0", "menu", "menu"}));
}

TEST_F(WindowProcTest, TopRowKeysServeKeyboardsWithoutAKeypad) {
    Handle({Down(SDL_SCANCODE_1), Up(SDL_SCANCODE_1), Down(SDL_SCANCODE_2), Up(SDL_SCANCODE_2),
            Down(SDL_SCANCODE_3), Up(SDL_SCANCODE_3), Down(SDL_SCANCODE_4), Up(SDL_SCANCODE_4),
            Down(SDL_SCANCODE_5), Up(SDL_SCANCODE_5), Down(SDL_SCANCODE_6), Up(SDL_SCANCODE_6),
            Down(SDL_SCANCODE_EQUALS), Up(SDL_SCANCODE_EQUALS), Down(SDL_SCANCODE_KP_ENTER),
            Up(SDL_SCANCODE_KP_ENTER), Down(SDL_SCANCODE_7), Down(SDL_SCANCODE_A)});
    EXPECT_EQ(level->calls, (Calls{"planet 1", "planet 2", "planet 3", "action 4", "action 5",
                                   "action 6", "menu", "enter"}));
}

TEST_F(WindowProcTest, AGameKeyStaysHeldWhileAnyOfItsKeysIsDown) {
    Handle({Down(SDL_SCANCODE_RETURN), Down(SDL_SCANCODE_KP_ENTER), Up(SDL_SCANCODE_RETURN)});
    EXPECT_EQ(level->calls, Calls(3, "enter"));
    level->calls.clear();
    Handle({Up(SDL_SCANCODE_KP_ENTER), Motion()});
    EXPECT_TRUE(level->calls.empty());
}

TEST_F(WindowProcTest, LosingFocusReleasesEveryKey) {
    Handle({Down(SDL_SCANCODE_KP_5), WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST), Motion()});
    EXPECT_EQ(level->calls, Calls{"action 5"});
}

TEST_F(WindowProcTest, ClosingEndsTheLoopWithoutPollingKeys) {
    Handle({Down(SDL_SCANCODE_RETURN)});
    level->calls.clear();
    EXPECT_FALSE(shell.WindowProc(WindowEvent(SDL_WINDOWEVENT_CLOSE)));
    EXPECT_FALSE(shell.running);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    EXPECT_FALSE(shell.WindowProc(quit));
    EXPECT_TRUE(level->calls.empty());
}

TEST_F(WindowProcTest, KeysHeldBeforeTheLevelExistsActOnceItDoes) {
    RemoveLevel();
    Handle({Down(SDL_SCANCODE_KP_2), Motion()});

    InstallLevel();
    EXPECT_TRUE(level->calls.empty());
    Handle({Motion()});
    EXPECT_EQ(level->calls, Calls{"planet 2"});
}

} // namespace

} // namespace vantor::test
