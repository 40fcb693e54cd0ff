// The game's menu as a model, without a window: which item has the focus and where it goes,
// what sliders and switches do to the settings, the way back from every screen, and the keys
// a player binds.
#include "app/Menu.h"

#include <gtest/gtest.h>

#include <string>

namespace vantor::test {

namespace {

using app::Menu;
using Action = app::KeyBindings::Action;
using Screen = Menu::Screen;
using Then = Menu::Outcome::Then;
using Hear = Menu::Outcome::Hear;

class MenuTest : public ::testing::Test {
protected:
    // Opens the screen from the main menu, as a player would reach it.
    void Reach(Screen screen) {
        menu.Open(Screen::Main);
        const int row = screen == Screen::Options     ? 1
                        : screen == Screen::Controls  ? 2
                        : screen == Screen::HowToPlay ? 3
                        : screen == Screen::Records   ? 4
                                                      : 5;
        for (int step = 0; step < row; ++step) {
            menu.MoveFocus(1);
        }
        menu.Activate();
        ASSERT_EQ(menu.Showing(), screen);
    }

    // Moves the focus to the item, down from where it is.
    void FocusOn(Menu::Id id, Action action = Action::Start) {
        for (size_t tries = 0; tries < menu.Items().size(); ++tries) {
            const Menu::Item& item = menu.Items()[size_t(menu.Focus())];
            if (item.id == id && (id != Menu::Id::Key || item.action == action)) {
                return;
            }
            menu.MoveFocus(1);
        }
        FAIL() << "no such item on this screen";
    }

    std::wstring FocusedLabel() const { return menu.Items()[size_t(menu.Focus())].label; }

