// A finger's gestures and the buttons a touch screen shows, on the screens of a phone on its
// side, a phone upright and a 4:3 tablet.
#include "app/TouchButtons.h"
#include "app/TouchControls.h"
#include "graphics/Letterbox.h"

#include "ShellEvents.h"
#include "ShellTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor::test {

namespace {

using app::TouchButtons;
using app::TouchControls;
using Kind = TouchControls::Order::Kind;
using Id = TouchButtons::Id;

constexpr float PhonePixelsPerMm = 96.0f / 25.4f; // CSS pixels

TEST(TouchTest, ATapIsOneOrderAndAHoldOrASecondFingerFires) {
    TouchControls touch;
    EXPECT_FALSE(touch.Seen());
    EXPECT_EQ(touch.Down(1, 100, 200, -1, 1000).kind, Kind::None);
    EXPECT_TRUE(touch.Seen());
    EXPECT_EQ(touch.Tick(1200).kind, Kind::None);
    EXPECT_EQ(touch.Up(1, 1250), (TouchControls::Order{Kind::Tap, 100, 200}));
    EXPECT_EQ(touch.Up(1, 1260).kind, Kind::None); // lifted once only

    // Held: it fires once, where it touched, and gives nothing when lifted.
    touch.Down(2, 50, 60, -1, 2000);
    EXPECT_EQ(touch.Tick(2000 + TouchControls::LongPressMs),
              (TouchControls::Order{Kind::Fire, 50, 60}));
    EXPECT_EQ(touch.Tick(3000).kind, Kind::None);
    EXPECT_EQ(touch.Up(2, 3000).kind, Kind::None);

    // Held with no frame in between to see it: it fires as it is lifted.
    touch.Down(3, 5, 6, -1, 4000);
    EXPECT_EQ(touch.Up(3, 4000 + TouchControls::LongPressMs).kind, Kind::Fire);

    // A second finger fires where it touched; neither finger taps afterwards.
    touch.Down(4, 10, 10, -1, 5000);
    EXPECT_EQ(touch.Down(5, 400, 300, -1, 5050), (TouchControls::Order{Kind::Fire, 400, 300}));
    EXPECT_EQ(touch.Up(5, 5100).kind, Kind::None);
    EXPECT_EQ(touch.Up(4, 5120).kind, Kind::None);
    EXPECT_EQ(touch.Tick(9000).kind, Kind::None);
}

TEST(TouchTest, AButtonActsAtOnceAndADragOrACancelGivesNothing) {
    TouchControls touch;
    EXPECT_EQ(touch.Down(1, 10, 10, 3, 0), (TouchControls::Order{Kind::Button, 10, 10, 3}));
    EXPECT_EQ(touch.Up(1, 100).kind, Kind::None);

    touch.Down(2, 100, 100, -1, 0);
    touch.Motion(2, 100 + TouchControls::Wander + 1, 100);
    EXPECT_EQ(touch.Up(2, 100).kind, Kind::None);
    touch.Down(3, 100, 100, -1, 0);
    touch.Motion(3, 105, 103); // a finger's wobble
    EXPECT_EQ(touch.Up(3, 100).kind, Kind::Tap);

    touch.Down(4, 100, 100, -1, 0);
    touch.Cancel();
    EXPECT_EQ(touch.Tick(5000).kind, Kind::None);
    EXPECT_EQ(touch.Up(4, 5000).kind, Kind::None);
}

// The ids laid out, in order.
std::vector<Id> Ids(const TouchButtons& buttons) {
    std::vector<Id> ids;
    for (int i = 0; i < buttons.Count(); ++i) {
        ids.push_back(buttons.At(i).id);
    }
    return ids;
}

TEST(TouchTest, OnlyTheButtonsThatActShow) {
    TouchButtons buttons;
    const auto lay = [&](void (*set)(game::LevelView&), bool paused = false) {
        game::LevelView view;
        view.playing = true;
        set(view);
        buttons.Lay(view, paused, 844, 390, graphics::Letterbox::Fit(844, 390), PhonePixelsPerMm);
        return Ids(buttons);
    };
    EXPECT_EQ(lay([](game::LevelView& v) {
                  v.titleScreen = true;
                  v.playing = false;
              }),
              (std::vector<Id>{Id::Start, Id::Menu}));
    EXPECT_EQ(lay([](game::LevelView&) {}), (std::vector<Id>{Id::Engineering, Id::Menu}));
    EXPECT_EQ(lay([](game::LevelView& v) { v.planetPanel = true; }),
              (std::vector<Id>{Id::Energy, Id::Science, Id::Leave, Id::Menu}));
    EXPECT_EQ(lay([](game::LevelView& v) { v.engineeringOpen = true; }),
              (std::vector<Id>{Id::Repair, Id::Warp, Id::Research, Id::Close, Id::Menu}));
    EXPECT_EQ(lay([](game::LevelView& v) { v.gameOver = true; }),
              (std::vector<Id>{Id::Start, Id::Menu}));
    EXPECT_EQ(lay([](game::LevelView&) {}, true), (std::vector<Id>{Id::Menu}));
    EXPECT_EQ(TouchButtons::KeyOf(Id::Research), app::HeldKeys::Numpad6);
    EXPECT_EQ(TouchButtons::KeyOf(Id::Close), app::HeldKeys::Enter);
}

TEST(TouchTest, ButtonsAreLargeEnoughAndKeepOffThePictureOrItsStatusBars) {
    struct Screen {
        const char* name;
        int width;
        int height;
        bool besidePicture; // the bars leave room for them
    };
    const Screen screens[] = {
        {"phone on its side", 844, 390, true},
        {"phone upright", 390, 844, true},
        {"4:3 tablet", 1024, 768, false},
    };
    game::LevelView engineering;
    engineering.playing = true;
    engineering.engineeringOpen = true;
    for (const Screen& screen : screens) {
        SCOPED_TRACE(screen.name);
        const SDL_Rect picture = graphics::Letterbox::Fit(screen.width, screen.height);
        TouchButtons buttons;
        buttons.Lay(engineering, false, screen.width, screen.height, picture, PhonePixelsPerMm);
        ASSERT_EQ(buttons.Count(), 5);
        const float scale = static_cast<float>(picture.h) / 768.0f;
        for (int i = 0; i < buttons.Count(); ++i) {
            const SDL_Rect& place = buttons.At(i).place;
            EXPECT_GE(place.w, TouchButtons::MinimumMm * PhonePixelsPerMm) << i;
            EXPECT_GE(place.h, TouchButtons::MinimumMm * PhonePixelsPerMm - 1) << i;
            EXPECT_GE(place.x, 0);
            EXPECT_GE(place.y, 0);
            EXPECT_LE(place.x + place.w, screen.width);
            EXPECT_LE(place.y + place.h, screen.height);
            EXPECT_EQ(buttons.Under(place.x + 1.0f, place.y + 1.0f), i);
            for (int j = 0; j < i; ++j) {
                EXPECT_FALSE(SDL_HasIntersection(&place, &buttons.At(j).place)) << i << " " << j;
            }
            if (screen.besidePicture) {
                EXPECT_FALSE(SDL_HasIntersection(&place, &picture)) << i;
            } else {
                // Between the top status bars (to game row 110) and the bottom one (from 720).
                EXPECT_GE(place.y, picture.y + 110 * scale) << i;
                EXPECT_LE(place.y + place.h, picture.y + 720 * scale) << i;
            }
        }
        EXPECT_EQ(buttons.Under(-5, -5), -1);
        // While the menu is up, Menu stays beside the picture; over it, it would cover the
        // menu's panel, and the menu takes a finger itself.
        buttons.Lay(engineering, true, screen.width, screen.height, picture, PhonePixelsPerMm);
        EXPECT_EQ(buttons.Count(), screen.besidePicture ? 1 : 0);
    }
}

// Fingers through the shell, on the offscreen picture (the output is the picture there).
class TouchShellTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        shell.readLevel = [this] { return shown; };
    }
    // A finger down and up at a place of the output, from 0 to 1 across and down.
    std::vector<std::string> Tap(float x, float y, SDL_FingerID finger = 1) {
        level->calls.clear();
        Handle({Finger(SDL_FINGERDOWN, finger, x, y), Finger(SDL_FINGERUP, finger, x, y)});
        return level->calls;
    }
    static SDL_Event Finger(Uint32 type, SDL_FingerID finger, float x, float y) {
        SDL_Event event{};
        event.type = type;
        event.tfinger.fingerId = finger;
        event.tfinger.x = x;
        event.tfinger.y = y;
        event.tfinger.timestamp = SDL_GetTicks();
        return event;
    }
    game::LevelView shown;
};

