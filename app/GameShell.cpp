// The shell's events and frame loop: input to the level, and the player's own keys and menu
// around it.
#include "app/GameShell.h"

#include "app/LevelController.h"
#include "app/Screenshot.h"
#include "app/SettingsFile.h"
#include "app/ShellOverlay.h"
#include "graphics/Graphics.h"
#include "graphics/Letterbox.h"
#include "sound/MediaPlayer.h"
#include "sound/MixerPlayer.h"
#include "sound/SoundFiles.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/html5.h>
#endif

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>

namespace vantor::app {

namespace {

using Action = KeyBindings::Action;

// The level operation of each game key, in the order the keys are polled.
struct GameKey {
    HeldKeys::Key key;
    void (*press)();
};
constexpr GameKey GameKeys[] = {
    {HeldKeys::Numpad1, LevelController::Numpad1Pressed},
    {HeldKeys::Numpad2, LevelController::Numpad2Pressed},
    {HeldKeys::Numpad3, LevelController::Numpad3Pressed},
    {HeldKeys::Numpad4, LevelController::Numpad4Pressed},
    {HeldKeys::Numpad5, LevelController::Numpad5Pressed},
    {HeldKeys::Numpad6, LevelController::Numpad6Pressed},
    {HeldKeys::Add, LevelController::AddPressed},
    {HeldKeys::Enter, LevelController::EnterPressed},
};
static_assert(std::size(GameKeys) == HeldKeys::Count);

// What a volume slider's sample sounds like: a torpedo for the effects, the shortest message
// of the ship's computer for the voices.
constexpr const char* EffectSample = sound::SoundFiles::Torpedo.name;
constexpr const char* VoiceSample = sound::SoundFiles::StructuralIntegrity.name;

// Long enough to read the file's name.
constexpr uint64_t ScreenshotNoticeMs = 3000;

float Share(int percent) {
    return static_cast<float>(percent) / 100.0f;
}

} // namespace

GameShell::GameShell(SDL_Window* window, Graphics* graphics)
    : window(window), graphics(graphics), pacer(SDL_GetPerformanceFrequency()),
      refusedCommand(std::string("play ") + sound::SoundFiles::Refused.name) {}

GameShell::~GameShell() = default;

bool GameShell::WindowProc(const SDL_Event& event) {
    pressedNow = HeldKeys::Count;
    // The mouse events SDL makes from touches: the fingers are handled as themselves.
    if (((event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) &&
         event.button.which == SDL_TOUCH_MOUSEID) ||
        (event.type == SDL_MOUSEMOTION && event.motion.which == SDL_TOUCH_MOUSEID) ||
        (event.type == SDL_MOUSEWHEEL && event.wheel.which == SDL_TOUCH_MOUSEID)) {
        return true;
    }
    switch (event.type) {
    case SDL_QUIT:
        running = false;
        return false;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            running = false;
            return false;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            // Key releases that happen elsewhere never reach us.
            keys.ReleaseAll();
            if (settings.pauseOnFocusLoss) {
                SetPaused(true);
            }
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            if (settings.pauseOnFocusLoss) {
                SetPaused(true);
            }
            break;
        case SDL_WINDOWEVENT_MOVED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            NoteWindowGeometry();
            LayTouchButtons(readLevel ? readLevel() : game::LevelView{});
            RefreshPausedPicture(true);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            RefreshPausedPicture(true);
            break;
        default:
            break;
        }
        break;
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERAXISMOTION:
        PadEvent(event);
        if (!running) {
            return false;
        }
        break;
    case SDL_FINGERDOWN:
    case SDL_FINGERMOTION:
    case SDL_FINGERUP:
        FingerEvent(event);
        if (!running) {
            return false;
        }
        break;
    case SDL_KEYDOWN:
        lastDevice = InputDevice::KeyboardAndMouse;
        if (FixedKey(event.key)) {
            if (!running) {
                return false;
            }
            break;
        }
        // A key the menu or the player's own keys take is no game key: a press that resumes
        // the game must not start it too.
        if (paused ? MenuKey(event.key) : PlayerKey(event.key)) {
            break;
        }
        if (playback != nullptr) {
            // A replay hears nothing of the player's: + and - set its pace.
            if (!paused) {
                ReplaySpeedKey(event.key.keysym.sym);
            }
            break;
        }
        if (Action action{}; settings.keys.ActionOf(event.key.keysym.sym, action)) {
            const HeldKeys::Key key = HeldKeys::For(action);
            keys.Press(event.key.keysym.scancode, key);
            if (event.key.repeat == 0 && !paused) {
                pressedNow = key;
            }
        }
        break;
    case SDL_KEYUP:
        keys.Release(event.key.keysym.scancode);
        break;
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONUP:
        if (paused) {
            MenuMouse(event);
        }
        break;
    case SDL_MOUSEBUTTONDOWN: {
        lastDevice = InputDevice::KeyboardAndMouse;
        if (paused) {
            MenuMouse(event);
            break;
        }
        int x = 0;
        int y = 0;
        // A press in a letterbox bar is outside the game and is not a click.
        if (graphics == nullptr || !graphics->WindowToGame(event.button.x, event.button.y, x, y)) {
            break;
        }
        if (playback != nullptr) {
            break;
        }
        const Uint8 fly = settings.leftHanded ? SDL_BUTTON_RIGHT : SDL_BUTTON_LEFT;
        const Uint8 fire = settings.leftHanded ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT;
        if (event.button.button == fly) {
            LevelController::LeftButtonDown(x, y);
        } else if (event.button.button == fire) {
            LevelController::RightButtonDown(x, y);
        }
        break;
    }
    default:
        break;
    }

