// The menu as the shell runs it: opened by Escape, moved by keys and the mouse, its changes
// applied and kept, and the keys the player chose acting as the game's own.
#include "app/SettingsFile.h"
#include "app/ShellOverlay.h"
#include "support/ByteFile.h"
#include "support/TempDirectory.h"

#include "ShellEvents.h"
#include "ShellTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

using Calls = std::vector<std::string>;
using Action = app::KeyBindings::Action;
using Screen = app::Menu::Screen;

using ShellEvents::Button;
using ShellEvents::Down;
using ShellEvents::Key;
using ShellEvents::Of;
using ShellEvents::Up;

SDL_Event Press(SDL_Scancode scancode) {
    return Down(scancode);
}

SDL_Event Released(Uint8 button, int x, int y) {
    SDL_Event event = Button(button, x, y);
    event.type = SDL_MOUSEBUTTONUP;
    event.button.state = SDL_RELEASED;
    return event;
}

SDL_Event Moved(int x, int y) {
    SDL_Event event = Of(SDL_MOUSEMOTION);
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

class MenuInputTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        shell.overlay = std::make_unique<app::ShellOverlay>(&graphics, shell.menu, shell.captions,
                                                            shell.guidance, shell.settings);
    }
};

TEST_F(MenuInputTest, EscapeOpensTheMenuAndTheLevelHearsNothingUntilItCloses) {
    Handle({Press(SDL_SCANCODE_KP_4), Press(SDL_SCANCODE_ESCAPE)});
    EXPECT_TRUE(shell.paused);
    EXPECT_EQ(shell.menu.Showing(), Screen::Main);
    level->calls.clear();
    Handle({Of(SDL_MOUSEMOTION), Press(SDL_SCANCODE_DOWN), Press(SDL_SCANCODE_UP),
            Button(SDL_BUTTON_RIGHT, 900, 40)});
    EXPECT_EQ(level->calls, Calls{});
    // Escape again closes it, and the key still held acts from there on.
    Handle({Press(SDL_SCANCODE_ESCAPE), Of(SDL_MOUSEMOTION)});
    EXPECT_FALSE(shell.paused);
    EXPECT_FALSE(shell.menu.IsOpen());
    EXPECT_EQ(level->calls, (Calls{"action 4", "action 4"}));
}

TEST_F(MenuInputTest, EnterOnResumeResumesWithoutStartingTheGame) {
    Handle({Press(SDL_SCANCODE_ESCAPE), Press(SDL_SCANCODE_RETURN), Of(SDL_MOUSEMOTION),
            Up(SDL_SCANCODE_RETURN), Of(SDL_MOUSEMOTION)});
    EXPECT_FALSE(shell.paused);
    EXPECT_EQ(level->calls, Calls{}) << "the Enter that chose Resume reached the level";
}

TEST_F(MenuInputTest, MusicTurnedDownInTheMenuIsKeptInTheSettingsFile) {
    TempDirectory folder;
    app::SettingsFile file(folder.File("settings.ini"));
    shell.settingsFile = &file;
    shell.settings.mute = true; // --mute: this run only
    // Escape, Down, Enter (Options), Down (Music), Left three times, Escape, Escape.
    Handle({Press(SDL_SCANCODE_ESCAPE), Press(SDL_SCANCODE_DOWN), Press(SDL_SCANCODE_RETURN),
            Press(SDL_SCANCODE_DOWN), Press(SDL_SCANCODE_LEFT), Press(SDL_SCANCODE_LEFT),
            Press(SDL_SCANCODE_LEFT), Press(SDL_SCANCODE_ESCAPE), Press(SDL_SCANCODE_ESCAPE)});
    EXPECT_FALSE(shell.paused);
    EXPECT_EQ(shell.settings.musicVolume, 70);
    const std::string text = ByteFile::ReadText(folder.File("settings.ini"));
    EXPECT_NE(text.find("music = 70\n"), std::string::npos) << text;
    EXPECT_NE(text.find("mute = false\n"), std::string::npos) << text;
    EXPECT_EQ(file.Load().musicVolume, 70);
}

TEST_F(MenuInputTest, ASwitchChangedInTheMenuKeepsWhatTheCommandLineSetOutOfTheFile) {
    TempDirectory folder;
    app::SettingsFile file(folder.File("settings.ini"));
    shell.settingsFile = &file;
    shell.settings.mute = true; // --mute: this run only
    shell.OpenMenu(Screen::Options);
    for (int step = 0; step < 8; ++step) { // to Captions
        shell.menu.MoveFocus(1);
    }
    Handle({Press(SDL_SCANCODE_RIGHT)});
    EXPECT_FALSE(shell.settings.captions);
    EXPECT_FALSE(shell.kept.captions);
    EXPECT_FALSE(shell.kept.mute);
    EXPECT_TRUE(shell.settings.mute);
}

