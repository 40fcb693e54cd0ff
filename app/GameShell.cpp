#include "app/GameShell.h"

#include "app/AssetFolder.h"
#include "app/CommandLog.h"
#include "app/GameIcon.h"
#include "app/GameManager.h"
#include "app/LevelController.h"
#include "game/Sector01.h"
#include "graphics/Graphics.h"
#include "sound/MediaControl.h"
#include "sound/MixerPlayer.h"
#include "sound/SoundCommands.h"
#include "sound/SoundFiles.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>

namespace {

constexpr int ExitCannotStart = 255;

int CannotStart(const char* what, const char* why) {
    std::fprintf(stderr, "vantor-game: %s: %s\n", what, why);
    return ExitCannotStart;
}

int CannotStart(const char* what) {
    return CannotStart(what, SDL_GetError());
}

// Without a display SDL would fall back to drawing into memory, and the player would see
// nothing at all. Only a driver asked for by name may run without one.
bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

bool HasDisplay() {
    return IsSet("SDL_VIDEODRIVER") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}

bool IsWindowless(const char* driver) {
    return driver == nullptr || std::strcmp(driver, "offscreen") == 0 ||
           std::strcmp(driver, "dummy") == 0;
}

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

// SDL's video, events and timer, shut down when Main returns, whichever way.
struct SdlSession {
    SdlSession() = default;
    SdlSession(const SdlSession&) = delete;
    SdlSession& operator=(const SdlSession&) = delete;
    ~SdlSession() { SDL_Quit(); }
};

struct WindowDeleter {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};
using WindowPointer = std::unique_ptr<SDL_Window, WindowDeleter>;

} // namespace

GameShell::GameShell(SDL_Window* window, Graphics* graphics) : window(window), graphics(graphics) {}

