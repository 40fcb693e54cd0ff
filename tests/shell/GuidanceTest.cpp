// What the game tells the player, worked out from what the level shows frame by frame: each
// banner, pop-up and prompt for its own change and only once, the flash, the refused line and
// the end's summary.
#include "app/Guidance.h"

#include <gtest/gtest.h>

#include <string>

namespace vantor::test {

namespace {

using game::LevelView;

// A game in play in the first sector, the ship far from the bars.
LevelView Playing() {
    LevelView view;
    view.playing = true;
    view.sector = 1;
    view.shipX = 500;
    view.shipY = 400;
    view.warpEnergy = 20000;
    view.torpedoes = 5;
    return view;
}

class GuidanceTest : public ::testing::Test {
protected:
    // Frames with the level showing the same, as a steady game gives them.
    void Frames(const LevelView& view, int count) {
        for (int frame = 0; frame < count; ++frame) {
            guidance.Frame(view);
        }
    }

    std::wstring PopupTexts() const {
        std::wstring texts;
        for (int slot = 0; slot < app::Guidance::MaxPopups; ++slot) {
            if (const app::Guidance::Popup* popup = guidance.PopupAt(slot)) {
                texts += std::wstring(popup->text.data()) + L"|";
            }
        }
        return texts;
    }

    static std::wstring Text(const wchar_t* text) { return text != nullptr ? text : L"(none)"; }