    // Keys act as held states: once for every event while they are down, in this order; not
    // at all while the game is paused. With each press acting once, only a key pressed by this
    // event acts, and only this once.
    if (paused || playback != nullptr) {
        return true;
    }
    const game::LevelView before =
        pressedNow != HeldKeys::Count && readLevel ? readLevel() : game::LevelView{};
    for (const GameKey& key : GameKeys) {
        if (settings.eachPressOnce ? key.key == pressedNow : keys.IsHeld(key.key)) {
            key.press();
        }
    }
    NoteRefusal(pressedNow, before);
    return true;
}

void GameShell::NoteRefusal(HeldKeys::Key key, const game::LevelView& before) {
    // Enter and the engineering key always do something, or mean nothing to refuse.
    if (key > HeldKeys::Numpad6 || !readLevel || !before.playing || before.gameOver) {
        return;
    }
    const bool engineeringKey = key >= HeldKeys::Numpad4;
    if (engineeringKey && !before.engineeringOpen) {
        return;
    }
    if (readLevel() == before) {
        guidance.Refused();
        if (sounds != nullptr) {
            sounds->Send(refusedCommand.c_str());
        }
    }
}

bool GameShell::FixedKey(const SDL_KeyboardEvent& key) {
    const SDL_Keycode code = key.keysym.sym;
    const Uint16 mods = key.keysym.mod;
    const bool alt = (mods & KMOD_ALT) != 0;
    const bool ctrl = (mods & KMOD_CTRL) != 0;
    if (ctrl && code == SDLK_q) {
        running = false;
        return true;
    }
    // Enter with Alt is the fullscreen key, not the game's Enter.
    if (alt && (code == SDLK_RETURN || code == SDLK_KP_ENTER)) {
        if (key.repeat == 0) {
            ToggleFullscreen();
        }
        return true;
    }
    // Escape and the Pause key open the menu; in the menu they are its own keys.
    if (!paused && (code == SDLK_ESCAPE || code == SDLK_PAUSE)) {
        if (key.repeat == 0) {
            SetPaused(true);
        }
        return true;
    }
    return false;
}

bool GameShell::PlayerKey(const SDL_KeyboardEvent& key) {
    Action action{};
    if (!settings.keys.ActionOf(key.keysym.sym, action) || KeyBindings::IsGameKey(action)) {
        return false;
    }
    // Held down, a key repeats; only the volume keys go on with it.
    if (key.repeat != 0 && action != Action::VolumeDown && action != Action::VolumeUp) {
        return true;
    }
    switch (action) {
    case Action::Pause:
        SetPaused(!paused);
        break;
    case Action::Mute:
        ToggleMute();
        break;
    case Action::VolumeDown:
        StepVolume(-1);
        break;
    case Action::VolumeUp:
        StepVolume(1);
        break;
    case Action::Fullscreen:
        ToggleFullscreen();
        break;
    case Action::Screenshot:
        TakeScreenshot();
        break;
    case Action::Help:
        OpenMenu(paused && menu.Showing() == Menu::Screen::HowToPlay ? Menu::Screen::Closed
                                                                     : Menu::Screen::HowToPlay);
        break;
    default:
        break;
    }
    return true;
}