bool GameShell::WindowProc(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        running = false;
        return false;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            running = false;
            return false;
        }
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            // Key releases that happen elsewhere never reach us.
            keys.ReleaseAll();
        }
        break;
    case SDL_KEYDOWN:
        keys.Press(event.key.keysym.scancode);
        if (event.key.keysym.scancode == SDL_SCANCODE_F11 && event.key.repeat == 0) {
            ToggleFullscreen();
        }
        break;
    case SDL_KEYUP:
        keys.Release(event.key.keysym.scancode);
        break;
    case SDL_MOUSEBUTTONDOWN: {
        int x = 0;
        int y = 0;
        // A press in a letterbox bar is outside the game and is not a click.
        if (graphics == nullptr || !graphics->WindowToGame(event.button.x, event.button.y, x, y)) {
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

    // Keys act as held states: once for every event while they are down, in this order.
    for (const GameKey& key : GameKeys) {
        if (keys.IsHeld(key.key)) {
            key.press();
        }
    }
    return true;
}

void GameShell::RunFrame() {
    LevelController::Update();
    graphics->BeginDraw();
    LevelController::Render();
    graphics->EndDraw();
}

void GameShell::RunFrameLoop() {
    // A fixed sixty frames a second keeps the game's speed the same on every display.
    const Uint64 frequency = SDL_GetPerformanceFrequency();
    const Uint64 period = frequency / FramesPerSecond;
    Uint64 next = SDL_GetPerformanceCounter();
    SDL_Event event;
    while (running) {
        if (SDL_PollEvent(&event)) {
            WindowProc(event);
            continue;
        }
        const Uint64 now = SDL_GetPerformanceCounter();
        if (now >= next) {
            const double cpuBefore = frameStats != nullptr ? FrameStats::ThreadMilliseconds() : 0;
            RunFrame();
            if (frameStats != nullptr) {
                frameStats->Add(now, SDL_GetPerformanceCounter(),
                                FrameStats::ThreadMilliseconds() - cpuBefore);
            }
            next += period;
            // After a long stall (a dragged window, a paused process) start afresh rather
            // than rushing through the missed frames.
            if (now > next + period) {
                next = now + period;
            }
            continue;
        }
        const int waitMs = static_cast<int>((next - now) * 1000 / frequency);
        if (SDL_WaitEventTimeout(&event, waitMs)) {
            WindowProc(event);
        }
    }
}

void GameShell::ToggleFullscreen() {
    if (window == nullptr) {
        return;
    }
    const bool fullscreen = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    SDL_SetWindowFullscreen(window, fullscreen ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

int GameShell::Main() {
    EnterAssetFolder();
    // The X11 window class.
    setenv("SDL_VIDEO_X11_WMCLASS", "GameEngine", 1);
    SDL_SetHint(SDL_HINT_APP_NAME, "Vantor Game");
    if (!HasDisplay()) {
        return CannotStart("cannot open the game window",
                           "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)");
    }
    // With only an X display named, only X is tried: when that display cannot be opened SDL
    // would go on to ask Wayland, whose library prints a complaint of its own.
    if (!IsSet("SDL_VIDEODRIVER") && !IsSet("WAYLAND_DISPLAY")) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    }

    // Everything below is owned here and released in the reverse order of its making, on
    // every way out: the sound, the drawing device, the window, then SDL itself.
    const SdlSession sdl;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        char reason[256];
        std::snprintf(reason, sizeof reason, "no display could be opened (%s)", SDL_GetError());
        return CannotStart("cannot open the game window", reason);
    }
    if (!IsSet("SDL_VIDEODRIVER") && IsWindowless(SDL_GetCurrentVideoDriver())) {
        return CannotStart("cannot open the game window", "no display could be opened");
    }
    const WindowPointer window(
        SDL_CreateWindow("Vantor Game", 100, 100, 1024, 768,
                         SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI));
    if (window == nullptr) {
        return CannotStart("cannot open the game window");
    }
    if (SDL_Surface* icon = CreateGameIcon()) {
        SDL_SetWindowIcon(window.get(), icon);
        SDL_FreeSurface(icon);
    }
    const auto graphics = std::make_unique<Graphics>();
    if (!graphics->Init(window.get())) {
        return CannotStart("cannot create the drawing device");
    }
    GameManager::SetGraphics(graphics.get());
    SDL_ShowWindow(window.get());
    // The first picture presented in the window on the screen waits for the display to set the
    // window up; a black one now puts that wait into the start-up, ahead of the first frame.
    graphics->BeginDraw();
    graphics->ClearScreen(0.0f, 0.0f, 0.0f);
    graphics->EndDraw();
    // The shell reads keys only; no character input is wanted.
    SDL_StopTextInput();

    // Sound: the real player when there is an audio device, silence otherwise. With
    // VANTOR_SOUND_LOG set, every command is also written to that file, one per line.
    const auto player = std::make_unique<MixerPlayer>();
    MediaPlayer* sound = nullptr;
    if (player->Open()) {
        player->WarmUp(SoundFiles::Names.data(), static_cast<int>(SoundFiles::Names.size()));
        sound = player.get();
    }
    std::unique_ptr<CommandLog> log;
    if (const char* logPath = std::getenv("VANTOR_SOUND_LOG")) {
        log = std::make_unique<CommandLog>(logPath, sound);
        sound = log.get();
    }

    SetMediaPlayer(sound);
    // The level stays installed for the whole run and goes with the process.
    LevelController::LoadInitialLevel(new Sector01());

    GameShell shell(window.get(), graphics.get());
    const char* statsPath = std::getenv("VANTOR_FRAME_STATS");
    if (statsPath != nullptr && statsPath[0] != '\0') {
        shell.frameStats = std::make_unique<FrameStats>();
    }
    shell.RunFrameLoop();
    if (shell.frameStats != nullptr) {
        shell.frameStats->Write(statsPath);
    }

    SetMediaPlayer(nullptr);
    GameManager::SetGraphics(nullptr);
    return 0;
}
