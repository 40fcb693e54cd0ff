// Start-up and shut-down: the command line, the settings, the window, the drawing device, the
// sound and the level, each owned here and released on every way out.
#include "app/GameShell.h"

#include "app/CaptionWatch.h"
#include "app/CommandLine.h"
#include "app/CommandLog.h"
#include "app/DataFolder.h"
#include "app/GameIcon.h"
#include "app/GameManager.h"
#include "app/LevelController.h"
#include "app/RecordsFile.h"
#include "app/ReplayReader.h"
#include "app/ReplayRun.h"
#include "app/SettingsFile.h"
#include "app/ShellOverlay.h"
#include "app/UserFolders.h"
#include "game/Sector01.h"
#include "graphics/ErrorBox.h"
#include "graphics/Graphics.h"
#include "sound/MediaControl.h"
#include "sound/MixerPlayer.h"
#include "sound/SoundFiles.h"

#ifdef _WIN32
#include <windows.h>
#endif
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace vantor::app {

namespace {

// The status of a game that could not make its window or its drawing device (255 as a Linux
// exit status).
constexpr int ExitCannotStart = -1;

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

#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
bool HasDisplay() {
    return IsSet("SDL_VIDEODRIVER") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}
#endif

// The display the game tries to open, as the player's environment names it.
const char* DisplayName() {
    for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        if (IsSet(name)) {
            return std::getenv(name);
        }
    }
    return "(the system's)";
}

// How long a word about the settings file stays on the screen.
constexpr uint64_t SettingsNoticeMs = 6000;

bool IsWindowless(const char* driver) {
    return driver == nullptr || std::strcmp(driver, "offscreen") == 0 ||
           std::strcmp(driver, "dummy") == 0;
}

// Readies the platform's windows for the game's own; returns what is missing when there is no
// display to open a window on.
const char* PrepareWindowSystem() {
    SDL_SetHint(SDL_HINT_APP_NAME, "Vantor Game");
#ifdef _WIN32
    // The window class "GameEngine", redrawn whole when its width or height changes, with the
    // program's icon resource 134 as its small and large icon.
    SDL_SetHint(SDL_HINT_WINDOWS_INTRESOURCE_ICON, "134");
    SDL_SetHint(SDL_HINT_WINDOWS_INTRESOURCE_ICON_SMALL, "134");
    SDL_RegisterApp("GameEngine", CS_HREDRAW | CS_VREDRAW, nullptr);
    return nullptr;
#elif defined(__EMSCRIPTEN__)
    // The page's canvas is the window.
    return nullptr;
#else
    // The X11 window class.
    setenv("SDL_VIDEO_X11_WMCLASS", "GameEngine", 1);
    if (!HasDisplay()) {
        return "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    }
    // With only an X display named, only X is tried: when that display cannot be opened SDL
    // would go on to ask Wayland, whose library prints a complaint of its own.
    if (!IsSet("SDL_VIDEODRIVER") && !IsSet("WAYLAND_DISPLAY")) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    }
    return nullptr;
#endif
}

// The kept window place, unless no display shows any of it (a display that has gone).
void KeepWindowOnScreen(Settings& settings) {
    const SDL_Rect window = {settings.windowX, settings.windowY, settings.windowWidth,
                             settings.windowHeight};
    for (int display = 0; display < SDL_GetNumVideoDisplays(); ++display) {
        SDL_Rect bounds{};
        if (SDL_GetDisplayBounds(display, &bounds) == 0 && SDL_HasIntersection(&window, &bounds)) {
            return;
        }
    }
    settings.windowX = Settings::DefaultX;
    settings.windowY = Settings::DefaultY;
}

// SDL's video, events and timer, shut down when Main returns, whichever way.
struct SdlSession {
    SdlSession() = default;
    SdlSession(const SdlSession&) = delete;
    SdlSession& operator=(const SdlSession&) = delete;
    ~SdlSession() { SDL_Quit(); }
};

#ifdef __EMSCRIPTEN__
// In the browser the loop cannot block: the page's animation frame calls one pass of it at a
// time. There are no threads either, so the sounds are readied between the frames, one file a
// pass (an effect decoded, or a music file's quick check), from the title on; a sound played
// before its file is ready starts when it is. A quit ends the calls, keeps the settings and
// lets the page say that the game ended.
struct WebRun {
    GameShell* shell = nullptr;
    sound::MixerPlayer* player = nullptr;
    bool started = false;
};

// clang-format off
EM_JS(void, GiveShellToPage, (void* shell), {
    Module.gameShell = shell;
});
EM_JS(void, TellPage, (const char* what), {
    const handler = Module[UTF8ToString(what)];
    if (handler) {
        handler();
    }
});
// clang-format on

void WebPass(void* arg) {
    WebRun& run = *static_cast<WebRun*>(arg);
    if (!run.started) {
        run.started = true;
        TellPage("onGameReady");
        run.shell->StartFrameLoop();
    }
    run.shell->Pass();
    if (run.shell->running) {
        run.player->DecodeNext();
        return;
    }
    emscripten_cancel_main_loop();
    run.shell->EndRun();
    run.shell->SaveSettings();
    run.player->Close();
    TellPage("onGameEnded");
}
#endif

// "600,1200,1800": the updates after which to save the game picture, ascending; what is no
// number ends the list.
std::vector<uint32_t> UpdateList(const char* text) {
    std::vector<uint32_t> updates;
    while (*text != '\0') {
        char* end = nullptr;
        const unsigned long update = std::strtoul(text, &end, 10);
        if (end == text || update == 0 || update > Replay::MostUpdates) {
            break;
        }
        if (updates.empty() || update > updates.back()) {
            updates.push_back(static_cast<uint32_t>(update));
        }
        text = *end == ',' ? end + 1 : end;
    }
    return updates;
}

struct WindowDeleter {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};
using WindowPointer = std::unique_ptr<SDL_Window, WindowDeleter>;

} // namespace

