// A gamepad played through the shell, on SDL's virtual joystick: the crosshair's pace, one
// click a press at the crosshair, the game keys where the game waits, the menu, unplugging,
// and what shows for a pad player and not for a mouse player.
#include "app/ShellOverlay.h"

#include "ShellEvents.h"
#include "ShellTest.h"
#include "VirtualPad.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vantor::test {

namespace {

using Calls = std::vector<std::string>;

class PadTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        shell.readLevel = [this] { return shown; };
        shell.overlay = std::make_unique<app::ShellOverlay>(&graphics, shell.menu, shell.captions,
                                                            shell.guidance, shell.settings);
        pad = std::make_unique<VirtualPad>();
        Feed();
        ASSERT_EQ(shell.pads.Count(), 1);
        shown.playing = true;
        shown.sector = 2;
    }
    void TearDown() override {
        pad.reset();
        ShellTest::TearDown();
    }

    // Hands the shell what the pad did; the level's calls meanwhile.
    Calls Feed() {
        level->calls.clear();
        for (const SDL_Event& event : VirtualPad::Events()) {
            shell.WindowProc(event);
        }
        return level->calls;
    }
    Calls Tap(SDL_GameControllerButton button) {
        pad->Button(button, true);
        Calls calls = Feed();
        pad->Button(button, false);
        const Calls after = Feed();
        calls.insert(calls.end(), after.begin(), after.end());
        return calls;
    }
    // One frame, as the loop runs it (the level updates and draws).
    void Frame() {
        shell.RunFrame();
        level->calls.clear();
    }

    game::LevelView shown;
    std::unique_ptr<VirtualPad> pad;
};

TEST_F(PadTest, TheCrosshairCoversTheSameGroundInASecondAtAnyFrameRate) {
    pad->Axis(SDL_CONTROLLER_AXIS_LEFTX, 24000);
    Feed();
    std::vector<float> distances;
    for (int hertz : {30, 60, 144}) {
        shell.crosshair.Place(100, 384);
        for (int frame = 0; frame < hertz; ++frame) {
            shell.MoveCrosshair(1.0f / static_cast<float>(hertz));
        }
        distances.push_back(shell.crosshair.ExactX() - 100);
        EXPECT_FLOAT_EQ(shell.crosshair.ExactY(), 384) << hertz << " Hz";
    }
    EXPECT_GT(distances[0], 100);
    EXPECT_LT(distances[0], app::Crosshair::Speed);
    EXPECT_NEAR(distances[1], distances[0], 0.5f);
    EXPECT_NEAR(distances[2], distances[0], 0.5f);

    // The right stick is faster; a stick inside its dead zone does nothing.
    pad->Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    pad->Axis(SDL_CONTROLLER_AXIS_RIGHTX, 24000);
    Feed();
    shell.crosshair.Place(100, 384);
    shell.MoveCrosshair(1.0f);
    EXPECT_GT(shell.crosshair.ExactX() - 100, distances[0] * 2);
    pad->Axis(SDL_CONTROLLER_AXIS_RIGHTX, 3000);
    Feed();
    shell.crosshair.Place(100, 384);
    shell.MoveCrosshair(1.0f);
    EXPECT_FLOAT_EQ(shell.crosshair.ExactX(), 100);
}

