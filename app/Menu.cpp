#include "app/Menu.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vantor::app {

namespace {

using Action = KeyBindings::Action;

std::vector<Menu::Item> ItemsOf(Menu::Screen screen) {
    using Id = Menu::Id;
    using Kind = Menu::Kind;
    switch (screen) {
    case Menu::Screen::Main:
        return {{Id::Resume, Kind::Button, L"Resume"},
                {Id::Options, Kind::Button, L"Options"},
                {Id::Controls, Kind::Button, L"Controls"},
                {Id::HowToPlay, Kind::Button, L"How to play"},
                {Id::Records, Kind::Button, L"Records"},
                {Id::Quit, Kind::Button, L"Quit"}};
    case Menu::Screen::Options:
        return {
            {Id::Volume, Kind::Slider, L"Volume"},
            {Id::Music, Kind::Slider, L"Music"},
            {Id::Effects, Kind::Slider, L"Effects"},
            {Id::Voices, Kind::Slider, L"Voices"},
            {Id::Mute, Kind::Switch, L"Mute"},
            {Id::Fullscreen, Kind::Switch, L"Fullscreen"},
            {Id::PauseOnFocusLoss, Kind::Switch, L"Pause when the window loses focus"},
            {Id::KeepMouseInside, Kind::Switch, L"Keep the mouse inside the window while playing"},
            {Id::Captions, Kind::Switch, L"Captions"},
            {Id::Hints, Kind::Switch, L"Hints for a new player"},
            {Id::ReducedFlashing, Kind::Switch, L"Reduced flashing"},
            {Id::EachPressOnce, Kind::Switch, L"Each key press acts once"},
            {Id::Back, Kind::Button, L"Back"}};
    case Menu::Screen::Controls: {
        std::vector<Menu::Item> items = {{Id::Fly, Kind::Info, L"Fly"},
                                         {Id::Fire, Kind::Info, L"Fire"},
                                         {Id::LeftHanded, Kind::Switch, L"Left-handed mouse"}};
        for (Action action : KeyBindings::All) {
            items.push_back({Id::Key, Kind::Binding, KeyBindings::Label(action), action});
        }
        items.push_back({Id::Pad, Kind::Button, L"Gamepad"});
        items.push_back({Id::ResetKeys, Kind::Button, L"Reset to defaults"});
        items.push_back({Id::Back, Kind::Button, L"Back"});
        return items;
    }
    case Menu::Screen::Pad: {
        std::vector<Menu::Item> items = {
            {Id::Fly, Kind::Info, L"Move the crosshair: left stick (right stick: faster)"},
            {Id::Fire, Kind::Info, L"Fire: also the right trigger.  Menu: Start"}};
        for (PadBindings::Action action : PadBindings::All) {
            items.push_back({Id::PadButton, Kind::PadBinding, PadBindings::Label(action),
                             Action::Start, action});
        }
        items.push_back({Id::Rumble, Kind::Switch, L"Rumble"});
        items.push_back({Id::ResetPad, Kind::Button, L"Reset to defaults"});
        items.push_back({Id::Back, Kind::Button, L"Back"});
        return items;
    }
    case Menu::Screen::HowToPlay:
    case Menu::Screen::Records:
        return {{Id::Back, Kind::Button, L"Back"}};
    case Menu::Screen::ConfirmQuit:
        return {{Id::Yes, Kind::Button, L"Yes"}, {Id::No, Kind::Button, L"No"}};
    case Menu::Screen::Closed:
        break;
    }
    return {};
}

// The settings' field of a slider or a switch, by the table of them; null for another item.
template <typename Value, size_t Count>
Value* FieldOf(Settings& settings, const std::pair<Menu::Id, Value Settings::*> (&table)[Count],
               Menu::Id id) {
    for (const auto& [item, field] : table) {
        if (item == id) {
            return &(settings.*field);
        }
    }
    return nullptr;
}

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

} // namespace

void Menu::Show(Screen next, int focusOn) {
    screen = next;
    items = ItemsOf(next);
    focus = focusOn >= 0 && focusOn < int(items.size()) && Focusable(focusOn) ? focusOn
                                                                              : FirstFocusable();
    waitingFor = -1;
    waitingForButton = -1;
    message.clear();
}

void Menu::Open(Screen opened) {
    if (opened == Screen::Closed) {
        Close();
        return;
    }
    onlyHowToPlay = opened == Screen::HowToPlay && !IsOpen();
    Show(opened, 0);
}

