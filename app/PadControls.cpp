#include "app/PadControls.h"

namespace vantor::app {

namespace {

using Intent = PadControls::Intent;
using Kind = Intent::Kind;
using PadAction = PadBindings::Action;

Intent Key(HeldKeys::Key key) {
    return Intent{Kind::GameKey, key};
}

Intent MenuIntent(SDL_GameControllerButton button) {
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return {Kind::MenuUp};
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return {Kind::MenuDown};
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return {Kind::MenuLeft};
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return {Kind::MenuRight};
    case SDL_CONTROLLER_BUTTON_A:
        return {Kind::MenuChoose};
    case SDL_CONTROLLER_BUTTON_B:
        return {Kind::MenuBack};
    case SDL_CONTROLLER_BUTTON_START:
        return {Kind::Menu};
    default:
        return {};
    }
}

// One of the three choices: a planet's or engineering's, wherever one waits.
Intent Choice(int which, const game::LevelView& view) {
    if (view.engineeringOpen) {
        return Key(HeldKeys::Key(HeldKeys::Numpad4 + which));
    }
    if (view.planetPanel) {
        return Key(HeldKeys::Key(HeldKeys::Numpad1 + which));
    }
    return {};
}

} // namespace

Intent PadControls::ForButton(SDL_GameControllerButton button, const PadBindings& bindings,
                              const game::LevelView& view, bool menuOpen) {
    if (menuOpen) {
        return MenuIntent(button);
    }
    if (button == SDL_CONTROLLER_BUTTON_START) {
        return {Kind::Menu};
    }
    PadAction action{};
    if (!bindings.ActionOf(button, action)) {
        return {};
    }
    const bool waitsForEnter = view.titleScreen || view.gameOver;
    switch (action) {
    case PadAction::Fly:
        return waitsForEnter ? Key(HeldKeys::Enter) : Intent{Kind::Fly};
    case PadAction::Fire:
        return view.playing && !view.gameOver ? Intent{Kind::Fire} : Intent{};
    case PadAction::Engineering:
        return view.playing && !view.gameOver ? Key(HeldKeys::Add) : Intent{};
    case PadAction::Close:
        return view.engineeringOpen ? Key(HeldKeys::Enter)
               : view.planetPanel   ? Key(HeldKeys::Numpad3)
                                    : Intent{};
    case PadAction::First:
        return Choice(0, view);
    case PadAction::Second:
        return Choice(1, view);
    case PadAction::Third:
        return Choice(2, view);
    }
    return {};
}

PadControls::Situation PadControls::SituationOf(const game::LevelView& view) {
    if (view.titleScreen) {
        return Situation::Title;
    }
    if (view.gameOver) {
        return Situation::End;
    }
    if (view.engineeringOpen) {
        return Situation::Engineering;
    }
    if (view.planetPanel) {
        return Situation::Planet;
    }
    return Situation::None;
}

std::wstring PadControls::Prompt(Situation situation, const PadBindings& bindings,
                                 PadBindings::Style style) {
    const auto button = [&](PadAction action) {
        return PadBindings::ButtonLabel(bindings.ButtonOf(action), style);
    };
    const std::wstring gap = L"   ";
    switch (situation) {
    case Situation::Title:
        return button(PadAction::Fly) + L": start" + gap +
               PadBindings::ButtonLabel(SDL_CONTROLLER_BUTTON_START, style) + L": menu";
    case Situation::End:
        return button(PadAction::Fly) + L": back to the title";
    case Situation::Planet:
        return button(PadAction::First) + L": take energy" + gap + button(PadAction::Second) +
               L": take science" + gap + button(PadAction::Third) + L" or " +
               button(PadAction::Close) + L": leave";
    case Situation::Engineering:
        return button(PadAction::First) + L": repair" + gap + button(PadAction::Second) +
               L": make warp energy" + gap + button(PadAction::Third) + L": research" + gap +
               button(PadAction::Close) + L": close";
    case Situation::None:
        break;
    }
    return {};
}

PadControls::Rumble PadControls::RumbleFor(const game::LevelView& before,
                                           const game::LevelView& now) {
    if (!before.playing || !now.playing) {
        return {};
    }
    if (now.gameOver && !before.gameOver && !now.playerWon) {
        return {0xFFFF, 0xC000, 600};
    }
    if (now.damage > before.damage) {
        return {0xA000, 0x6000, 200};
    }
    return {};
}

} // namespace vantor::app