bool GameShell::MenuKey(const SDL_KeyboardEvent& key) {
    const Settings before = settings;
    const SDL_Keycode code = key.keysym.sym;
    if (menu.WaitsForKey()) {
        if (key.repeat == 0) {
            Follow(menu.KeyPressed(code), before);
        }
        return true;
    }
    Menu::Outcome outcome;
    switch (code) {
    case SDLK_UP:
        menu.MoveFocus(-1);
        break;
    case SDLK_DOWN:
        menu.MoveFocus(1);
        break;
    case SDLK_LEFT:
        outcome = menu.Adjust(-1);
        break;
    case SDLK_RIGHT:
        outcome = menu.Adjust(1);
        break;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_SPACE:
        if (key.repeat == 0) {
            outcome = menu.Activate();
        }
        break;
    case SDLK_ESCAPE:
    case SDLK_BACKSPACE:
        if (key.repeat == 0) {
            outcome = menu.Back();
        }
        break;
    case SDLK_PAUSE:
        if (key.repeat == 0) {
            SetPaused(false);
        }
        break;
    default:
        // The player's own keys work in the menu too (the pause key resumes); a game key is
        // held as at any time, to act once the game goes on.
        return PlayerKey(key);
    }
    Follow(outcome, before);
    return true;
}

void GameShell::MenuMouse(const SDL_Event& event) {
    if (overlay == nullptr || graphics == nullptr) {
        return;
    }
    const int windowX = event.type == SDL_MOUSEMOTION ? event.motion.x : event.button.x;
    const int windowY = event.type == SDL_MOUSEMOTION ? event.motion.y : event.button.y;
    int x = 0;
    int y = 0;
    const bool onPicture = graphics->WindowToGame(windowX, windowY, x, y);
    const MenuView& view = overlay->View();
    const Settings before = settings;
    Menu::Outcome outcome;
    if (event.type == SDL_MOUSEBUTTONUP) {
        draggedSlider = -1;
        return;
    }
    if (event.type == SDL_MOUSEMOTION) {
        if (draggedSlider >= 0) {
            outcome = menu.Drag(draggedSlider, view.SliderPlace(menu, draggedSlider, x));
        } else if (onPicture) {
            const int focused = menu.Focus();
            menu.Point(view.ItemAt(menu, x, y));
            RefreshPausedPicture(menu.Focus() != focused);
        }
        Follow(outcome, before);
        return;
    }
    if (!onPicture) {
        return;
    }
    if (event.button.button == SDL_BUTTON_LEFT) {
        const int index = view.ItemAt(menu, x, y);
        if (index >= 0 && menu.Items()[size_t(index)].kind == Menu::Kind::Slider) {
            draggedSlider = index;
            outcome = menu.Drag(index, view.SliderPlace(menu, index, x));
        } else {
            outcome = menu.Click(index);
        }
    }
    Follow(outcome, before);
}

void GameShell::Keep(const Settings& before) {
    // What the player has now is kept, but for what the command line set for this run only
    // (fullscreen, mute), where this change left it as it was.
    Settings next = settings;
    if (settings.fullscreen == before.fullscreen) {
        next.fullscreen = kept.fullscreen;
    }
    if (settings.mute == before.mute) {
        next.mute = kept.mute;
    }
    kept = next;
}

void GameShell::Follow(const Menu::Outcome& outcome, const Settings& before) {
    if (outcome.settingsChanged) {
        if (settings.fullscreen != before.fullscreen) {
            // The menu's switch does what F11 does; if the window cannot, the switch goes back.
            settings.fullscreen = before.fullscreen;
            ToggleFullscreen();
        }
        ApplySound();
        ApplyMouseGrab();
        Keep(before);
        SaveSettings();
    }
    if (mixer != nullptr && outcome.hear != Menu::Outcome::Hear::Nothing) {
        mixer->Preview(outcome.hear == Menu::Outcome::Hear::Voice ? VoiceSample : EffectSample);
    }
    if (outcome.then == Menu::Outcome::Then::Quit) {
        running = false;
    } else if (outcome.then == Menu::Outcome::Then::Resume) {
        SetPaused(false);
    }
    RefreshPausedPicture(true);
}

void GameShell::OpenMenu(Menu::Screen screen) {
    if (screen == Menu::Screen::Closed) {
        SetPaused(false);
        return;
    }
    menu.Open(screen);
    SetPaused(true);
}

void GameShell::SetPaused(bool pause) {
    if (pause && records != nullptr) {
        menu.SetRecordLines(records->ScreenLines());
    }
    if (pause && !menu.IsOpen()) {
        menu.Open(Menu::Screen::Main);
    } else if (!pause && menu.IsOpen()) {
        menu.Close();
    }
    draggedSlider = -1;
    if (pause == paused) {
        RefreshPausedPicture(true);
        return;
    }
    paused = pause;
    if (mixer != nullptr) {
        mixer->SetPaused(paused);
    }
    ApplyMouseGrab();
    touch.Cancel();
    LayTouchButtons(readLevel ? readLevel() : game::LevelView{});
    if (!paused) {
        // The game goes on from here, not from where the clock stood when it stopped.
        pacer.Start(SDL_GetPerformanceCounter());
        crosshairMoved = 0;
    }
    RefreshPausedPicture(true);
}