TEST_F(MenuInputTest, AClickOnResumeResumesAndTheMouseReachesWhatIsDrawn) {
    Handle({Press(SDL_SCANCODE_ESCAPE)});
    // The main menu's panel: Quit is its sixth row, Resume its first.
    Handle({Moved(400, 514)});
    EXPECT_EQ(shell.menu.Focus(), 5);
    Handle({Moved(400, 284)});
    EXPECT_EQ(shell.menu.Focus(), 0);
    Handle({Button(SDL_BUTTON_LEFT, 400, 284), Released(SDL_BUTTON_LEFT, 400, 284)});
    EXPECT_FALSE(shell.paused);
    EXPECT_EQ(level->calls, Calls{}) << "the click that chose Resume reached the level";
}

TEST_F(MenuInputTest, ASliderFollowsTheMouseWhileItsButtonIsHeld) {
    shell.OpenMenu(Screen::Options);
    const app::MenuView& view = shell.overlay->View();
    const int volume = 0;
    // Pressed on the bar's left end, dragged along, let go, moved on.
    int x = 0;
    for (x = 0; x < 1024 && view.SliderPlace(shell.menu, volume, x) <= 0.0f; ++x) {
    }
    int y = 0;
    for (y = 0; y < 768 && view.ItemAt(shell.menu, x, y) != volume; ++y) {
    }
    ASSERT_EQ(view.ItemAt(shell.menu, x, y), volume);
    Handle({Button(SDL_BUTTON_LEFT, x, y)});
    EXPECT_EQ(shell.settings.volume, 0);
    Handle({Moved(x + 130, y + 60)});
    EXPECT_EQ(shell.settings.volume, 50);
    Handle({Released(SDL_BUTTON_LEFT, x + 130, y), Moved(x + 400, y)});
    EXPECT_EQ(shell.settings.volume, 50);
    EXPECT_EQ(shell.kept.volume, 50);
}

TEST_F(MenuInputTest, AKeyBoundToEngineeringActsAsTheKeypadsPlus) {
    Action holder{};
    ASSERT_TRUE(shell.settings.keys.Bind(Action::Engineering, SDLK_e, holder));
    Handle({Press(SDL_SCANCODE_E), Up(SDL_SCANCODE_E), Press(SDL_SCANCODE_KP_PLUS),
            Up(SDL_SCANCODE_KP_PLUS)});
    EXPECT_EQ(level->calls, Calls{"menu"});
    // A player's own key moved elsewhere frees its old one for the game.
    ASSERT_TRUE(shell.settings.keys.Bind(Action::Mute, SDLK_F2, holder));
    ASSERT_TRUE(shell.settings.keys.Bind(Action::Repair, SDLK_m, holder));
    level->calls.clear();
    Handle({Press(SDL_SCANCODE_M), Up(SDL_SCANCODE_M)});
    EXPECT_EQ(level->calls, Calls{"action 4"});
    EXPECT_FALSE(shell.settings.mute);
}

TEST_F(MenuInputTest, EachKeyPressActsOnceWhenThePlayerSoChooses) {
    shell.settings.eachPressOnce = true;
    Handle({Press(SDL_SCANCODE_KP_5), Of(SDL_MOUSEMOTION),
            Key(SDL_KEYDOWN, SDL_SCANCODE_KP_5, 0, KMOD_NONE, true), Press(SDL_SCANCODE_KP_6),
            Of(SDL_MOUSEMOTION), Up(SDL_SCANCODE_KP_5), Up(SDL_SCANCODE_KP_6),
            Press(SDL_SCANCODE_KP_5)});
    EXPECT_EQ(level->calls, (Calls{"action 5", "action 6", "action 5"}));
}

TEST_F(MenuInputTest, ALeftHandedPlayerFliesWithTheRightButton) {
    shell.settings.leftHanded = true;
    Handle({Button(SDL_BUTTON_RIGHT, 300, 200), Button(SDL_BUTTON_LEFT, 10, 20),
            Button(SDL_BUTTON_MIDDLE, 1, 1)});
    EXPECT_EQ(level->calls, (Calls{"left 300,200", "right 10,20"}));
}

TEST_F(MenuInputTest, TheHelpKeyOpensTheCardAndClosesIt) {
    Handle({Press(SDL_SCANCODE_F1)});
    EXPECT_TRUE(shell.paused);
    EXPECT_EQ(shell.menu.Showing(), Screen::HowToPlay);
    Handle({Press(SDL_SCANCODE_F1)});
    EXPECT_FALSE(shell.paused);
    // Escape from the card opened by its key closes the menu too.
    Handle({Press(SDL_SCANCODE_F1), Press(SDL_SCANCODE_ESCAPE)});
    EXPECT_FALSE(shell.paused);
    EXPECT_EQ(level->calls, Calls{});
}

TEST_F(MenuInputTest, QuitAsksOnceAndThenEndsTheGame) {
    Handle({Press(SDL_SCANCODE_ESCAPE), Press(SDL_SCANCODE_UP), Press(SDL_SCANCODE_RETURN)});
    EXPECT_EQ(shell.menu.Showing(), Screen::ConfirmQuit);
    EXPECT_TRUE(shell.running);
    Handle({Press(SDL_SCANCODE_RETURN)});
    EXPECT_FALSE(shell.running);
}

} // namespace

} // namespace vantor::test