TEST_F(TouchShellTest, ATapStartsOnTheTitleAndFliesInPlayOnce) {
    shown.titleScreen = true;
    EXPECT_EQ(Tap(0.3f, 0.3f), (std::vector<std::string>{"enter"}));
    shown = game::LevelView{};
    shown.playing = true;
    EXPECT_EQ(Tap(0.5f, 0.5f), (std::vector<std::string>{"left 512,384"}));
    // The mouse events SDL makes of the same touch do nothing more.
    level->calls.clear();
    SDL_Event mouse = ShellEvents::Button(SDL_BUTTON_LEFT, 512, 384);
    mouse.button.which = SDL_TOUCH_MOUSEID;
    Handle({mouse});
    EXPECT_TRUE(level->calls.empty());
}

TEST_F(TouchShellTest, TheButtonsPressTheirGameKeys) {
    shown.playing = true;
    shown.engineeringOpen = true;
    Tap(0.5f, 0.5f); // the first touch shows the buttons
    ASSERT_EQ(shell.touchButtons.Count(), 5);
    for (int i = 0; i < shell.touchButtons.Count(); ++i) {
        const SDL_Rect place = shell.touchButtons.At(i).place;
        const TouchButtons::Id id = shell.touchButtons.At(i).id;
        SCOPED_TRACE(int(id));
        const std::vector<std::string> calls =
            Tap((place.x + place.w / 2.0f) / 1024.0f, (place.y + place.h / 2.0f) / 768.0f);
        if (id == Id::Menu) {
            EXPECT_TRUE(calls.empty());
            EXPECT_TRUE(shell.paused);
            shell.SetPaused(false);
        } else {
            const char* expected[] = {"action 4", "action 5", "action 6", "enter"};
            EXPECT_EQ(calls, (std::vector<std::string>{expected[i]}));
        }
    }
}

} // namespace
} // namespace vantor::test