void GameShell::ToggleMute() {
    settings.mute = !settings.mute;
    kept.mute = settings.mute;
    ApplySound();
    if (overlay != nullptr) {
        overlay->ShowVolume(settings.volume, settings.mute, SDL_GetTicks64());
    }
    RefreshPausedPicture(true);
    SaveSettings();
}

void GameShell::StepVolume(int steps) {
    settings.volume = Settings::StepVolume(settings.volume, steps);
    // Changing the volume is a wish to hear it.
    settings.mute = false;
    kept.volume = settings.volume;
    kept.mute = false;
    ApplySound();
    if (overlay != nullptr) {
        overlay->ShowVolume(settings.volume, settings.mute, SDL_GetTicks64());
    }
    RefreshPausedPicture(true);
    SaveSettings();
}

void GameShell::ApplySound() {
    if (mixer == nullptr) {
        return;
    }
    const float master = settings.mute ? 0.0f : Share(settings.volume);
    mixer->SetVolumes(master * Share(settings.musicVolume), master * Share(settings.effectsVolume),
                      master * Share(settings.voiceVolume));
}

void GameShell::ApplyMouseGrab() {
    if (window != nullptr) {
        SDL_SetWindowGrab(window, settings.keepMouseInside && !paused ? SDL_TRUE : SDL_FALSE);
    }
}

void GameShell::ToggleFullscreen() {
    if (window == nullptr) {
        return;
    }
    const bool fullscreen = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    if (SDL_SetWindowFullscreen(window, fullscreen ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) == 0) {
        settings.fullscreen = !fullscreen;
        kept.fullscreen = settings.fullscreen;
        SaveSettings();
    }
    RefreshPausedPicture(true);
}

void GameShell::TakeScreenshot() {
    if (graphics == nullptr) {
        return;
    }
    std::string error;
    const std::string path = Screenshot::Save(*graphics, screenshotFolder, error);
    if (path.empty()) {
        std::fprintf(stderr, "vantor-game: no screenshot: %s\n", error.c_str());
    }
    if (overlay != nullptr) {
        const std::string name = std::filesystem::path(path).filename().string();
        overlay->ShowNotice(path.empty()
                                ? L"No screenshot: see the terminal"
                                : L"Screenshot saved: " + std::wstring(name.begin(), name.end()),
                            SDL_GetTicks64(), ScreenshotNoticeMs);
    }
    RefreshPausedPicture(true);
}

void GameShell::PressGameKey(HeldKeys::Key key) {
    if (key == HeldKeys::Count) {
        return;
    }
    const game::LevelView before = readLevel ? readLevel() : game::LevelView{};
    GameKeys[key].press();
    NoteRefusal(key, before);
}

void GameShell::PadEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        pads.Added(event.cdevice.which);
        return;
    case SDL_CONTROLLERDEVICEREMOVED:
        if (pads.Removed(event.cdevice.which)) {
            // What the pad held is let go, and the game waits for the player, as when the
            // window loses the keyboard.
            keys.ReleaseAll();
            triggerPulled = false;
            stickStep = 0;
            if (!paused) {
                SetPaused(true);
            }
        }
        return;
    case SDL_CONTROLLERBUTTONDOWN: {
        pads.Used(event.cbutton.which);
        lastDevice = InputDevice::Pad;
        menu.SetPadStyle(pads.Style());
        const auto button = static_cast<SDL_GameControllerButton>(event.cbutton.button);
        if (paused && menu.WaitsForButton()) {
            const Settings before = settings;
            Follow(menu.ButtonPressed(button), before);
            return;
        }
        const game::LevelView view = readLevel ? readLevel() : game::LevelView{};
        const PadControls::Intent intent =
            PadControls::ForButton(button, settings.pad, view, paused);
        if (playback != nullptr && !paused) {
            // A replay: the shoulders set its pace; Start still opens the menu.
            if (button == SDL_CONTROLLER_BUTTON_LEFTSHOULDER ||
                button == SDL_CONTROLLER_BUTTON_RIGHTSHOULDER) {
                ChangeReplaySpeed(button == SDL_CONTROLLER_BUTTON_RIGHTSHOULDER ? 1 : -1);
            } else if (intent.kind == PadControls::Intent::Kind::Menu) {
                Do(intent);
            }
            return;
        }
        Do(intent);
        return;
    }
    case SDL_CONTROLLERAXISMOTION: {
        const auto axis = static_cast<SDL_GameControllerAxis>(event.caxis.axis);
        const Sint16 value = event.caxis.value;
        if (axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT) {
            // Pulled past half way it fires, once; let go below a quarter, it may fire again.
            const bool pulled = triggerPulled ? value > PadControls::TriggerPulled / 2
                                              : value >= PadControls::TriggerPulled;
            if (pulled && !triggerPulled) {
                pads.Used(event.caxis.which);
                lastDevice = InputDevice::Pad;
                if (!paused && playback == nullptr) {
                    Do(PadControls::Intent{PadControls::Intent::Kind::Fire});
                }
            }
            triggerPulled = pulled;
            return;
        }
        if (std::abs(Crosshair::Tilt(value)) > Crosshair::DeadZone) {
            pads.Used(event.caxis.which);
            lastDevice = InputDevice::Pad;
        }
        if (paused && axis == SDL_CONTROLLER_AXIS_LEFTY) {
            // The left stick moves the menu's focus a step each time it is tilted.
            const float tilt = Crosshair::Tilt(value);
            const int step = tilt > 0.5f ? 1 : tilt < -0.5f ? -1 : 0;
            if (step != 0 && step != stickStep) {
                Do(PadControls::Intent{step > 0 ? PadControls::Intent::Kind::MenuDown
                                                : PadControls::Intent::Kind::MenuUp});
            }
            if (std::abs(tilt) < 0.3f || step != 0) {
                stickStep = step;
            }
        }
        return;
    }
    default:
        return;
    }
}

