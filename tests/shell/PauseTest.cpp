// The shell's own keys around the level: pause, volume and mute, fullscreen, screenshots and
// quitting, and the rule that a paused game's level is not touched at all.
#include "app/SettingsFile.h"
#include "support/ByteFile.h"
#include "support/TempDirectory.h"

#include "ShellEvents.h"
#include "ShellTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

using Calls = std::vector<std::string>;

using ShellEvents::Button;
using ShellEvents::Down;
using ShellEvents::Key;
using ShellEvents::Of;
using ShellEvents::Up;
using ShellEvents::WindowEvent;

// One of the shell's own keys, pressed.
SDL_Event Shell(SDL_Keycode sym, SDL_Scancode scancode, Uint16 mod = KMOD_NONE) {
    return Down(scancode, sym, mod);
}

const SDL_Event P = Shell(SDLK_p, SDL_SCANCODE_P);

class ShellKeysTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        shell.screenshotFolder = folder.File("screenshots");
    }

    TempDirectory folder;
};

// Every kind of event a player can make, the pause keys aside.
std::vector<SDL_Event> EveryOtherEvent() {
    std::vector<SDL_Event> events;
    for (SDL_Scancode key :
         {SDL_SCANCODE_KP_1, SDL_SCANCODE_KP_2, SDL_SCANCODE_KP_3, SDL_SCANCODE_KP_4,
          SDL_SCANCODE_KP_5, SDL_SCANCODE_KP_6, SDL_SCANCODE_KP_PLUS, SDL_SCANCODE_RETURN,
          SDL_SCANCODE_KP_ENTER, SDL_SCANCODE_1, SDL_SCANCODE_4, SDL_SCANCODE_EQUALS}) {
        events.push_back(Down(key));
        events.push_back(Key(SDL_KEYDOWN, key, 0, KMOD_NONE, true));
    }
    events.push_back(Button(SDL_BUTTON_LEFT, 300, 200));
    events.push_back(Button(SDL_BUTTON_RIGHT, 10, 10));
    events.push_back(Of(SDL_MOUSEMOTION));
    events.push_back(Shell(SDLK_m, SDL_SCANCODE_M));
    events.push_back(Shell(SDLK_9, SDL_SCANCODE_9));
    events.push_back(Shell(SDLK_0, SDL_SCANCODE_0));
    events.push_back(Shell(SDLK_F11, SDL_SCANCODE_F11));
    events.push_back(Shell(SDLK_F12, SDL_SCANCODE_F12));
    for (Uint8 what : {SDL_WINDOWEVENT_FOCUS_GAINED, SDL_WINDOWEVENT_FOCUS_LOST,
                       SDL_WINDOWEVENT_EXPOSED, SDL_WINDOWEVENT_MOVED, SDL_WINDOWEVENT_RESTORED}) {
        events.push_back(WindowEvent(what));
    }
    events.push_back(Up(SDL_SCANCODE_KP_4));
    return events;
}

// Pauses and shows the How to play card, where Enter only goes back and forth between the
// card and the menu, so that no event of the list resumes the game as choosing Resume would.
const std::vector<SDL_Event> PauseOnTheCard = {P, Down(SDL_SCANCODE_DOWN), Down(SDL_SCANCODE_DOWN),
                                               Down(SDL_SCANCODE_DOWN), Down(SDL_SCANCODE_RETURN)};

TEST_F(ShellKeysTest, APausedGameGetsNoCallWhateverEventsArrive) {
    Handle({Down(SDL_SCANCODE_KP_6)});
    for (const SDL_Event& event : PauseOnTheCard) {
        shell.WindowProc(event);
    }
    ASSERT_TRUE(shell.paused);
    ASSERT_EQ(shell.menu.Showing(), app::Menu::Screen::HowToPlay);
    level->calls.clear();
    for (const SDL_Event& event : EveryOtherEvent()) {
        shell.WindowProc(event);
    }
    EXPECT_TRUE(shell.paused);
    EXPECT_EQ(level->calls, Calls{});
}

TEST_F(ShellKeysTest, ThePausedFrameLoopRunsNoFrame) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
    for (SDL_Event event : PauseOnTheCard) {
        SDL_PushEvent(&event);
    }
    for (SDL_Event event : EveryOtherEvent()) {
        SDL_PushEvent(&event);
    }
    SDL_Event quit = Of(SDL_QUIT);
    SDL_PushEvent(&quit);
    shell.RunFrameLoop();
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
    EXPECT_EQ(level->calls, Calls{});
}

TEST_F(ShellKeysTest, PauseEscapeAndThePauseKeyEachPauseAndResume) {
    for (const SDL_Event& key :
         {P, Shell(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE), Shell(SDLK_PAUSE, SDL_SCANCODE_PAUSE)}) {
        shell.WindowProc(key);
        EXPECT_TRUE(shell.paused);
        shell.WindowProc(key);
        EXPECT_FALSE(shell.paused);
    }
    // Held down, the key repeats; that is no second press.
    shell.WindowProc(P);
    shell.WindowProc(Key(SDL_KEYDOWN, SDL_SCANCODE_P, SDLK_p, KMOD_NONE, true));
    EXPECT_TRUE(shell.paused);
}