void Menu::Close() {
    screen = Screen::Closed;
    items.clear();
    focus = -1;
    waitingFor = -1;
    waitingForButton = -1;
    message.clear();
    onlyHowToPlay = false;
}

const wchar_t* Menu::Title() const {
    switch (screen) {
    case Screen::Main:
        return L"Paused";
    case Screen::Options:
        return L"Options";
    case Screen::Controls:
        return L"Controls";
    case Screen::Pad:
        return L"Gamepad";
    case Screen::HowToPlay:
        return L"How to play";
    case Screen::Records:
        return L"Records";
    case Screen::ConfirmQuit:
        return L"Quit the game?";
    case Screen::Closed:
        break;
    }
    return L"";
}

std::vector<std::wstring> Menu::HowToPlayLines() const {
    const auto key = [this](Action action) { return KeyText(action); };
    const std::wstring fly = settings.leftHanded ? L"Right click" : L"Left click";
    const std::wstring fire = settings.leftHanded ? L"Left click" : L"Right click";
    return {
        L"Cross fifteen sectors of space and destroy the boss that waits in the last one.",
        fly + L" flies the ship there; every move spends warp energy. Fly past the right "
              L"edge of the screen to reach the next sector.",
        fire + L" fires a torpedo there; each torpedo costs 20 weapon energy. One torpedo "
               L"destroys an enemy; the boss needs six.",
        L"The enemy chases your ship while it moves and rams it: the sixth ramming destroys "
        L"the ship, and so does running out of warp energy.",
        L"Fly close to a planet and choose: " + key(Action::TakeEnergy) + L" takes its energy, " +
            key(Action::TakeScience) + L" its science, " + key(Action::LeavePlanet) +
            L" leaves it. Each planet gives once each time you enter a sector.",
        key(Action::Engineering) + L" opens engineering: " + key(Action::Repair) +
            L" repairs (60 energy), " + key(Action::MakeWarp) +
            L" makes warp energy (85 energy and 65 science), " + key(Action::Research) +
            L" researches the weapon (50 science); " + key(Action::Start) + L" closes it.",
        L"Top left: the ship's damage. Top middle: energy, science and kills. Top right: the "
        L"warp drive's charge. Bottom: the weapon, the torpedoes left and the captain.",
        L"Kills and energy raise the captain's rank; science improves the weapon.",
        key(Action::Pause) + L" or Esc: this menu. " + key(Action::Mute) + L": mute. " +
            key(Action::VolumeDown) + L" / " + key(Action::VolumeUp) + L": volume. " +
            key(Action::Fullscreen) + L": fullscreen. " + key(Action::Screenshot) +
            L": screenshot. " + key(Action::Help) + L": this card.",
    };
}

int* Menu::SliderField(Id id) const {
    static constexpr std::pair<Id, int Settings::*> Sliders[] = {
        {Id::Volume, &Settings::volume},
        {Id::Music, &Settings::musicVolume},
        {Id::Effects, &Settings::effectsVolume},
        {Id::Voices, &Settings::voiceVolume},
    };
    return FieldOf(settings, Sliders, id);
}

bool* Menu::SwitchField(Id id) const {
    static constexpr std::pair<Id, bool Settings::*> Switches[] = {
        {Id::Mute, &Settings::mute},
        {Id::Fullscreen, &Settings::fullscreen},
        {Id::PauseOnFocusLoss, &Settings::pauseOnFocusLoss},
        {Id::KeepMouseInside, &Settings::keepMouseInside},
        {Id::Captions, &Settings::captions},
        {Id::Hints, &Settings::hints},
        {Id::ReducedFlashing, &Settings::reducedFlashing},
        {Id::EachPressOnce, &Settings::eachPressOnce},
        {Id::LeftHanded, &Settings::leftHanded},
        {Id::Rumble, &Settings::rumble},
    };
    return FieldOf(settings, Switches, id);
}

int Menu::SliderValue(const Item& item) const {
    const int* field = SliderField(item.id);
    return field != nullptr ? *field : 0;
}

bool Menu::SwitchValue(const Item& item) const {
    const bool* field = SwitchField(item.id);
    return field != nullptr && *field;
}