int GameShell::Main(int argc, char** argv) {
    // The command line first: --help and --version need neither display nor sound.
    const CommandLine commandLine = CommandLine::Parse(argc, argv);
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        std::fputs(CommandLine::HelpText().c_str(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::fputs(CommandLine::VersionText().c_str(), stdout);
        return 0;
    case CommandLine::Action::Misuse:
        std::fprintf(stderr, "%s\n", commandLine.message.c_str());
        return CommandLine::ExitMisuse;
    case CommandLine::Action::Verify: {
        // Headless: no data folder, window or sound device is needed for the rules.
        const ReplayRun::Outcome outcome = ReplayRun::VerifyFile(commandLine.replay);
        std::fprintf(outcome.ExitStatus() == 2 ? stderr : stdout, "%s%s: %s\n",
                     outcome.ExitStatus() == 2 ? "vantor-game: " : "", commandLine.replay.c_str(),
                     outcome.Line().c_str());
        return outcome.ExitStatus();
    }
    case CommandLine::Action::Play:
        break;
    }
    std::string dataFolder;
    std::string dataError;
    if (!DataFolder::Enter(commandLine.dataDir, dataFolder, dataError)) {
        std::fprintf(stderr, "vantor-game: cannot use %s for the game's files\n",
                     dataError.c_str());
        return CommandLine::ExitMisuse;
    }
    // Every picture and sound must be there before the level loads: one message for all that
    // are missing, naming the folder as the player gave it, instead of a box for each.
    if (const std::vector<std::string> missing = DataFolder::MissingFiles("."); !missing.empty()) {
        std::error_code ignored;
        const std::string shown = !commandLine.dataDir.empty() ? commandLine.dataDir
                                  : !dataFolder.empty()
                                      ? dataFolder
                                      : std::filesystem::current_path(ignored).string();
        const std::string message = DataFolder::MissingMessage(shown, missing);
        std::fprintf(stderr, "vantor-game: %s\n", message.c_str());
        if (PrepareWindowSystem() == nullptr) {
            SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Vantor Game",
                                     graphics::ErrorBox::Lines(message).c_str(), nullptr);
        }
        return CommandLine::ExitMisuse;
    }

    // A replay to play is read whole before anything opens: a file the game cannot play is
    // said at once.
    std::unique_ptr<ReplayPlayback> playback;
    if (!commandLine.replay.empty()) {
        Replay replay;
        std::string problem;
        if (!ReplayReader::ReadFile(commandLine.replay, replay, problem)) {
            std::fprintf(stderr, "vantor-game: cannot play %s: %s\n", commandLine.replay.c_str(),
                         problem.c_str());
            return CommandLine::ExitMisuse;
        }
        playback = std::make_unique<ReplayPlayback>(std::move(replay));
    }

    // The settings kept from the last run; the command line changes this run only.
    const std::string settingsPath = UserFolders::SettingsFile();
    std::unique_ptr<SettingsFile> settingsFile;
    Settings kept;
    if (settingsPath.empty()) {
        std::fprintf(stderr, "vantor-game: there is no home folder (HOME is not set); settings "
                             "will not be kept\n");
    } else {
        settingsFile = std::make_unique<SettingsFile>(settingsPath);
        kept = settingsFile->Load();
    }
    Settings settings = kept;
    if (commandLine.fullscreen.has_value()) {
        settings.fullscreen = *commandLine.fullscreen;
    }
    if (commandLine.mute) {
        settings.mute = true;
    }

    if (const char* problem = PrepareWindowSystem()) {
        return CannotStart("cannot open the game window", problem);
    }

    // Everything below is owned here and released in the reverse order of its making, on
    // every way out: the shell, the sound, the drawing device, the window, then SDL itself.
    const SdlSession sdl;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        char reason[512];
        std::snprintf(reason, sizeof reason, "the display %s could not be opened (%s)",
                      DisplayName(), SDL_GetError());
        return CannotStart("cannot open the game window", reason);
    }
    if (!IsSet("SDL_VIDEODRIVER") && IsWindowless(SDL_GetCurrentVideoDriver())) {
        return CannotStart("cannot open the game window", "no display could be opened");
    }
    // Gamepads, where there are any: SDL's button A is the south face button on every pad, and
    // the prompts print the pad's own label for it. The player's own descriptions of pads SDL
    // does not know come from gamecontrollerdb.txt beside the settings.
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    const bool padsReady = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (padsReady) {
        std::string mappingError;
        const std::string mappings = UserFolders::PadMappingsFile();
        if (!mappings.empty() && Gamepads::AddMappings(mappings, mappingError) < 0) {
            std::fprintf(stderr, "vantor-game: cannot read the gamepads of %s: %s\n",
                         mappings.c_str(), mappingError.c_str());
        }
    }
    KeepWindowOnScreen(settings);
    const Uint32 windowFlags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI |
                               (settings.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    const WindowPointer window(SDL_CreateWindow("Vantor Game", settings.windowX, settings.windowY,
                                                settings.windowWidth, settings.windowHeight,
                                                windowFlags));
    if (window == nullptr) {
        return CannotStart("cannot open the game window");
    }
    // Smaller, the game's text could not be read.
    SDL_SetWindowMinimumSize(window.get(), Settings::MinimumWidth, Settings::MinimumHeight);
#ifndef _WIN32
    // On Windows the icon is the program's own resource, which the window class carries.
    if (SDL_Surface* icon = CreateGameIcon()) {
        SDL_SetWindowIcon(window.get(), icon);
        SDL_FreeSurface(icon);
    }
#endif
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

    // Sound: the real player, silent while there is no audio device. With VANTOR_SOUND_LOG set,
    // every command is also written to that file, one per line.
#ifdef __EMSCRIPTEN__
    const auto player = std::make_unique<sound::MixerPlayer>(sound::MixerPlayer::Decoding::OnCall);
#else
    const auto player = std::make_unique<sound::MixerPlayer>();
#endif
    // A device that cannot be opened now, or that goes away later, is tried again now and then
    // by the player itself (MixerPlayer.h); the game plays on without sound meanwhile.
    sound::MediaPlayer* sound = nullptr;
    player->Open(sound::MixerPlayer::Start::KeepTrying);
    if (player->IsOpen()) {
        player->WarmUp(sound::SoundFiles::EveryName.data(),
                       static_cast<int>(sound::SoundFiles::EveryName.size()));
        sound = player.get();
    }
    std::unique_ptr<CommandLog> log;
    if (const char* logPath = std::getenv("VANTOR_SOUND_LOG")) {
        log = std::make_unique<CommandLog>(logPath, sound);
        sound = log.get();
    }

    GameShell shell(window.get(), graphics.get());
    if (padsReady) {
        shell.pads.OpenAll();
    }
    shell.settings = settings;
    shell.kept = kept;
    shell.settingsFile = settingsFile.get();
    shell.mixer = player->IsOpen() ? player.get() : nullptr;
    shell.screenshotFolder = UserFolders::ScreenshotFolder();
    shell.overlay = std::make_unique<ShellOverlay>(graphics.get(), shell.menu, shell.captions,
                                                   shell.guidance, shell.settings);
    graphics->overlay = shell.overlay.get();
    // The captions hear what the game sends on its way to the player.
    CaptionWatch captionWatch(shell.captions, sound, shell.mixer);
    sound = &captionWatch;
    shell.sounds = sound;
    // A settings file that could not be read as it was is said on the screen too.
    if (settingsFile != nullptr && !settingsFile->Problem().empty()) {
        const std::string& problem = settingsFile->Problem();
        shell.overlay->ShowNotice(std::wstring(problem.begin(), problem.end()), SDL_GetTicks64(),
                                  SettingsNoticeMs);
    }
    shell.ApplySound();
    const char* statsPath = std::getenv("VANTOR_FRAME_STATS");
    if (statsPath != nullptr && statsPath[0] != '\0') {
        shell.frameStats = std::make_unique<FrameStats>();
    }

    if (const char* shots = std::getenv("VANTOR_SHOT_UPDATES")) {
        shell.shotsAfter = UpdateList(shots);
    }

    sound::SetMediaPlayer(sound);
    // The level stays installed for the whole run and goes with the process.
    auto* level = new Sector01();
    shell.readLevel = [level] { return level->View(); };
    GameManager* installed = level;
    // The best runs: shown on the Records screen, and kept as runs end (not a replay's).
    const std::string recordsPath = UserFolders::RecordsPath();
    const std::unique_ptr<RecordsFile> recordsFile =
        recordsPath.empty() ? nullptr : std::make_unique<RecordsFile>(recordsPath);
    shell.records = std::make_unique<RunRecords>(
        recordsFile.get(), recordsFile != nullptr ? recordsFile->Load() : Records{},
        [] { return std::time(nullptr); });
    if (recordsFile != nullptr && !recordsFile->Problem().empty()) {
        const std::string& problem = recordsFile->Problem();
        shell.overlay->ShowNotice(std::wstring(problem.begin(), problem.end()), SDL_GetTicks64(),
                                  SettingsNoticeMs);
    }
    if (playback != nullptr) {
        // The recording's game, without the prompts for a new player (this run only).
        level->ChooseSeed(playback->Recorded().seed);
        shell.settings.hints = false;
        shell.playback = std::move(playback);
    } else {
        // Every run is kept as last.replay, and as --record's file when one is given; each
        // recording stands in front of the level, the outermost one installed.
        for (const std::string& path : {UserFolders::LastReplayPath(), commandLine.record}) {
            if (path.empty()) {
                continue;
            }
            auto recording = std::make_unique<GameShell::Recording>();
            std::error_code ignored;
            std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
            if (!recording->writer.Open(path)) {
                std::fprintf(stderr, "vantor-game: cannot write the replay %s: %s\n", path.c_str(),
                             recording->writer.Problem().c_str());
                if (path == commandLine.record) {
                    return CommandLine::ExitMisuse;
                }
                continue;
            }
            recording->level = std::make_unique<RecordingLevel>(
                *installed, recording->writer, RecordingLevel::ProbeOf(*level), VANTOR_VERSION);
            installed = recording->level.get();
            shell.recordings.push_back(std::move(recording));
        }
    }
    LevelController::LoadInitialLevel(installed);
    shell.ShowReplaySpeed();

#ifdef __EMSCRIPTEN__
    // Main returns here at once and the browser runs the loop; what Main owns stays where it
    // is (Emscripten leaves the stack as it was and runs no destructor).
    static WebRun run;
    run = {&shell, player.get(), false};
    // The page's menu button reaches the shell through this.
    GiveShellToPage(&shell);
    emscripten_set_main_loop_arg(WebPass, &run, 0, 1);
#endif
    shell.RunFrameLoop();
    shell.EndRun();
    // The recordings in front of the level go with the shell; the level itself stays installed
    // and goes with the process.
    LevelController::currentLevel = level;
    if (shell.frameStats != nullptr) {
        shell.frameStats->Write(statsPath);
    }
    shell.SaveSettings();

    sound::SetMediaPlayer(nullptr);
    graphics->overlay = nullptr;
    GameManager::SetGraphics(nullptr);
    return 0;
}

} // namespace vantor::app

#ifdef __EMSCRIPTEN__
// The page's menu button: the menu opens, or closes when open, as Escape does in a window.
extern "C" EMSCRIPTEN_KEEPALIVE void VantorToggleMenu(void* shell) {
    auto* game = static_cast<vantor::app::GameShell*>(shell);
    game->SetPaused(!game->paused);
}
#endif
