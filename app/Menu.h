#pragma once

#include "app/KeyBindings.h"
#include "app/PadBindings.h"
#include "app/Settings.h"

#include <string>
#include <vector>

namespace vantor::app {

// The game's own menu as a model: which screen shows, its items, which one has the focus, and
// the settings its sliders and switches change. It knows nothing of how it is drawn (MenuView)
// or of the device that moves it: the shell turns keys and the mouse (and may turn anything
// else) into the operations below. While the menu is open the game is paused.
//
// Screens: the main menu (Resume, Options, Controls, How to play, Quit), Options (four volume
// sliders and eight switches), Controls (the mouse buttons, the left-handed switch and every
// action's key, which the player may change), Gamepad (reached from Controls: the pad's button
// of each action, which the player may change, and the rumble), How to play (a card), and the
// question before quitting. Every screen but the main one ends with Back.
//
// The menu changes the settings it is given at once; what else a change needs (the sound's
// volumes, fullscreen, the pointer, a short sound to hear a volume by, keeping the settings)
// is the shell's, told by the outcome of each operation. Used on the game's thread; the
// settings must outlive the menu.
class Menu {
public:
    enum class Screen { Closed, Main, Options, Controls, Pad, HowToPlay, Records, ConfirmQuit };

    enum class Kind {
        Button,     // does something when activated
        Slider,     // 0 to 100 in steps of 10
        Switch,     // on or off
        Binding,    // an action's key: activated, it waits for the next key
        PadBinding, // an action's pad button: activated, it waits for the next button
        Info,       // shown, never focused
    };

    enum class Id {
        Resume,
        Options,
        Controls,
        HowToPlay,
        Records,
        Quit,
        Volume,
        Music,
        Effects,
        Voices,
        Mute,
        Fullscreen,
        PauseOnFocusLoss,
        KeepMouseInside,
        Captions,
        Hints,
        ReducedFlashing,
        EachPressOnce,
        Fly,
        Fire,
        LeftHanded,
        Key, // with its action
        ResetKeys,
        Pad,       // the Gamepad screen
        PadButton, // with its pad action
        Rumble,
        ResetPad,
        Back,
        Yes,
        No,
    };

    struct Item {
        Id id;
        Kind kind;
        const wchar_t* label;
        KeyBindings::Action action = KeyBindings::Action::Start;  // of a Key item
        PadBindings::Action padAction = PadBindings::Action::Fly; // of a PadButton item
    };

    // What the shell is to do after an operation, besides keeping the changed settings.
    struct Outcome {
        enum class Then { Nothing, Resume, Quit } then = Then::Nothing;
        bool settingsChanged = false;
        // A volume slider moved: the kind of sound to play a short sample of.
        enum class Hear { Nothing, Effect, Voice } hear = Hear::Nothing;
    };

    explicit Menu(Settings& settings) : settings(settings) {}

    // Opens the screen (Main with Resume focused, or How to play straight away, from which
    // Back then closes the menu again); Close shuts every screen.
    void Open(Screen screen);
    void Close();
    bool IsOpen() const { return screen != Screen::Closed; }
    Screen Showing() const { return screen; }

    // The items of the screen showing, in order, and the one with the focus.
    const std::vector<Item>& Items() const { return items; }
    int Focus() const { return focus; }
    const wchar_t* Title() const;
    // A line under the items: the key a binding waits for, a key refused, keys reset.
    const std::wstring& Message() const { return message; }
    // The How to play card, its lines with the keys as they are now bound.
    std::vector<std::wstring> HowToPlayLines() const;
    // The Records screen's lines, as the shell last gave them.
    void SetRecordLines(std::vector<std::wstring> lines) { recordLines = std::move(lines); }
    const std::vector<std::wstring>& RecordLines() const { return recordLines; }

    // The value an item shows: a slider's percentage, a switch's "On"/"Off", a key's name, a
    // mouse button; empty for a button.
    std::wstring ValueOf(const Item& item) const;
    int SliderValue(const Item& item) const;
    bool SwitchValue(const Item& item) const;

    // The focus to the item before or after, round the ends, past what cannot be focused.
    void MoveFocus(int step);
    // Left or right on the focused item: a slider down or up a step, a switch over.
    Outcome Adjust(int step);
    // Enter on the focused item.
    Outcome Activate();
    // Escape: a waiting binding gives up, else back one screen (from the main one, closed).
    Outcome Back();
    // The pointer over an item: it takes the focus.
    void Point(int index);
    // A click on an item: the focus, then Enter.
    Outcome Click(int index);
    // A slider dragged to a place: its value from 0 to 1 along its track, in steps of 10%.
    Outcome Drag(int index, float place);

    // Whether the menu waits for the key of an action, and gives it the key pressed.
    bool WaitsForKey() const { return waitingFor >= 0; }
    Outcome KeyPressed(SDL_Keycode key);
    // The same for a pad button; Start gives up waiting, as Escape does for a key.
    bool WaitsForButton() const { return waitingForButton >= 0; }
    Outcome ButtonPressed(SDL_GameControllerButton button);
    // How the pad's buttons are labelled, for the Gamepad screen (the pad used last).
    void SetPadStyle(PadBindings::Style style) { padStyle = style; }

private:
    void Show(Screen next, int focusOn);
    bool Focusable(int index) const;
    int FirstFocusable() const;
    int IndexOf(Id id) const;
    // The settings field of a slider or a switch.
    int* SliderField(Id id) const;
    bool* SwitchField(Id id) const;
    Outcome SetSlider(const Item& item, int value);
    // The name of the action's key, or "no key"; the pad button's label, or "no button".
    std::wstring KeyText(KeyBindings::Action action) const;
    std::wstring ButtonText(PadBindings::Action action) const;
    // Waiting for a key or a pad button.
    bool Waits() const { return WaitsForKey() || WaitsForButton(); }
    Outcome Toggle(const Item& item);

    Settings& settings;
    Screen screen = Screen::Closed;
    // How to play opened by its own key closes the menu on Back.
    bool onlyHowToPlay = false;
    std::vector<std::wstring> recordLines;
    std::vector<Item> items;
    int focus = -1;
    int waitingFor = -1;       // the action whose key is awaited
    int waitingForButton = -1; // the pad action whose button is awaited
    PadBindings::Style padStyle = PadBindings::Style::Xbox;
    std::wstring message;
};

} // namespace vantor::app