void GameShell::Do(const PadControls::Intent& intent) {
    using Kind = PadControls::Intent::Kind;
    const Settings before = settings;
    switch (intent.kind) {
    case Kind::Nothing:
        return;
    case Kind::Fly:
        LevelController::LeftButtonDown(crosshair.X(), crosshair.Y());
        return;
    case Kind::Fire:
        LevelController::RightButtonDown(crosshair.X(), crosshair.Y());
        return;
    case Kind::GameKey:
        PressGameKey(intent.key);
        return;
    case Kind::Menu:
        SetPaused(!paused);
        return;
    case Kind::MenuUp:
    case Kind::MenuDown:
        menu.MoveFocus(intent.kind == Kind::MenuUp ? -1 : 1);
        RefreshPausedPicture(true);
        return;
    case Kind::MenuLeft:
    case Kind::MenuRight:
        Follow(menu.Adjust(intent.kind == Kind::MenuLeft ? -1 : 1), before);
        return;
    case Kind::MenuChoose:
        Follow(menu.Activate(), before);
        return;
    case Kind::MenuBack:
        Follow(menu.Back(), before);
        return;
    }
}

void GameShell::FingerEvent(const SDL_Event& event) {
    lastDevice = InputDevice::Touch;
    int outputWidth = 0;
    int outputHeight = 0;
    if (graphics == nullptr || !graphics->OutputSize(outputWidth, outputHeight)) {
        return;
    }
    const float x = event.tfinger.x * static_cast<float>(outputWidth);
    const float y = event.tfinger.y * static_cast<float>(outputHeight);
    const Uint64 now = event.tfinger.timestamp;
    if (!touch.Seen()) {
        // The first touch: the buttons show from now on.
        touch.Saw();
        LayTouchButtons(readLevel ? readLevel() : game::LevelView{});
        RefreshPausedPicture(true);
    }
    if (paused) {
        // The menu takes a finger as it takes the mouse; its own button resumes the game.
        touch.Cancel();
        if (event.type == SDL_FINGERDOWN) {
            const int under = touchButtons.Under(x, y);
            if (under >= 0 && touchButtons.At(under).id == TouchButtons::Id::Menu) {
                SetPaused(false);
                return;
            }
        }
        int windowWidth = outputWidth;
        int windowHeight = outputHeight;
        if (window != nullptr) {
            SDL_GetWindowSize(window, &windowWidth, &windowHeight);
        }
        SDL_Event mouse{};
        mouse.type = event.type == SDL_FINGERDOWN ? SDL_MOUSEBUTTONDOWN
                     : event.type == SDL_FINGERUP ? SDL_MOUSEBUTTONUP
                                                  : SDL_MOUSEMOTION;
        const int windowX = static_cast<int>(event.tfinger.x * static_cast<float>(windowWidth));
        const int windowY = static_cast<int>(event.tfinger.y * static_cast<float>(windowHeight));
        if (mouse.type == SDL_MOUSEMOTION) {
            mouse.motion.x = windowX;
            mouse.motion.y = windowY;
        } else {
            mouse.button.button = SDL_BUTTON_LEFT;
            mouse.button.x = windowX;
            mouse.button.y = windowY;
        }
        MenuMouse(mouse);
        return;
    }
    switch (event.type) {
    case SDL_FINGERDOWN:
        Do(touch.Down(event.tfinger.fingerId, x, y, touchButtons.Under(x, y), now));
        break;
    case SDL_FINGERMOTION:
        touch.Motion(event.tfinger.fingerId, x, y);
        break;
    case SDL_FINGERUP:
        Do(touch.Up(event.tfinger.fingerId, now));
        break;
    default:
        break;
    }
}