    app::Settings settings;
    app::Guidance guidance{settings};
};

TEST_F(GuidanceTest, EnteringASectorShowsItsBannerForAboutTwoSeconds) {
    LevelView title;
    title.titleScreen = true;
    Frames(title, 10);
    EXPECT_EQ(guidance.Banner(), nullptr);
    LevelView view = Playing();
    guidance.Frame(view);
    EXPECT_EQ(Text(guidance.Banner()), L"Sector 1 of 15");
    EXPECT_EQ(guidance.BannerSecondLine(), nullptr);
    Frames(view, app::Guidance::BannerFrames - 1);
    EXPECT_EQ(Text(guidance.Banner()), L"Sector 1 of 15");
    guidance.Frame(view);
    EXPECT_EQ(guidance.Banner(), nullptr);
    view.sector = 5;
    guidance.Frame(view);
    EXPECT_EQ(Text(guidance.Banner()), L"Sector 5 of 15");
    // Shown once: the same sector again brings nothing new.
    Frames(view, app::Guidance::BannerFrames);
    EXPECT_EQ(guidance.Banner(), nullptr);
}

TEST_F(GuidanceTest, TheBossSectorSaysWhatTheBossTakesAndCountsItsHits) {
    LevelView view = Playing();
    view.sector = 14;
    Frames(view, 200);
    EXPECT_EQ(guidance.BossLine(), nullptr);
    view.sector = 15;
    guidance.Frame(view);
    EXPECT_EQ(Text(guidance.Banner()), L"Sector 15 of 15");
    EXPECT_EQ(Text(guidance.BannerSecondLine()), L"The boss: six torpedo hits destroy it");
    EXPECT_EQ(Text(guidance.BossLine()), L"Boss hits 0 / 6");
    view.bossHits = 2;
    guidance.Frame(view);
    EXPECT_EQ(Text(guidance.BossLine()), L"Boss hits 2 / 6");
    view.gameOver = true;
    view.playerWon = true;
    view.sector = 16;
    guidance.Frame(view);
    EXPECT_EQ(guidance.BossLine(), nullptr);
}

TEST_F(GuidanceTest, ARammingShowsItsCostByTheEnergyBarAndFlashes) {
    LevelView view = Playing();
    view.energy = 400;
    Frames(view, 5);
    view.damage = 1;
    view.energy = 250;
    guidance.Frame(view);
    EXPECT_EQ(PopupTexts(), L"Rammed: \u2212150 energy|");
    EXPECT_FLOAT_EQ(guidance.Flash(), 1.0f);
    const app::Guidance::Popup* popup = guidance.PopupAt(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_LT(popup->y, 150) << "by the top bar, where the energy is";
    Frames(view, app::Guidance::FlashFrames);
    EXPECT_FLOAT_EQ(guidance.Flash(), 0.0f);
    // With nothing left to lose, a ramming says so alone; with reduced flashing, no flash.
    settings.reducedFlashing = true;
    view.energy = 0;
    guidance.Frame(view);
    view.damage = 2;
    guidance.Frame(view);
    EXPECT_NE(PopupTexts().find(L"Rammed|"), std::wstring::npos);
    EXPECT_FLOAT_EQ(guidance.Flash(), 0.0f);
}

TEST_F(GuidanceTest, GainsAndLossesAppearOnceNearTheirBarsAndFade) {
    LevelView view = Playing();
    Frames(view, 5);
    view.energy = 85;
    guidance.Frame(view);
    view.science = 65;
    guidance.Frame(view);
    EXPECT_EQ(PopupTexts(), L"+85 energy|+65 science|");
    view.energy = 25; // a repair in engineering
    view.damage = 0;
    guidance.Frame(view);
    EXPECT_NE(PopupTexts().find(L"\u221260 energy"), std::wstring::npos);
    view.rank = 1;
    view.weaponLevel = 1;
    guidance.Frame(view);
    const std::wstring texts = PopupTexts();
    EXPECT_NE(texts.find(L"Promoted: rank 1"), std::wstring::npos)
        << std::string(texts.begin(), texts.end());
    EXPECT_NE(texts.find(L"Weapon upgraded"), std::wstring::npos);
    // A rank that falls back is no promotion.
    view.rank = 0;
    Frames(view, app::Guidance::PopupFrames);
    EXPECT_EQ(guidance.PopupCount(), 0);
    view.rank = 1;
    guidance.Frame(view);
    EXPECT_EQ(PopupTexts(), L"Promoted: rank 1|");
}

TEST_F(GuidanceTest, PopupsNeverCoverTheShip) {
    LevelView view = Playing();
    view.shipX = 380;
    view.shipY = 40; // right under the energy bar
    Frames(view, 5);
    view.energy = 85;
    guidance.Frame(view);
    const app::Guidance::Popup* popup = guidance.PopupAt(0);
    ASSERT_NE(popup, nullptr);
    const SDL_Rect ship = {view.shipX, view.shipY, 100, 75};
    const SDL_Rect place = {popup->x, popup->y, 170, 28};
    EXPECT_FALSE(SDL_HasIntersection(&ship, &place));
}

TEST_F(GuidanceTest, FirstPlayPromptsLastUntilThePlayerHasDoneEachOnce) {
    LevelView view = Playing();
    guidance.Frame(view);
    EXPECT_EQ(Text(guidance.Prompt()), L"Left click: fly there");
    view.shipMoving = true;
    EXPECT_TRUE(guidance.Frame(view)) << "learned: the settings are to be kept";
    EXPECT_TRUE(settings.learnedFly);
    EXPECT_EQ(Text(guidance.Prompt()), L"Right click: fire at the enemy");
    view.torpedoFlying = true;
    guidance.Frame(view);
    EXPECT_EQ(guidance.Prompt(), nullptr);
    // A planet's panel: its three keys, as they are bound.
    app::KeyBindings::Action holder{};
    ASSERT_TRUE(settings.keys.Bind(app::KeyBindings::Action::TakeEnergy, SDLK_j, holder));
    view.planetPanel = true;
    guidance.Frame(view);
    EXPECT_EQ(Text(guidance.Prompt()),
              L"J: take energy  \u00b7  Keypad 2: take science  \u00b7  Keypad 3: leave");
    view.planetPanel = false;
    view.energy = 85;
    guidance.Frame(view);
    EXPECT_TRUE(settings.learnedPlanet);
    EXPECT_EQ(Text(guidance.Prompt()), L"Keypad + opens engineering");
    view.engineeringOpen = true;
    guidance.Frame(view);
    EXPECT_TRUE(settings.learnedEngineering);
    EXPECT_EQ(guidance.Prompt(), nullptr);
    view.engineeringOpen = false;
    // The way on, after a while in the first sector, until the second is reached.
    Frames(view, app::Guidance::WayOnAfterFrames + 1);
    EXPECT_EQ(Text(guidance.Prompt()), L"Fly past the right edge to reach the next sector");
    view.sector = 2;
    guidance.Frame(view);
    EXPECT_TRUE(settings.learnedNextSector);
    EXPECT_EQ(guidance.Prompt(), nullptr);
}

TEST_F(GuidanceTest, PromptsAndSummaryNameWhatThePlayerPlaysWith) {
    LevelView view = Playing();
    // A Nintendo pad: the south button prints B, the west one Y.
    guidance.Use(app::InputDevice::Pad, app::PadBindings::Style::Nintendo);
    guidance.Frame(view);
    EXPECT_EQ(Text(guidance.Prompt()), L"B: fly to the crosshair (left stick)");
    // A finger: taps, not clicks; the prompt follows the device without another change.
    guidance.Use(app::InputDevice::Touch, app::PadBindings::Style::Xbox);
    guidance.Frame(view);
    EXPECT_EQ(Text(guidance.Prompt()), L"Tap: fly there");
    view.planetPanel = true;
    guidance.Frame(view);
    EXPECT_EQ(Text(guidance.Prompt()), L"Tap Energy, Science or Leave beside the picture");
    view.planetPanel = false;
    guidance.Use(app::InputDevice::KeyboardAndMouse, app::PadBindings::Style::Xbox);
    guidance.Frame(view);
    EXPECT_EQ(Text(guidance.Prompt()), L"Left click: fly there");

    view.gameOver = true;
    guidance.Use(app::InputDevice::Touch, app::PadBindings::Style::Xbox);
    guidance.Frame(view);
    const std::wstring summary = Text(guidance.Summary());
    EXPECT_EQ(summary.substr(summary.rfind(L"·") + 3), L"Tap Start: title");
}

TEST_F(GuidanceTest, NoPromptWithoutHintsOrOnceLearned) {
    settings.hints = false;
    LevelView view = Playing();
    Frames(view, app::Guidance::WayOnAfterFrames + 10);
    EXPECT_EQ(guidance.Prompt(), nullptr);
    settings.hints = true;
    settings.learnedFly = true;
    settings.learnedFire = true;
    settings.learnedNextSector = true;
    guidance.Frame(view);
    EXPECT_EQ(guidance.Prompt(), nullptr);
    // Nothing at all on the title.
    LevelView title;
    title.titleScreen = true;
    settings.learnedFly = false;
    guidance.Frame(title);
    EXPECT_EQ(guidance.Prompt(), nullptr);
}

TEST_F(GuidanceTest, ARefusedKeyGetsItsLineForASecond) {
    LevelView view = Playing();
    guidance.Frame(view);
    EXPECT_EQ(guidance.RefusedLine(), nullptr);
    guidance.Refused();
    EXPECT_EQ(Text(guidance.RefusedLine()), L"Not possible now");
    Frames(view, app::Guidance::RefusedFrames);
    EXPECT_EQ(guidance.RefusedLine(), nullptr);
}

TEST_F(GuidanceTest, TheEndSumsUpTheRunUntilTheTitle) {
    LevelView view = Playing();
    Frames(view, 125 * app::Guidance::FramesPerSecond);
    view.sector = 9;
    view.kills = 7;
    view.gameOver = true;
    guidance.Frame(view);
    EXPECT_EQ(Text(guidance.Summary()),
              L"Defeat  \u00b7  sector 9 of 15  \u00b7  7 kills  \u00b7  2:05 played  \u00b7  "
              L"Return: title");
    // The end screen stays; the time does not run on.
    Frames(view, 600);
    EXPECT_NE(Text(guidance.Summary()).find(L"2:05"), std::wstring::npos);
    LevelView title;
    title.titleScreen = true;
    guidance.Frame(title);
    EXPECT_EQ(guidance.Summary(), nullptr);

    // A victory leaves the level in sector 16: the summary says 15.
    view = Playing();
    guidance.Frame(view);
    view.sector = 16;
    view.gameOver = true;
    view.playerWon = true;
    guidance.Frame(view);
    EXPECT_EQ(Text(guidance.Summary()).rfind(L"Victory  \u00b7  sector 15 of 15", 0), 0u);
}

} // namespace

} // namespace vantor::test
