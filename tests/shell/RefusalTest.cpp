// A planet or engineering key that changes nothing is answered with a line and a sound of the
// shell's own, while the level gets exactly the calls it always gets.
#include "game/LevelView.h"
#include "sound/MediaPlayer.h"

#include "ShellEvents.h"
#include "ShellTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor::test {

namespace {

using Calls = std::vector<std::string>;
using ShellEvents::Down;
using ShellEvents::Up;

// Where the shell's own sounds go.
class HeardSounds final : public sound::MediaPlayer {
public:
    void Send(const char* command) override { heard.emplace_back(command); }
    std::vector<std::string> heard;
};

class RefusalTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        shown.playing = true;
        shown.sector = 3;
        shell.sounds = &sounds;
        // The level as the shell reads it: a planet key pays out only while paying is on.
        shell.readLevel = [this] {
            game::LevelView view = shown;
            for (const std::string& call : level->calls) {
                view.energy += paying && call == "planet 1" ? 85 : 0;
            }
            return view;
        };
    }

    // Presses and lets go of a key; what the level was called with meanwhile.
    Calls Tap(SDL_Scancode scancode) {
        level->calls.clear();
        Handle({Down(scancode), Up(scancode)});
        return level->calls;
    }

    bool Refused() const { return shell.guidance.RefusedLine() != nullptr; }

    game::LevelView shown;
    bool paying = false;
    HeardSounds sounds;
};

TEST_F(RefusalTest, AKeyThatChangesNothingIsSaidAndHeardOnce) {
    EXPECT_EQ(Tap(SDL_SCANCODE_1), (Calls{"planet 1"}));
    EXPECT_TRUE(Refused());
    EXPECT_EQ(sounds.heard, (std::vector<std::string>{"play refused.mp3"}));

    // With the engineering menu up its keys are refused the same way.
    shown.engineeringOpen = true;
    EXPECT_EQ(Tap(SDL_SCANCODE_5), (Calls{"action 5"}));
    EXPECT_EQ(sounds.heard.size(), 2u);
}

TEST_F(RefusalTest, AKeyThatActsOrMeansNothingHereIsNotRefused) {
    paying = true;
    EXPECT_EQ(Tap(SDL_SCANCODE_1), (Calls{"planet 1"}));
    EXPECT_FALSE(Refused());

    // Engineering keys with the menu closed, Enter, and anything off the playing field.
    paying = false;
    EXPECT_EQ(Tap(SDL_SCANCODE_4), (Calls{"action 4"}));
    EXPECT_EQ(Tap(SDL_SCANCODE_RETURN), (Calls{"enter"}));
    shown.playing = false;
    EXPECT_EQ(Tap(SDL_SCANCODE_2), (Calls{"planet 2"}));
    shown.playing = true;
    shown.gameOver = true;
    EXPECT_EQ(Tap(SDL_SCANCODE_3), (Calls{"planet 3"}));
    EXPECT_FALSE(Refused());
    EXPECT_TRUE(sounds.heard.empty());
}

TEST_F(RefusalTest, NothingIsRefusedWhilePaused) {
    Handle({Down(SDL_SCANCODE_ESCAPE), Up(SDL_SCANCODE_ESCAPE)});
    ASSERT_TRUE(shell.paused);
    EXPECT_EQ(Tap(SDL_SCANCODE_1), Calls{});
    EXPECT_FALSE(Refused());
    EXPECT_TRUE(sounds.heard.empty());
}

} // namespace
} // namespace vantor::test