TEST_F(PadTest, APressFliesOrFiresOnceAtTheCrosshair) {
    shell.crosshair.Place(300, 200);
    pad->Button(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_EQ(Feed(), (Calls{"left 300,200"}));
    // Held, it does not fly again, whatever else the pad does meanwhile.
    pad->Axis(SDL_CONTROLLER_AXIS_LEFTY, 20000);
    EXPECT_EQ(Feed(), Calls{});
    pad->Button(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_EQ(Feed(), Calls{});

    EXPECT_EQ(Tap(SDL_CONTROLLER_BUTTON_X), (Calls{"right 300,200"}));
    // The right trigger fires once a pull: held further it fires no more. (A trigger's travel
    // is the whole of a raw axis: -32768 is let go.)
    pad->Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 20000);
    EXPECT_EQ(Feed(), (Calls{"right 300,200"}));
    pad->Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    EXPECT_EQ(Feed(), Calls{});
    pad->Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
    EXPECT_EQ(Feed(), Calls{});
    pad->Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    EXPECT_EQ(Feed(), (Calls{"right 300,200"}));
}

TEST_F(PadTest, InALetterboxedWindowThePressStillLandsOnTheCrosshair) {
    // A window far wider than 4:3 shows the picture with bars beside it; the crosshair is in
    // game pixels, whatever the window.
    // (With a video driver up, SDL passes a pad's events only to a window with the focus,
    // which a test's window never has, unless told otherwise.)
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Window* window = SDL_CreateWindow("pad", 0, 0, 1600, 600, 0);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    {
        Graphics shown;
        ASSERT_TRUE(shown.Init(window));
        app::GameShell windowed(window, &shown);
        windowed.pads.Added(pad->DeviceIndex());
        windowed.readLevel = [this] { return this->shown; };
        windowed.crosshair.Place(1000, 700);
        pad->Button(SDL_CONTROLLER_BUTTON_A, true);
        level->calls.clear();
        for (const SDL_Event& event : VirtualPad::Events()) {
            windowed.WindowProc(event);
        }
        EXPECT_EQ(level->calls, (Calls{"left 1000,700"}));
    }
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TEST_F(PadTest, EachButtonGivesItsGameKeyWhereTheGameWaits) {
    struct Case {
        const char* where;
        void (*set)(game::LevelView&);
        SDL_GameControllerButton button;
        Calls calls;
    };
    const auto title = [](game::LevelView& view) {
        view.titleScreen = true;
        view.playing = false;
    };
    const auto planet = [](game::LevelView& view) { view.planetPanel = true; };
    const auto engineering = [](game::LevelView& view) { view.engineeringOpen = true; };
    const auto flying = [](game::LevelView&) {};
    const auto end = [](game::LevelView& view) { view.gameOver = true; };
    const Case cases[] = {
        {"title", title, SDL_CONTROLLER_BUTTON_A, {"enter"}},
        {"title", title, SDL_CONTROLLER_BUTTON_DPAD_LEFT, {}},
        {"planet", planet, SDL_CONTROLLER_BUTTON_DPAD_LEFT, {"planet 1"}},
        {"planet", planet, SDL_CONTROLLER_BUTTON_DPAD_UP, {"planet 2"}},
        {"planet", planet, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, {"planet 3"}},
        {"planet", planet, SDL_CONTROLLER_BUTTON_B, {"planet 3"}},
        {"engineering", engineering, SDL_CONTROLLER_BUTTON_DPAD_LEFT, {"action 4"}},
        {"engineering", engineering, SDL_CONTROLLER_BUTTON_DPAD_UP, {"action 5"}},
        {"engineering", engineering, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, {"action 6"}},
        {"engineering", engineering, SDL_CONTROLLER_BUTTON_B, {"enter"}},
        {"flying", flying, SDL_CONTROLLER_BUTTON_Y, {"menu"}},
        {"flying", flying, SDL_CONTROLLER_BUTTON_B, {}},
        {"flying", flying, SDL_CONTROLLER_BUTTON_DPAD_UP, {}},
        {"end", end, SDL_CONTROLLER_BUTTON_A, {"enter"}},
        {"end", end, SDL_CONTROLLER_BUTTON_X, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.where) + " " + SDL_GameControllerGetStringForButton(c.button));
        shown = game::LevelView{};
        shown.playing = true;
        c.set(shown);
        EXPECT_EQ(Tap(c.button), c.calls);
    }
}

TEST_F(PadTest, UnpluggingLetsGoOfEverythingAndPauses) {
    // A keyboard key held down with the pad in use.
    shown.planetPanel = true;
    Handle({ShellEvents::Down(SDL_SCANCODE_KP_1)});
    pad->Button(SDL_CONTROLLER_BUTTON_A, true);
    Feed();
    pad->Unplug();
    Feed();
    EXPECT_TRUE(shell.paused);
    EXPECT_EQ(shell.pads.Count(), 0);
    // Back in the game the held key no longer acts.
    shell.SetPaused(false);
    level->calls.clear();
    Handle({ShellEvents::Of(SDL_MOUSEMOTION)});
    EXPECT_EQ(level->calls, Calls{});
}

TEST_F(PadTest, TheMenuFollowsThePadAndItsButtonsCanBeChosen) {
    using Screen = app::Menu::Screen;
    EXPECT_EQ(Tap(SDL_CONTROLLER_BUTTON_START), Calls{});
    ASSERT_TRUE(shell.paused);
    EXPECT_EQ(shell.menu.Focus(), 0); // Resume
    Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    Tap(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(shell.menu.Showing(), Screen::Options);
    Tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT); // the volume a step down
    EXPECT_EQ(shell.settings.volume, 90);
    // The left stick moves the focus a step each tilt.
    pad->Axis(SDL_CONTROLLER_AXIS_LEFTY, 30000);
    Feed();
    pad->Axis(SDL_CONTROLLER_AXIS_LEFTY, 31000);
    Feed();
    EXPECT_EQ(shell.menu.Focus(), 1);
    pad->Axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
    Feed();
    Tap(SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(shell.menu.Showing(), Screen::Main);

    // Controls, Gamepad, the fire button: the next button pressed is fire's.
    shell.menu.Open(Screen::Pad);
    while (shell.menu.Items()[size_t(shell.menu.Focus())].padAction !=
           app::PadBindings::Action::Fire) {
        Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    }
    Tap(SDL_CONTROLLER_BUTTON_A);
    ASSERT_TRUE(shell.menu.WaitsForButton());
    Tap(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    EXPECT_EQ(shell.settings.pad.ButtonOf(app::PadBindings::Action::Fire),
              SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);

    Tap(SDL_CONTROLLER_BUTTON_START);
    EXPECT_FALSE(shell.paused);
    shell.crosshair.Place(10, 20);
    EXPECT_EQ(Tap(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER), (Calls{"right 10,20"}));
    EXPECT_EQ(Tap(SDL_CONTROLLER_BUTTON_X), Calls{});
}

TEST_F(PadTest, ThePadsPromptAndCrosshairShowForAPadPlayerOnly) {
    shown.planetPanel = true;
    Tap(SDL_CONTROLLER_BUTTON_LEFTSHOULDER); // does nothing, but the pad is in use
    Frame();
    EXPECT_NE(shell.overlay->PadPrompt().find(L"D-pad left: take energy"), std::wstring::npos)
        << std::string(shell.overlay->PadPrompt().begin(), shell.overlay->PadPrompt().end());
    EXPECT_FALSE(shell.overlay->ShowsCrosshair()); // nothing to aim at a planet

    shown.planetPanel = false;
    Frame();
    EXPECT_TRUE(shell.overlay->PadPrompt().empty());
    EXPECT_TRUE(shell.overlay->ShowsCrosshair());

    // A mouse click: the pad's things go.
    shown.planetPanel = true;
    Handle({ShellEvents::Button(SDL_BUTTON_LEFT, 10, 10)});
    Frame();
    EXPECT_TRUE(shell.overlay->PadPrompt().empty());
    EXPECT_FALSE(shell.overlay->ShowsCrosshair());
}

} // namespace
} // namespace vantor::test