TEST_F(ShellKeysTest, ResumingLetsHeldKeysActAgainFromThatEvent) {
    Handle({P, Down(SDL_SCANCODE_KP_4), Of(SDL_MOUSEMOTION)});
    EXPECT_EQ(level->calls, Calls{});
    Handle({P, Of(SDL_MOUSEMOTION)});
    EXPECT_EQ(level->calls, (Calls{"action 4", "action 4"}));
}

TEST_F(ShellKeysTest, TheShellsKeysLetHeldGameKeysActLikeAnyOtherEvent) {
    Handle({Down(SDL_SCANCODE_KP_5), Shell(SDLK_m, SDL_SCANCODE_M), Shell(SDLK_9, SDL_SCANCODE_9),
            Shell(SDLK_0, SDL_SCANCODE_0), Up(SDL_SCANCODE_KP_5), Shell(SDLK_m, SDL_SCANCODE_M)});
    EXPECT_EQ(level->calls, Calls(4, "action 5"));
}

TEST_F(ShellKeysTest, AltEnterIsTheFullscreenKeyNotTheGamesEnter) {
    Handle({Shell(SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT), Up(SDL_SCANCODE_RETURN),
            Shell(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, KMOD_RALT), Up(SDL_SCANCODE_KP_ENTER)});
    EXPECT_EQ(level->calls, Calls{});
    Handle({Down(SDL_SCANCODE_RETURN, SDLK_RETURN), Up(SDL_SCANCODE_RETURN)});
    EXPECT_EQ(level->calls, Calls{"enter"});
}

TEST_F(ShellKeysTest, LosingFocusPausesUntilThePlayerResumesUnlessTurnedOff) {
    Handle({WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST), WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED)});
    EXPECT_TRUE(shell.paused);
    Handle({P});
    EXPECT_FALSE(shell.paused);
    Handle({WindowEvent(SDL_WINDOWEVENT_MINIMIZED)});
    EXPECT_TRUE(shell.paused);
    Handle({P});

    shell.settings.pauseOnFocusLoss = false;
    Handle({WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST), WindowEvent(SDL_WINDOWEVENT_MINIMIZED)});
    EXPECT_FALSE(shell.paused);
}

TEST_F(ShellKeysTest, CtrlQEndsTheGameWithoutPollingKeys) {
    Handle({Down(SDL_SCANCODE_RETURN)});
    level->calls.clear();
    EXPECT_TRUE(shell.WindowProc(Shell(SDLK_q, SDL_SCANCODE_Q)));
    EXPECT_TRUE(shell.running);
    EXPECT_FALSE(shell.WindowProc(Shell(SDLK_q, SDL_SCANCODE_Q, KMOD_LCTRL)));
    EXPECT_FALSE(shell.running);
    EXPECT_EQ(level->calls, Calls{"enter"}) << "only the plain Q acted as an event";
}

TEST_F(ShellKeysTest, VolumeAndMuteKeysChangeWhatIsKept) {
    const std::string path = folder.File("settings.ini");
    app::SettingsFile file(path);
    shell.settingsFile = &file;
    Handle({Shell(SDLK_9, SDL_SCANCODE_9), Shell(SDLK_9, SDL_SCANCODE_9)});
    EXPECT_EQ(shell.settings.volume, 80);
    Handle({Shell(SDLK_m, SDL_SCANCODE_M)});
    EXPECT_TRUE(shell.settings.mute);
    EXPECT_EQ(app::SettingsFile(path).Load().volume, 80);
    EXPECT_TRUE(app::SettingsFile(path).Load().mute);
    // Turning the volume up is a wish to hear it.
    Handle({Shell(SDLK_0, SDL_SCANCODE_0)});
    EXPECT_FALSE(shell.settings.mute);
    EXPECT_EQ(shell.settings.volume, 90);
    const app::Settings kept = app::SettingsFile(path).Load();
    EXPECT_EQ(kept.volume, 90);
    EXPECT_FALSE(kept.mute);
}

TEST_F(ShellKeysTest, AMuteAskedForOnTheCommandLineIsNotKept) {
    const std::string path = folder.File("settings.ini");
    app::SettingsFile file(path);
    shell.settingsFile = &file;
    shell.settings.mute = true; // --mute
    Handle({Shell(SDLK_9, SDL_SCANCODE_9)});
    shell.SaveSettings();
    EXPECT_FALSE(app::SettingsFile(path).Load().mute);
    EXPECT_EQ(app::SettingsFile(path).Load().volume, 90);
}

TEST_F(ShellKeysTest, F12SavesTheGamePictureEvenWhilePaused) {
    graphics.BeginDraw();
    graphics.ClearScreen(0.0f, 0.5f, 1.0f);
    graphics.EndDraw();
    Handle({P, Shell(SDLK_F12, SDL_SCANCODE_F12), Shell(SDLK_F12, SDL_SCANCODE_F12)});
    std::vector<std::string> shots;
    for (const auto& entry : std::filesystem::directory_iterator(shell.screenshotFolder)) {
        shots.push_back(entry.path().filename().string());
    }
    ASSERT_EQ(shots.size(), 2u) << "a second screenshot in the same second has a name of its own";
    for (const std::string& shot : shots) {
        EXPECT_EQ(shot.rfind("vantor-game-", 0), 0u) << shot;
        const std::vector<uint8_t> png = ByteFile::Read(shell.screenshotFolder + "/" + shot);
        ASSERT_GT(png.size(), 24u);
        EXPECT_EQ(png[1], 'P');
    }
    EXPECT_EQ(level->calls, Calls{});
}

} // namespace

} // namespace vantor::test
