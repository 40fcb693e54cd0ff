// A hostile machine: no display, no audio device, and a player who closes the window while
// the level is still loading. The real program is run where it takes a whole process.
#include "ChildProcess.h"
#include "SoundingGame.h"
#include "VirtualDisplay.h"

#include "app/GameManager.h"
#include "game/Sector01.h"
#include "sound/MediaControl.h"
#include "sound/MixerPlayer.h"
#include "sound/SoundCommands.h"
#include "sound/SoundFiles.h"
#include "support/GeneratedAssets.h"
#include "support/PictureFile.h"
#include "support/ShownRegion.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace vantor::test {

namespace {

using namespace std::chrono_literals;

const std::string Game = VANTOR_GAME_BINARY;
const std::string CloseWindow = VANTOR_CLOSE_WINDOW;

// What the game would take for a display, or for a driver that needs none.
const std::vector<std::string> DisplayVariables = {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"};

// The environment the game is started with: none of the display variables, then the given
// ones. In a sanitizer build the leak checker keeps its list of known library leaks to itself,
// so that whatever the game prints is the game's own.
std::vector<std::string> GameEnvironment(std::vector<std::string> with) {
    const char* leakOptions = std::getenv("LSAN_OPTIONS");
    std::string options = leakOptions != nullptr ? leakOptions : "";
    options += (options.empty() ? "" : ":") + std::string("print_suppressions=0");
    with.push_back("LSAN_OPTIONS=" + options);
    return ChildProcess::Environment(DisplayVariables, with);
}

void ExpectOneLineWithTheReason(const std::string& printed) {
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    EXPECT_EQ(printed.back(), '\n') << printed;
    EXPECT_NE(printed.find("display"), std::string::npos) << printed;
}

TEST(NoDisplay, ExitsWith255AndOneLineSayingWhy) {
    ChildProcess game({Game}, GameEnvironment({"SDL_AUDIODRIVER=dummy"}), GeneratedAssets::Dir());
    ASSERT_TRUE(game.Wait(20s)) << "the game did not end without a display";
    EXPECT_EQ(game.Signal(), 0);
    EXPECT_EQ(game.ExitStatus(), 255);
    EXPECT_EQ(game.Stdout(), "");
    ExpectOneLineWithTheReason(game.Stderr());
}

// An X display that cannot be opened: whether or not the session has a runtime folder, the
// one line is the game's own (asked in passing, the Wayland library would add a line of its
// own about a missing runtime folder).
TEST(NoDisplay, ADisplayThatCannotBeOpenedAlsoExitsWith255AndOneLine) {
    const TempDirectory runtime;
    for (const std::string& runtimeSetting : {"XDG_RUNTIME_DIR=" + runtime.Path(), std::string()}) {
        SCOPED_TRACE(runtimeSetting.empty() ? "no runtime folder" : runtimeSetting);
        std::vector<std::string> with = {"DISPLAY=:64999", "SDL_AUDIODRIVER=dummy"};
        if (!runtimeSetting.empty()) {
            with.push_back(runtimeSetting);
        }
        std::vector<std::string> environment = GameEnvironment(with);
        if (runtimeSetting.empty()) {
            std::erase_if(environment, [](const std::string& entry) {
                return entry.rfind("XDG_RUNTIME_DIR=", 0) == 0;
            });
        }
        ChildProcess game({Game}, environment, GeneratedAssets::Dir());
        ASSERT_TRUE(game.Wait(20s)) << "the game did not end without a display";
        EXPECT_EQ(game.Signal(), 0);
        EXPECT_EQ(game.ExitStatus(), 255);
        EXPECT_EQ(game.Stdout(), "");
        ExpectOneLineWithTheReason(game.Stderr());
    }
}

// The real game on a virtual display of the test's own.
class RealGame : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(screen.Ready()) << screen.Problem();
        ASSERT_TRUE(splash.Decoded());
    }

    void Start(const std::string& audioDriver) {
        game = std::make_unique<ChildProcess>(
            std::vector<std::string>{Game},
            GameEnvironment({"DISPLAY=" + screen.Name(), "SDL_AUDIODRIVER=" + audioDriver}),
            GeneratedAssets::Dir());
        ASSERT_TRUE(game->Started());
    }

    // Waits for the game's window to be shown, looking every millisecond.
    void WaitForTheWindow() {
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while ((window = screen.ShownWindow("Vantor Game")) == 0) {
            ASSERT_TRUE(game->Running()) << "the game ended: " << game->Stderr();
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "no window was shown";
            std::this_thread::sleep_for(1ms);
        }
    }