std::wstring Menu::ValueOf(const Item& item) const {
    switch (item.kind) {
    case Kind::Slider:
        return std::to_wstring(SliderValue(item)) + L"%";
    case Kind::Switch:
        return SwitchValue(item) ? L"On" : L"Off";
    case Kind::Binding:
        return waitingFor == int(item.action) ? L"Press a key" : KeyText(item.action);
    case Kind::PadBinding:
        return waitingForButton == int(item.padAction) ? L"Press a button"
                                                       : ButtonText(item.padAction);
    case Kind::Info:
        if (screen == Screen::Pad) {
            return L"";
        }
        if (item.id == Id::Fly) {
            return settings.leftHanded ? L"Right click" : L"Left click";
        }
        return settings.leftHanded ? L"Left click" : L"Right click";
    case Kind::Button:
        break;
    }
    return L"";
}

bool Menu::Focusable(int index) const {
    return index >= 0 && index < int(items.size()) && items[size_t(index)].kind != Kind::Info;
}

int Menu::FirstFocusable() const {
    for (int index = 0; index < int(items.size()); ++index) {
        if (Focusable(index)) {
            return index;
        }
    }
    return -1;
}

int Menu::IndexOf(Id id) const {
    for (int index = 0; index < int(items.size()); ++index) {
        if (items[size_t(index)].id == id) {
            return index;
        }
    }
    return -1;
}

void Menu::MoveFocus(int step) {
    if (items.empty() || Waits() || step == 0) {
        return;
    }
    const int count = int(items.size());
    int next = focus;
    for (int tried = 0; tried < count; ++tried) {
        next = ((next + (step > 0 ? 1 : -1)) % count + count) % count;
        if (Focusable(next)) {
            focus = next;
            return;
        }
    }
}

Menu::Outcome Menu::SetSlider(const Item& item, int value) {
    Outcome outcome;
    int* field = SliderField(item.id);
    const int stepped = std::clamp(
        (value + Settings::VolumeStep / 2) / Settings::VolumeStep * Settings::VolumeStep, 0, 100);
    if (field == nullptr || *field == stepped) {
        return outcome;
    }
    *field = stepped;
    // Turning a volume is a wish to hear it.
    settings.mute = false;
    outcome.settingsChanged = true;
    if (item.id == Id::Voices) {
        outcome.hear = Outcome::Hear::Voice;
    } else if (item.id == Id::Effects || item.id == Id::Volume) {
        outcome.hear = Outcome::Hear::Effect;
    }
    return outcome;
}

Menu::Outcome Menu::Toggle(const Item& item) {
    Outcome outcome;
    if (bool* field = SwitchField(item.id)) {
        *field = !*field;
        outcome.settingsChanged = true;
    }
    return outcome;
}

Menu::Outcome Menu::Adjust(int step) {
    if (!Focusable(focus) || Waits() || step == 0) {
        return {};
    }
    const Item& item = items[size_t(focus)];
    if (item.kind == Kind::Slider) {
        return SetSlider(item, SliderValue(item) + (step > 0 ? 1 : -1) * Settings::VolumeStep);
    }
    if (item.kind == Kind::Switch) {
        return Toggle(item);
    }
    return {};
}

Menu::Outcome Menu::Activate() {
    if (!Focusable(focus) || Waits()) {
        return {};
    }
    const Item item = items[size_t(focus)];
    Outcome outcome;
    // The main menu's buttons that lead to a screen.
    static constexpr std::pair<Id, Screen> Leads[] = {
        {Id::Options, Screen::Options}, {Id::Controls, Screen::Controls},
        {Id::Pad, Screen::Pad},         {Id::HowToPlay, Screen::HowToPlay},
        {Id::Records, Screen::Records}, {Id::Quit, Screen::ConfirmQuit}};
    for (const auto& [button, next] : Leads) {
        if (item.id == button) {
            Show(next, 0);
            return outcome;
        }
    }
    switch (item.id) {
    case Id::Resume:
        Close();
        outcome.then = Outcome::Then::Resume;
        return outcome;
    case Id::Yes:
        outcome.then = Outcome::Then::Quit;
        return outcome;
    case Id::No:
    case Id::Back:
        return Back();
    case Id::ResetKeys:
        if (settings.keys != KeyBindings{}) {
            settings.keys.Reset();
            outcome.settingsChanged = true;
        }
        message = L"Every key is back to its default.";
        return outcome;
    case Id::ResetPad:
        if (settings.pad != PadBindings{}) {
            settings.pad.Reset();
            outcome.settingsChanged = true;
        }
        message = L"Every button is back to its default.";
        return outcome;
    case Id::PadButton:
        waitingForButton = int(item.padAction);
        message = L"Press the button for " + std::wstring(item.label) + L" (Start keeps " +
                  ButtonText(item.padAction) + L").";
        return outcome;
    case Id::Key:
        waitingFor = int(item.action);
        message = L"Press the key for " + std::wstring(item.label) + L" (Escape keeps " +
                  KeyText(item.action) + L").";
        return outcome;
    default:
        break;
    }
    if (item.kind == Kind::Switch) {
        return Toggle(item);
    }
    return outcome;
}

