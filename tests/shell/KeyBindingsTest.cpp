// Which key does what: every action's default key and name, the keys that serve keyboards
// without a numeric keypad, and binding a key.
#include "app/KeyBindings.h"
#include "app/HeldKeys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vantor::test {

namespace {

using app::KeyBindings;
using Action = KeyBindings::Action;

TEST(KeyBindings, EveryActionHasItsOwnNameAndDefaultKeyWhichTheFileCanSpell) {
    KeyBindings keys;
    std::set<std::string> names;
    std::set<SDL_Keycode> defaults;
    for (Action action : KeyBindings::All) {
        names.insert(KeyBindings::Name(action));
        defaults.insert(keys.KeyOf(action));
        Action named{};
        ASSERT_TRUE(KeyBindings::FromName(KeyBindings::Name(action), named));
        EXPECT_EQ(named, action);
        const std::string spelled = KeyBindings::KeyName(keys.KeyOf(action));
        EXPECT_EQ(KeyBindings::KeyFromName(spelled), keys.KeyOf(action)) << spelled;
    }
    EXPECT_EQ(names.size(), size_t(KeyBindings::Count));
    EXPECT_EQ(defaults.size(), size_t(KeyBindings::Count));
    EXPECT_EQ(std::string(KeyBindings::Name(Action::MakeWarp)), "make_warp");
    EXPECT_EQ(KeyBindings::KeyName(SDLK_KP_PLUS), "Keypad +");
    EXPECT_EQ(KeyBindings::KeyFromName("Semicolon"), SDLK_SEMICOLON);
    EXPECT_EQ(KeyBindings::KeyFromName("NoSuchKey"), SDLK_UNKNOWN);
}

TEST(KeyBindings, TheGamesKeysActAsTheKeypadKeysAndEnterTheLevelHasAlwaysRead) {
    const std::pair<Action, app::HeldKeys::Key> expected[] = {
        {Action::TakeEnergy, app::HeldKeys::Numpad1},
        {Action::TakeScience, app::HeldKeys::Numpad2},
        {Action::LeavePlanet, app::HeldKeys::Numpad3},
        {Action::Repair, app::HeldKeys::Numpad4},
        {Action::MakeWarp, app::HeldKeys::Numpad5},
        {Action::Research, app::HeldKeys::Numpad6},
        {Action::Engineering, app::HeldKeys::Add},
        {Action::Start, app::HeldKeys::Enter},
    };
    for (const auto& [action, key] : expected) {
        EXPECT_TRUE(KeyBindings::IsGameKey(action));
        EXPECT_EQ(app::HeldKeys::For(action), key);
    }
    EXPECT_FALSE(KeyBindings::IsGameKey(Action::Pause));
    EXPECT_EQ(app::HeldKeys::For(Action::Pause), app::HeldKeys::Count);
}

TEST(KeyBindings, TheTopRowServesUntilAnActionHasItsKey) {
    KeyBindings keys;
    Action action{};
    ASSERT_TRUE(keys.ActionOf(SDLK_1, action));
    EXPECT_EQ(action, Action::TakeEnergy);
    ASSERT_TRUE(keys.ActionOf(SDLK_EQUALS, action));
    EXPECT_EQ(action, Action::Engineering);
    ASSERT_TRUE(keys.ActionOf(SDLK_KP_ENTER, action));
    EXPECT_EQ(action, Action::Start);

    Action holder{};
    ASSERT_TRUE(keys.Bind(Action::Pause, SDLK_1, holder));
    ASSERT_TRUE(keys.ActionOf(SDLK_1, action));
    EXPECT_EQ(action, Action::Pause);
    // Its own key still takes energy.
    ASSERT_TRUE(keys.ActionOf(SDLK_KP_1, action));
    EXPECT_EQ(action, Action::TakeEnergy);
    EXPECT_FALSE(keys.ActionOf(SDLK_x, action));
    EXPECT_FALSE(keys.ActionOf(SDLK_UNKNOWN, action));
}

TEST(KeyBindings, AKeyBelongsToOneActionAtMost) {
    KeyBindings keys;
    Action holder{};
    EXPECT_FALSE(keys.Bind(Action::Research, SDLK_m, holder));
    EXPECT_EQ(holder, Action::Mute);
    EXPECT_EQ(keys.KeyOf(Action::Research), SDLK_KP_6);
    // Its own key again, and no key at all for several actions, are no clash.
    EXPECT_TRUE(keys.Bind(Action::Mute, SDLK_m, holder));
    EXPECT_TRUE(keys.Bind(Action::Mute, SDLK_UNKNOWN, holder));
    EXPECT_TRUE(keys.Bind(Action::Help, SDLK_UNKNOWN, holder));
    Action action{};
    EXPECT_FALSE(keys.ActionOf(SDLK_m, action));
    EXPECT_TRUE(keys.Bind(Action::Research, SDLK_m, holder));
    keys.Reset();
    EXPECT_EQ(keys, KeyBindings{});
    EXPECT_FALSE(KeyBindings::Bindable(SDLK_ESCAPE));
    EXPECT_FALSE(KeyBindings::Bindable(SDLK_RCTRL));
    EXPECT_TRUE(KeyBindings::Bindable(SDLK_F5));
}

} // namespace

} // namespace vantor::test