void GameShell::Do(const TouchControls::Order& order) {
    using Kind = TouchControls::Order::Kind;
    if (order.kind == Kind::None) {
        return;
    }
    if (order.kind == Kind::Button) {
        const TouchButtons::Id id = touchButtons.At(order.button).id;
        if (id == TouchButtons::Id::Menu) {
            SetPaused(true);
        } else if (playback == nullptr) {
            PressGameKey(TouchButtons::KeyOf(id));
        }
        return;
    }
    if (playback != nullptr) {
        return; // a replay hears nothing of the player's
    }
    const game::LevelView view = readLevel ? readLevel() : game::LevelView{};
    if (view.titleScreen) {
        // A tap anywhere starts, as Enter does; so does a finger held a little long.
        PressGameKey(HeldKeys::Enter);
        return;
    }
    int outputWidth = 0;
    int outputHeight = 0;
    int x = 0;
    int y = 0;
    if (graphics == nullptr || !graphics->OutputSize(outputWidth, outputHeight) ||
        !graphics::Letterbox::ToGame(graphics::Letterbox::Fit(outputWidth, outputHeight), order.x,
                                     order.y, x, y)) {
        return; // in a bar beside the picture: no order
    }
    if (order.kind == Kind::Tap) {
        LevelController::LeftButtonDown(x, y);
    } else {
        LevelController::RightButtonDown(x, y);
    }
}

void GameShell::MoveControls() {
    // The crosshair by the time since it last moved (a long stall counts as a tenth of a
    // second), and a finger held long enough fires.
    const Uint64 now = SDL_GetPerformanceCounter();
    if (pads.Count() > 0 && crosshairMoved != 0) {
        const double seconds = static_cast<double>(now - crosshairMoved) /
                               static_cast<double>(SDL_GetPerformanceFrequency());
        MoveCrosshair(static_cast<float>(std::min(seconds, 0.1)));
    }
    crosshairMoved = now;
    Do(touch.Tick(SDL_GetTicks64()));
}

void GameShell::MoveCrosshair(float seconds) {
    float leftX = 0;
    float leftY = 0;
    float rightX = 0;
    float rightY = 0;
    pads.Sticks(leftX, leftY, rightX, rightY);
    crosshair.Move(seconds, leftX, leftY, rightX, rightY);
}

void GameShell::LayTouchButtons(const game::LevelView& level) {
    int outputWidth = 0;
    int outputHeight = 0;
    if (!touch.Seen() || graphics == nullptr || !graphics->OutputSize(outputWidth, outputHeight)) {
        return;
    }
    int windowWidth = outputWidth;
    if (window != nullptr) {
        SDL_GetWindowSize(window, &windowWidth, nullptr);
    }
    // A CSS pixel on the web, and a window unit wherever the display's density is unknown, is
    // a 96th of an inch; output pixels may be finer.
    const float outputPerWindow =
        windowWidth > 0 ? static_cast<float>(outputWidth) / static_cast<float>(windowWidth) : 1;
    float pixelsPerMm = 96.0f / 25.4f * outputPerWindow;
#ifdef __EMSCRIPTEN__
    // The page may scale the canvas (where the processor draws, it keeps the picture's size):
    // its size on the page tells how many output pixels make a CSS pixel.
    double cssWidth = 0;
    double cssHeight = 0;
    if (emscripten_get_element_css_size("#canvas", &cssWidth, &cssHeight) ==
            EMSCRIPTEN_RESULT_SUCCESS &&
        cssWidth > 0) {
        pixelsPerMm = 96.0f / 25.4f * static_cast<float>(outputWidth / cssWidth);
    }
#else
    float dpi = 0;
    if (window != nullptr &&
        SDL_GetDisplayDPI(SDL_GetWindowDisplayIndex(window), nullptr, &dpi, nullptr) == 0 &&
        dpi > 0) {
        pixelsPerMm = dpi / 25.4f;
    }
#endif
    touchButtons.Lay(level, paused, outputWidth, outputHeight,
                     graphics::Letterbox::Fit(outputWidth, outputHeight), pixelsPerMm);
    if (overlay != nullptr) {
        overlay->ShowTouchButtons(&touchButtons);
    }
}