std::wstring Menu::KeyText(KeyBindings::Action action) const {
    const std::string name = KeyBindings::KeyName(settings.keys.KeyOf(action));
    return name.empty() ? std::wstring(L"no key") : Widen(name);
}

std::wstring Menu::ButtonText(PadBindings::Action action) const {
    return PadBindings::ButtonLabel(settings.pad.ButtonOf(action), padStyle);
}

Menu::Outcome Menu::Back() {
    Outcome outcome;
    if (Waits()) {
        waitingFor = -1;
        waitingForButton = -1;
        message.clear();
        return outcome;
    }
    switch (screen) {
    case Screen::Main:
        Close();
        outcome.then = Outcome::Then::Resume;
        break;
    case Screen::Options:
        Show(Screen::Main, 1);
        break;
    case Screen::Controls:
        Show(Screen::Main, 2);
        break;
    case Screen::Pad:
        Show(Screen::Controls, int(ItemsOf(Screen::Controls).size()) - 3);
        break;
    case Screen::HowToPlay:
        if (onlyHowToPlay) {
            Close();
            outcome.then = Outcome::Then::Resume;
        } else {
            Show(Screen::Main, 3);
        }
        break;
    case Screen::Records:
        Show(Screen::Main, 4);
        break;
    case Screen::ConfirmQuit:
        Show(Screen::Main, 5);
        break;
    case Screen::Closed:
        break;
    }
    return outcome;
}

void Menu::Point(int index) {
    if (Focusable(index) && !Waits()) {
        focus = index;
    }
}

Menu::Outcome Menu::Click(int index) {
    if (!Focusable(index) || Waits()) {
        return {};
    }
    focus = index;
    const Item& item = items[size_t(index)];
    if (item.kind == Kind::Slider) {
        return {};
    }
    return Activate();
}

Menu::Outcome Menu::Drag(int index, float place) {
    if (!Focusable(index) || Waits() || items[size_t(index)].kind != Kind::Slider ||
        !std::isfinite(place)) {
        return {};
    }
    focus = index;
    const float clamped = std::clamp(place, 0.0f, 1.0f);
    return SetSlider(items[size_t(index)], static_cast<int>(std::lround(clamped * 100.0f)));
}

Menu::Outcome Menu::KeyPressed(SDL_Keycode key) {
    Outcome outcome;
    if (!WaitsForKey()) {
        return outcome;
    }
    if (key == SDLK_ESCAPE) {
        return Back();
    }
    if (!KeyBindings::Bindable(key)) {
        return outcome;
    }
    const Action action = KeyBindings::All[size_t(waitingFor)];
    Action holder{};
    const SDL_Keycode before = settings.keys.KeyOf(action);
    waitingFor = -1;
    if (!settings.keys.Bind(action, key, holder)) {
        message = Widen(KeyBindings::KeyName(key)) + L" is used for " + KeyBindings::Label(holder) +
                  L": choose another key.";
        return outcome;
    }
    message.clear();
    outcome.settingsChanged = key != before;
    return outcome;
}

Menu::Outcome Menu::ButtonPressed(SDL_GameControllerButton button) {
    Outcome outcome;
    if (!WaitsForButton()) {
        return outcome;
    }
    if (button == SDL_CONTROLLER_BUTTON_START) {
        return Back();
    }
    if (!PadBindings::Bindable(button)) {
        return outcome;
    }
    const PadBindings::Action action = PadBindings::All[size_t(waitingForButton)];
    PadBindings::Action holder{};
    const SDL_GameControllerButton before = settings.pad.ButtonOf(action);
    waitingForButton = -1;
    if (!settings.pad.Bind(action, button, holder)) {
        message = PadBindings::ButtonLabel(button, padStyle) + L" is used for " +
                  PadBindings::Label(holder) + L": choose another button.";
        return outcome;
    }
    message.clear();
    outcome.settingsChanged = button != before;
    return outcome;
}

} // namespace vantor::app
