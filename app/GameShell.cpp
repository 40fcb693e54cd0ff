// The shell's events and frame loop: input to the level, and the player's own keys around it.
#include "app/GameShell.h"

#include "app/LevelController.h"
#include "app/Screenshot.h"
#include "app/SettingsFile.h"
#include "app/ShellOverlay.h"
#include "graphics/Graphics.h"
#include "sound/MixerPlayer.h"

#include <cstdio>
#include <iterator>

namespace vantor::app {

namespace {

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

// F12 on the desktop; on the web, where F12 is the browser's, the key the build names.
#ifndef VANTOR_SCREENSHOT_KEY
#define VANTOR_SCREENSHOT_KEY SDLK_F12
#endif
constexpr SDL_Keycode ScreenshotKey = VANTOR_SCREENSHOT_KEY;

float Share(int percent) {
    return static_cast<float>(percent) / 100.0f;
}

} // namespace

GameShell::GameShell(SDL_Window* window, Graphics* graphics)
    : window(window), graphics(graphics), pacer(SDL_GetPerformanceFrequency()) {}

GameShell::~GameShell() = default;

bool GameShell::WindowProc(const SDL_Event& event) {
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
            RefreshPausedPicture(true);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            RefreshPausedPicture(true);
            break;
        default:
            break;
        }
        break;
    case SDL_KEYDOWN:
        if (ShellKey(event.key)) {
            if (!running) {
                return false;
            }
            break;
        }
        keys.Press(event.key.keysym.scancode);
        break;
    case SDL_KEYUP:
        keys.Release(event.key.keysym.scancode);
        break;
    case SDL_MOUSEBUTTONDOWN: {
        int x = 0;
        int y = 0;
        // A press in a letterbox bar is outside the game and is not a click.
        if (paused || graphics == nullptr ||
            !graphics->WindowToGame(event.button.x, event.button.y, x, y)) {
            break;
        }
        if (event.button.button == SDL_BUTTON_LEFT) {
            LevelController::LeftButtonDown(x, y);
        } else if (event.button.button == SDL_BUTTON_RIGHT) {
            LevelController::RightButtonDown(x, y);
        }
        break;
    }
    default:
        break;
    }

    // Keys act as held states: once for every event while they are down, in this order; not
    // at all while the game is paused.
    if (paused) {
        return true;
    }
    for (const GameKey& key : GameKeys) {
        if (keys.IsHeld(key.key)) {
            key.press();
        }
    }
    return true;
}

bool GameShell::ShellKey(const SDL_KeyboardEvent& key) {
    const SDL_Keycode code = key.keysym.sym;
    const Uint16 mods = key.keysym.mod;
    const bool alt = (mods & KMOD_ALT) != 0;
    const bool ctrl = (mods & KMOD_CTRL) != 0;
    // Enter with Alt is the fullscreen key, not the game's Enter.
    const bool altEnter = alt && (code == SDLK_RETURN || code == SDLK_KP_ENTER);
    const bool shellKey = code == SDLK_p || code == SDLK_PAUSE || code == SDLK_ESCAPE ||
                          code == SDLK_m || code == SDLK_9 || code == SDLK_0 || code == SDLK_F11 ||
                          code == ScreenshotKey || altEnter || (ctrl && code == SDLK_q);
    if (!shellKey) {
        return false;
    }
    // Held down, a key repeats; only the volume keys go on with it.
    if (key.repeat != 0 && code != SDLK_9 && code != SDLK_0) {
        return true;
    }
    if (ctrl && code == SDLK_q) {
        running = false;
    } else if (code == SDLK_p || code == SDLK_PAUSE || code == SDLK_ESCAPE) {
        SetPaused(!paused);
    } else if (code == SDLK_m) {
        ToggleMute();
    } else if (code == SDLK_9) {
        StepVolume(-1);
    } else if (code == SDLK_0) {
        StepVolume(1);
    } else if (code == SDLK_F11 || altEnter) {
        ToggleFullscreen();
    } else if (code == ScreenshotKey) {
        TakeScreenshot();
    }
    return true;
}

void GameShell::SetPaused(bool pause) {
    if (pause == paused) {
        return;
    }
    paused = pause;
    if (mixer != nullptr) {
        mixer->SetPaused(paused);
    }
    if (overlay != nullptr) {
        overlay->SetPaused(paused);
    }
    if (!paused) {
        // The game goes on from here, not from where the clock stood when it stopped.
        pacer.Start(SDL_GetPerformanceCounter());
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
        overlay->ShowNotice(path.empty() ? L"No screenshot: see the terminal" : L"Screenshot saved",
                            SDL_GetTicks64());
    }
    RefreshPausedPicture(true);
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

void GameShell::RunFrame() {
    LevelController::Update();
    graphics->BeginDraw();
    LevelController::Render();
    graphics->EndDraw();
}

void GameShell::StartFrameLoop() {
    ChooseVsync();
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