void GameShell::NoteControls(const game::LevelView& level) {
    const bool padPlays = lastDevice == InputDevice::Pad && pads.Count() > 0;
    guidance.Use(padPlays || lastDevice != InputDevice::Pad ? lastDevice
                                                            : InputDevice::KeyboardAndMouse,
                 pads.Style());
    const PadControls::Rumble rumble = PadControls::RumbleFor(lastLevel, level);
    if (settings.rumble && rumble.ms > 0) {
        pads.Rumble(rumble.low, rumble.high, rumble.ms);
    }
    lastLevel = level;
    LayTouchButtons(level);
    if (overlay == nullptr) {
        return;
    }
    overlay->ShowCrosshair(padPlays && level.playing && !level.gameOver && !level.engineeringOpen &&
                               !level.planetPanel,
                           crosshair.X(), crosshair.Y());
    // The prompt line is written again only when what it says changes.
    const PadControls::Situation situation =
        padPlays ? PadControls::SituationOf(level) : PadControls::Situation::None;
    const PadBindings::Style style = pads.Style();
    if (situation != promptSituation || style != promptStyle || settings.pad != promptPad ||
        !promptShown) {
        overlay->ShowPadPrompt(PadControls::Prompt(situation, settings.pad, style));
        promptSituation = situation;
        promptStyle = style;
        promptPad = settings.pad;
        promptShown = true;
    }
}

void GameShell::NoteWindowGeometry() {
    if (window == nullptr) {
        return;
    }
    const Uint32 flags = SDL_GetWindowFlags(window);
    if ((flags & (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_MAXIMIZED |
                  SDL_WINDOW_MINIMIZED)) != 0) {
        return;
    }
    // SDL places a new window by its frame and reports the place of what lies inside the frame.
    int top = 0;
    int left = 0;
    if (SDL_GetWindowBordersSize(window, &top, &left, nullptr, nullptr) != 0) {
        top = 0;
        left = 0;
    }
    SDL_GetWindowPosition(window, &settings.windowX, &settings.windowY);
    settings.windowX -= left;
    settings.windowY -= top;
    SDL_GetWindowSize(window, &settings.windowWidth, &settings.windowHeight);
    kept.windowX = settings.windowX;
    kept.windowY = settings.windowY;
    kept.windowWidth = settings.windowWidth;
    kept.windowHeight = settings.windowHeight;
}

void GameShell::SaveSettings() {
    if (settingsFile != nullptr) {
        settingsFile->Save(kept);
    }
}

void GameShell::ChooseVsync() {
    if (graphics == nullptr || window == nullptr) {
        return;
    }
    SDL_DisplayMode mode{};
    const int display = SDL_GetWindowDisplayIndex(window);
    const int refresh =
        display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0 ? mode.refresh_rate : 0;
    if (graphics->Vsync() && !FramePacer::VsyncKeepsPace(refresh)) {
        graphics->SetVsync(false);
    }
}

void GameShell::RefreshPausedPicture(bool changed) {
    if (paused && changed && graphics != nullptr) {
        graphics->Present();
    }
}

void GameShell::NoteLevel() {
    if (!readLevel) {
        return;
    }
    const game::LevelView level = readLevel();
    const Settings before = settings;
    settings.playedBefore = settings.playedBefore || level.playing;
    NoteControls(level);
    const bool learned = guidance.Frame(level);
    // What a replay shows was not done by this player: nothing is learned from it.
    if (playback == nullptr && (learned || settings.playedBefore != before.playedBefore)) {
        Keep(before);
        SaveSettings();
    }
    NoteRun(level);
    const bool hint = level.titleScreen && !settings.playedBefore;
    if (hint != titleHintShown && overlay != nullptr) {
        const std::string help = KeyBindings::KeyName(settings.keys.KeyOf(Action::Help));
        overlay->ShowTitleHint(hint ? std::wstring(help.begin(), help.end()) +
                                          L": how to play  \u00b7  Esc: menu"
                                    : std::wstring());
    }
    titleHintShown = hint;
}

void GameShell::NoteRun(const game::LevelView& level) {
    if (records != nullptr && playback == nullptr) {
        records->Frame(level);
    }
    const bool ended = level.gameOver && level.playing;
    if (ended && !runOver) {
        // The end screen: what the replays hold so far is handed to the system at once.
        for (const std::unique_ptr<Recording>& recording : recordings) {
            recording->writer.Flush();
        }
    }
    // The records' line: the best run on the title, this run at the end.
    const RecordLine shown = records == nullptr || playback != nullptr ? RecordLine::None
                             : level.titleScreen                       ? RecordLine::Best
                             : ended                                   ? RecordLine::ThisRun
                                                                       : RecordLine::None;
    if (shown != recordLine && overlay != nullptr) {
        overlay->ShowRecordLine(shown == RecordLine::Best      ? records->BestLine()
                                : shown == RecordLine::ThisRun ? records->EndLine()
                                                               : std::wstring(),
                                shown == RecordLine::Best ? RecordLineOnTitleY : RecordLineAtEndY);
    }
    recordLine = shown;
    runOver = ended;
}