    app::Settings settings;
    Menu menu{settings};
};

TEST_F(MenuTest, TheMainMenuOpensOnResumeAndTheFocusWrapsRoundBothEnds) {
    EXPECT_FALSE(menu.IsOpen());
    menu.Open(Screen::Main);
    ASSERT_EQ(menu.Items().size(), 6u);
    EXPECT_EQ(FocusedLabel(), L"Resume");
    menu.MoveFocus(-1);
    EXPECT_EQ(FocusedLabel(), L"Quit");
    menu.MoveFocus(1);
    EXPECT_EQ(FocusedLabel(), L"Resume");
    for (const wchar_t* expected :
         {L"Options", L"Controls", L"How to play", L"Records", L"Quit", L"Resume"}) {
        menu.MoveFocus(1);
        EXPECT_EQ(FocusedLabel(), expected);
    }
}

TEST_F(MenuTest, TheFocusPassesOverWhatCannotBeChosen) {
    Reach(Screen::Controls);
    // Fly and Fire only show the mouse buttons: the focus starts below them and skips them.
    EXPECT_EQ(menu.Items()[size_t(menu.Focus())].id, Menu::Id::LeftHanded);
    menu.MoveFocus(-1);
    EXPECT_EQ(menu.Items()[size_t(menu.Focus())].id, Menu::Id::Back);
    menu.MoveFocus(1);
    EXPECT_EQ(menu.Items()[size_t(menu.Focus())].id, Menu::Id::LeftHanded);
}

TEST_F(MenuTest, SlidersMoveInTensWithinTheirLimitsAndAreHeard) {
    Reach(Screen::Options);
    FocusOn(Menu::Id::Music);
    EXPECT_FALSE(menu.Adjust(1).settingsChanged) << "already at 100%";
    for (int expected : {90, 80, 70}) {
        const Menu::Outcome outcome = menu.Adjust(-1);
        EXPECT_TRUE(outcome.settingsChanged);
        EXPECT_EQ(outcome.hear, Hear::Nothing) << "the music is heard as it plays";
        EXPECT_EQ(settings.musicVolume, expected);
    }
    EXPECT_EQ(menu.ValueOf(menu.Items()[size_t(menu.Focus())]), L"70%");

    FocusOn(Menu::Id::Effects);
    EXPECT_EQ(menu.Adjust(-1).hear, Hear::Effect);
    FocusOn(Menu::Id::Voices);
    for (int step = 0; step < 12; ++step) {
        menu.Adjust(-1);
    }
    EXPECT_EQ(settings.voiceVolume, 0);
    EXPECT_EQ(menu.Adjust(-1).settingsChanged, false);
    EXPECT_EQ(menu.Adjust(1).hear, Hear::Voice);
    EXPECT_EQ(settings.voiceVolume, 10);
}

TEST_F(MenuTest, DraggingASliderLandsOnAStepAndUnmutes) {
    settings.mute = true;
    Reach(Screen::Options);
    const int volume = 0; // the first row
    EXPECT_TRUE(menu.Drag(volume, 0.34f).settingsChanged);
    EXPECT_EQ(settings.volume, 30);
    EXPECT_FALSE(settings.mute) << "moving a volume is a wish to hear it";
    menu.Drag(volume, 0.36f);
    EXPECT_EQ(settings.volume, 40);
    menu.Drag(volume, -2.0f);
    EXPECT_EQ(settings.volume, 0);
    menu.Drag(volume, 7.0f);
    EXPECT_EQ(settings.volume, 100);
    // Only a slider is dragged.
    EXPECT_FALSE(menu.Drag(4, 0.0f).settingsChanged);
    EXPECT_FALSE(settings.mute);
}

TEST_F(MenuTest, SwitchesTurnOverWithEnterLeftRightOrAClick) {
    Reach(Screen::Options);
    FocusOn(Menu::Id::Captions);
    EXPECT_TRUE(settings.captions);
    EXPECT_TRUE(menu.Activate().settingsChanged);
    EXPECT_FALSE(settings.captions);
    menu.Adjust(1);
    EXPECT_TRUE(settings.captions);
    menu.Adjust(-1);
    EXPECT_FALSE(settings.captions);
    EXPECT_EQ(menu.ValueOf(menu.Items()[size_t(menu.Focus())]), L"Off");

    const int each = int(menu.Items().size()) - 2; // "Each key press acts once"
    EXPECT_TRUE(menu.Click(each).settingsChanged);
    EXPECT_TRUE(settings.eachPressOnce);
    EXPECT_EQ(menu.Focus(), each);

    // The guidance's two switches.
    FocusOn(Menu::Id::Hints);
    EXPECT_TRUE(menu.Activate().settingsChanged);
    EXPECT_FALSE(settings.hints);
    FocusOn(Menu::Id::ReducedFlashing);
    EXPECT_TRUE(menu.Activate().settingsChanged);
    EXPECT_TRUE(settings.reducedFlashing);
    EXPECT_FALSE(settings.hints);
}

TEST_F(MenuTest, EscapeGoesBackOneScreenFromEveryScreen) {
    struct Case {
        Screen screen;
        const wchar_t* focusedAfter;
    };
    for (const Case& step :
         {Case{Screen::Options, L"Options"}, Case{Screen::Controls, L"Controls"},
          Case{Screen::HowToPlay, L"How to play"}, Case{Screen::Records, L"Records"},
          Case{Screen::ConfirmQuit, L"Quit"}}) {
        Reach(step.screen);
        EXPECT_EQ(menu.Back().then, Then::Nothing);
        EXPECT_EQ(menu.Showing(), Screen::Main);
        EXPECT_EQ(FocusedLabel(), step.focusedAfter);
    }
    EXPECT_EQ(menu.Back().then, Then::Resume);
    EXPECT_FALSE(menu.IsOpen());
}

TEST_F(MenuTest, ResumeQuitAndBackDoWhatTheySay) {
    menu.Open(Screen::Main);
    EXPECT_EQ(menu.Activate().then, Then::Resume);
    EXPECT_FALSE(menu.IsOpen());

    Reach(Screen::ConfirmQuit);
    EXPECT_EQ(FocusedLabel(), L"Yes");
    menu.MoveFocus(1);
    EXPECT_EQ(menu.Activate().then, Then::Nothing) << "No keeps the game";
    EXPECT_EQ(menu.Showing(), Screen::Main);
    Reach(Screen::ConfirmQuit);
    EXPECT_EQ(menu.Activate().then, Then::Quit);

    Reach(Screen::Options);
    FocusOn(Menu::Id::Back);
    menu.Activate();
    EXPECT_EQ(menu.Showing(), Screen::Main);
}

TEST_F(MenuTest, HowToPlayOpenedByItsKeyClosesTheMenuOnBack) {
    menu.Open(Screen::HowToPlay);
    EXPECT_EQ(menu.Title(), std::wstring(L"How to play"));
    EXPECT_EQ(menu.Back().then, Then::Resume);
    EXPECT_FALSE(menu.IsOpen());
}

TEST_F(MenuTest, TheHowToPlayCardNamesTheKeysAsTheyAreBound) {
    Action holder{};
    ASSERT_TRUE(settings.keys.Bind(Action::Engineering, SDLK_e, holder));
    settings.leftHanded = true;
    std::wstring card;
    for (const std::wstring& line : menu.HowToPlayLines()) {
        card += line + L"\n";
    }
    EXPECT_NE(card.find(L"E opens engineering"), std::wstring::npos)
        << std::string(card.begin(), card.end());
    EXPECT_EQ(card.find(L"Keypad + opens"), std::wstring::npos);
    EXPECT_NE(card.find(L"Right click flies the ship"), std::wstring::npos);
    EXPECT_NE(card.find(L"Keypad 1 takes its energy"), std::wstring::npos);
}

TEST_F(MenuTest, AKeyIsBoundByPressingItAndAKeyInUseIsRefusedWithWhereItIsUsed) {
    Reach(Screen::Controls);
    FocusOn(Menu::Id::Key, Action::Engineering);
    menu.Activate();
    ASSERT_TRUE(menu.WaitsForKey());
    EXPECT_NE(menu.Message().find(L"Open engineering"), std::wstring::npos);
    // While it waits, nothing else moves.
    const int focus = menu.Focus();
    menu.MoveFocus(1);
    EXPECT_EQ(menu.Focus(), focus);
    // A key only modifying others is no answer.
    EXPECT_FALSE(menu.KeyPressed(SDLK_LSHIFT).settingsChanged);
    EXPECT_TRUE(menu.WaitsForKey());
    EXPECT_TRUE(menu.KeyPressed(SDLK_e).settingsChanged);
    EXPECT_FALSE(menu.WaitsForKey());
    EXPECT_EQ(settings.keys.KeyOf(Action::Engineering), SDLK_e);
    EXPECT_EQ(menu.ValueOf(menu.Items()[size_t(menu.Focus())]), L"E");

    // Keypad 4 repairs: refused, said where it is used, and nothing changes.
    FocusOn(Menu::Id::Key, Action::Research);
    menu.Activate();
    EXPECT_FALSE(menu.KeyPressed(SDLK_KP_4).settingsChanged);
    EXPECT_FALSE(menu.WaitsForKey());
    EXPECT_EQ(menu.Message(), L"Keypad 4 is used for Repair: choose another key.");
    EXPECT_EQ(settings.keys.KeyOf(Action::Research), SDLK_KP_6);
    EXPECT_EQ(settings.keys.KeyOf(Action::Repair), SDLK_KP_4);

    // Escape gives up waiting and keeps the key.
    menu.Activate();
    EXPECT_EQ(menu.KeyPressed(SDLK_ESCAPE).then, Then::Nothing);
    EXPECT_FALSE(menu.WaitsForKey());
    EXPECT_EQ(menu.Showing(), Screen::Controls);
    EXPECT_EQ(settings.keys.KeyOf(Action::Research), SDLK_KP_6);
}

TEST_F(MenuTest, ResetPutsEveryKeyBack) {
    Action holder{};
    ASSERT_TRUE(settings.keys.Bind(Action::Pause, SDLK_SPACE, holder));
    ASSERT_TRUE(settings.keys.Bind(Action::TakeEnergy, SDLK_j, holder));
    Reach(Screen::Controls);
    FocusOn(Menu::Id::ResetKeys);
    EXPECT_TRUE(menu.Activate().settingsChanged);
    EXPECT_EQ(settings.keys, app::KeyBindings{});
    EXPECT_FALSE(menu.Message().empty());
    EXPECT_FALSE(menu.Activate().settingsChanged) << "nothing left to reset";
}

TEST_F(MenuTest, TheMouseButtonsShowSwappedForALeftHandedPlayer) {
    Reach(Screen::Controls);
    EXPECT_EQ(menu.ValueOf(menu.Items()[0]), L"Left click");
    EXPECT_EQ(menu.ValueOf(menu.Items()[1]), L"Right click");
    menu.Activate(); // the left-handed switch
    EXPECT_TRUE(settings.leftHanded);
    EXPECT_EQ(menu.ValueOf(menu.Items()[0]), L"Right click");
    EXPECT_EQ(menu.ValueOf(menu.Items()[1]), L"Left click");
    // Pointing at or clicking what cannot be chosen does nothing.
    menu.Point(0);
    EXPECT_EQ(menu.Focus(), 2);
    EXPECT_FALSE(menu.Click(1).settingsChanged);
}

} // namespace

} // namespace vantor::test
