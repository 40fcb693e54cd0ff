// What a pad's buttons are called and what the pad feels, for each family of pads.
#include "app/PadControls.h"

#include <gtest/gtest.h>

namespace vantor::test {

namespace {

using app::PadBindings;
using app::PadControls;
using Style = PadBindings::Style;

TEST(PadControlsTest, ThePromptNamesTheButtonsAsThePadPrintsThem) {
    const PadBindings pad;
    const std::wstring xbox = PadControls::Prompt(
        PadControls::Situation::Title, pad, PadBindings::StyleOf(SDL_CONTROLLER_TYPE_XBOXONE));
    EXPECT_EQ(xbox.rfind(L"A: start", 0), 0u);
    // Nintendo prints B on the south button; PlayStation a cross.
    EXPECT_EQ(PadControls::Prompt(PadControls::Situation::Title, pad,
                                  PadBindings::StyleOf(SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_PRO))
                  .rfind(L"B: start", 0),
              0u);
    EXPECT_EQ(PadControls::Prompt(PadControls::Situation::Title, pad,
                                  PadBindings::StyleOf(SDL_CONTROLLER_TYPE_PS5))
                  .rfind(L"Cross: start", 0),
              0u);
    const std::wstring engineering =
        PadControls::Prompt(PadControls::Situation::Engineering, pad, Style::Nintendo);
    EXPECT_NE(engineering.find(L"D-pad left: repair"), std::wstring::npos);
    EXPECT_NE(engineering.find(L"A: close"), std::wstring::npos); // the east button
    EXPECT_TRUE(PadControls::Prompt(PadControls::Situation::None, pad, Style::Xbox).empty());
}

TEST(PadControlsTest, ThePadRumblesForARammingAndLongerForTheShipsEnd) {
    game::LevelView before;
    before.playing = true;
    game::LevelView rammed = before;
    rammed.damage = 1;
    const PadControls::Rumble short_ = PadControls::RumbleFor(before, rammed);
    EXPECT_GT(short_.ms, 0u);
    game::LevelView destroyed = rammed;
    destroyed.gameOver = true;
    const PadControls::Rumble long_ = PadControls::RumbleFor(rammed, destroyed);
    EXPECT_GT(long_.ms, short_.ms);
    // A victory, a repair, the title: nothing.
    game::LevelView won = destroyed;
    won.playerWon = true;
    EXPECT_EQ(PadControls::RumbleFor(rammed, won).ms, 0u);
    EXPECT_EQ(PadControls::RumbleFor(rammed, before).ms, 0u);
    EXPECT_EQ(PadControls::RumbleFor(game::LevelView{}, rammed).ms, 0u);
}

} // namespace
} // namespace vantor::test