    // Whether the window shows the title picture, judged at a grid of points.
    bool ShowsTheTitle() {
        int matches = 0;
        int points = 0;
        for (int y = 60; y < 720; y += 160) {
            for (int x = 60; x < 1024; x += 190) {
                ++points;
                uint32_t seen = 0;
                if (!screen.Pixel(window, x, y, seen)) {
                    continue;
                }
                const uint32_t expected = splash.At(x, y) & 0xFFFFFF;
                matches += ShownRegion::Near(seen, expected, 11);
            }
        }
        return matches * 10 >= points * 9;
    }

    // Asks the window to close as the window manager's close button does.
    void Close() {
        ChildProcess closer({CloseWindow, std::to_string(window)},
                            ChildProcess::Environment({"DISPLAY"}, {"DISPLAY=" + screen.Name()}),
                            GeneratedAssets::Dir());
        ASSERT_TRUE(closer.Wait(10s));
        ASSERT_EQ(closer.ExitStatus(), 0) << closer.Stderr();
    }

    void ExpectACleanEnd() {
        ASSERT_TRUE(game->Wait(20s)) << "the game did not end after the close request";
        EXPECT_EQ(game->Signal(), 0);
        EXPECT_EQ(game->ExitStatus(), 0);
        EXPECT_EQ(game->Stderr(), "");
    }

    VirtualDisplay screen;
    const PictureFile splash{GeneratedAssets::Path("Splash.bmp")};
    std::unique_ptr<ChildProcess> game;
    unsigned long window = 0;
};

TEST_F(RealGame, WithoutAnAudioDeviceShowsItsTitleAndClosesWithZero) {
    ASSERT_NO_FATAL_FAILURE(Start("nonexistent"));
    ASSERT_NO_FATAL_FAILURE(WaitForTheWindow());
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (!ShowsTheTitle()) {
        ASSERT_TRUE(game->Running()) << "the game ended: " << game->Stderr();
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the title never showed";
        std::this_thread::sleep_for(50ms);
    }
    ASSERT_NO_FATAL_FAILURE(Close());
    ExpectACleanEnd();
}

TEST_F(RealGame, AWindowClosedWhileTheLevelLoadsEndsTheProgramCleanly) {
    ASSERT_NO_FATAL_FAILURE(Start("dummy"));
    ASSERT_NO_FATAL_FAILURE(WaitForTheWindow());
    // The window is shown before the level loads; the close request goes at once.
    ASSERT_NO_FATAL_FAILURE(Close());
    bool titleShown = false;
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (game->Running() && std::chrono::steady_clock::now() < deadline) {
        titleShown = titleShown || ShowsTheTitle();
        std::this_thread::sleep_for(5ms);
    }
    ExpectACleanEnd();
    // Had the request come after loading, the title would have been drawn first.
    EXPECT_FALSE(titleShown) << "the close request did not arrive while the level was loading";
}

// In the test's own process: the sound player finds no audio device, is installed all the same
// and a whole game is played through it, every sound command and junk besides.
TEST(NoAudioDevice, TheGamePlaysOnInSilence) {
    setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    GameManager::SetGraphics(nullptr);
    sound::MixerPlayer player;
    EXPECT_FALSE(player.Open());
    player.WarmUp(sound::SoundFiles::Names.data(), int(sound::SoundFiles::Names.size()));
    sound::SetMediaPlayer(&player);

    Sector01 level;
    SoundingGame game(level);
    int sent = 0;
    game.Play([&] {
        sound::SendMediaCommand(
            sound::SoundCommands::AllCommands[size_t(sent) %
                                              sound::SoundCommands::AllCommands.size()]);
        sound::SendMediaCommand("play /dev/zero");
        sound::SendMediaCommand("\x80\xff junk");
        ++sent;
    });
    level.Unload();
    sound::SetMediaPlayer(nullptr);

    EXPECT_EQ(sent, game.frames);
    EXPECT_GT(game.frames, 50);
    EXPECT_FALSE(player.IsOpen());
    EXPECT_TRUE(player.WaitForDecoding(0ms));
    for (const char* file : sound::SoundFiles::Names) {
        EXPECT_EQ(player.StateOf(file), sound::MixerPlayer::FileState::Unknown) << file;
        EXPECT_FALSE(player.IsPlaying(file)) << file;
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

} // namespace

} // namespace vantor::test