void GameShell::RunFrame() {
    if (playback != nullptr) {
        RunReplayFrame();
        return;
    }
    RunUpdate();
    graphics->EndDraw();
}

void GameShell::RunUpdate() {
    LevelController::Update();
    ++updatesRun;
    NoteLevel();
    captions.Frame();
    graphics->BeginDraw();
    LevelController::Render();
    if (!shotsAfter.empty() && shotsAfter.front() == updatesRun) {
        shotsAfter.erase(shotsAfter.begin());
        graphics->EndDraw();
        TakeScreenshot();
    }
}

void GameShell::RunReplayFrame() {
    GameManager* level = LevelController::currentLevel;
    if (level == nullptr) {
        return;
    }
    // At its speed, as many updates a frame, each as a frame of the recording ran: its calls,
    // then Update and Render; the picture is shown once, after the last.
    for (int step = 0; step < playback->Speed() && playback->Due(); ++step) {
        playback->Before(*level);
        RunUpdate();
        playback->Updated();
    }
    if (playback->End(*level) && overlay != nullptr) {
        overlay->ShowReplayLine(L"Replay finished");
    }
    graphics->EndDraw();
}

void GameShell::ReplaySpeedKey(SDL_Keycode key) {
    switch (key) {
    case SDLK_PLUS:
    case SDLK_KP_PLUS:
    case SDLK_EQUALS:
        ChangeReplaySpeed(1);
        break;
    case SDLK_MINUS:
    case SDLK_KP_MINUS:
        ChangeReplaySpeed(-1);
        break;
    default:
        break;
    }
}

void GameShell::ChangeReplaySpeed(int step) {
    if (playback == nullptr || playback->Over()) {
        return;
    }
    if (step > 0) {
        playback->Faster();
    } else {
        playback->Slower();
    }
    ShowReplaySpeed();
}

void GameShell::ShowReplaySpeed() {
    if (overlay != nullptr && playback != nullptr) {
        overlay->ShowReplayLine(L"Replay \u00d7" + std::to_wstring(playback->Speed()) +
                                L"  \u00b7  + and -: speed");
    }
}

void GameShell::EndRun() {
    if (runEnded) {
        return;
    }
    runEnded = true;
    if (records != nullptr && playback == nullptr) {
        records->Leave();
    }
    for (const std::unique_ptr<Recording>& recording : recordings) {
        if (!recording->level->Finish() && !recording->writer.Problem().empty()) {
            std::fprintf(stderr, "vantor-game: the replay %s is unfinished: %s\n",
                         recording->writer.Path().c_str(), recording->writer.Problem().c_str());
        }
    }
}

void GameShell::StartFrameLoop() {
    ChooseVsync();
    ApplyMouseGrab();
    pacer.Start(SDL_GetPerformanceCounter());
}

void GameShell::RunTimedFrame(Uint64 started) {
    const double cpuBefore = frameStats != nullptr ? FrameStats::ThreadMilliseconds() : 0;
    RunFrame();
    if (frameStats != nullptr) {
        frameStats->Add(started, SDL_GetPerformanceCounter(),
                        FrameStats::ThreadMilliseconds() - cpuBefore);
    }
    if (pacer.Ran(started, graphics->Vsync()) == FramePacer::Advice::TurnVsyncOff) {
        graphics->SetVsync(false);
    }
}

int GameShell::Pass() {
    SDL_Event event;
    for (int frames = 0;;) {
        // Frames run only while no event waits.
        while (running && SDL_PollEvent(&event)) {
            WindowProc(event);
        }
        if (!running) {
            return 0;
        }
        if (overlay != nullptr && overlay->Expire(SDL_GetTicks64())) {
            RefreshPausedPicture(true);
        }
        if (!paused) {
            MoveControls();
        }
        if (paused) {
            // Nothing moves: wake for the next event, or for what the overlay shows to expire.
            const bool timed =
                overlay != nullptr && (overlay->ShowsVolume() || overlay->ShowsNotice());
            return timed ? 50 : 500;
        }
        const Uint64 now = SDL_GetPerformanceCounter();
        if (!pacer.Due(now) || frames == MaxFramesPerPass) {
            return pacer.MillisecondsToNext(now);
        }
        RunTimedFrame(now);
        ++frames;
    }
}

void GameShell::RunFrameLoop() {
    StartFrameLoop();
    while (running) {
        const int waitMs = Pass();
        SDL_Event event;
        if (running && waitMs > 0 && SDL_WaitEventTimeout(&event, waitMs)) {
            WindowProc(event);
        }
    }
}

} // namespace vantor::app
