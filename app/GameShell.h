#pragma once

#include "app/FramePacer.h"
#include "app/FrameStats.h"
#include "app/HeldKeys.h"
#include "app/Settings.h"

#include <SDL.h>

#include <memory>
#include <string>

class Graphics;

namespace vantor::sound {
class MixerPlayer;
} // namespace vantor::sound

namespace vantor::app {

class SettingsFile;
class ShellOverlay;

// The program around the level: the window's events turned into level input, the frame loop
// that updates and draws the level sixty times a second, and what the player expects of any
// game around it: pause, volume and mute, fullscreen, screenshots and settings that last.
// None of that reaches the level: while the game runs, the level sees exactly the calls it
// would without it, and while it is paused, none at all.
class GameShell {
public:
    static constexpr int FramesPerSecond = FramePacer::FramesPerSecond;

    // Starts the game: the command line, the settings, window, drawing device, sound, the
    // level, then the frame loop until the window is closed. Returns the process's exit
    // status: 0 after a normal close or for --help and --version, 2 for a wrong command line,
    // 255 when the window or the drawing device cannot be made.
    static int Main(int argc, char** argv);

    GameShell(SDL_Window* window, Graphics* graphics);
    ~GameShell();
    GameShell(const GameShell&) = delete;
    GameShell& operator=(const GameShell&) = delete;

    // Handles one event (the name is the window procedure's; here it takes SDL's events): a
    // close ends the loop; the shell's own keys act; unless the game is paused, mouse presses
    // become clicks in game coordinates and then every held game key calls its level
    // operation, in a fixed order, once for this event. Returns false once the game is to end.
    bool WindowProc(const SDL_Event& event);

    // One frame: update, begin drawing, render, end drawing (present).
    void RunFrame();

    // The frame loop until the game is to end: passes, sleeping in the event wait between them.
    void RunFrameLoop();
    // Readies the clock and the display's pace for the passes.
    void StartFrameLoop();
    // One pass of the frame loop, the same on the desktop and in the browser (which calls it
    // for every animation frame): every waiting event is handled, one at a time with the held
    // keys served after each; when none waits and a frame is due, the frame runs, and again
    // while more are due (sixty a second, whatever the display's rate). While paused no frame
    // runs; the window shows the last one under the pause screen. Returns how long, in
    // milliseconds, until something is due.
    int Pass();

    void SetPaused(bool paused);
    void ToggleFullscreen();
    void ToggleMute();
    // Moves the volume by steps of 10% (negative: down).
    void StepVolume(int steps);
    void TakeScreenshot();

    // Hands the player's sound settings to the mixer, when there is one.
    void ApplySound();
    // Keeps the settings in their file, when there is one and something changed.
    void SaveSettings();

    SDL_Window* window;
    Graphics* graphics;
    HeldKeys keys;
    bool running = true;
    bool paused = false;

    // What the player has now, and what is kept for the next run: the same but for what the
    // command line asked for this run only.
    Settings settings;
    Settings kept;
    SettingsFile* settingsFile = nullptr; // not owned; null when settings are not kept
    sound::MixerPlayer* mixer = nullptr;  // not owned; null without sound
    std::string screenshotFolder;
    std::unique_ptr<ShellOverlay> overlay; // null without a window
    // With VANTOR_FRAME_STATS set, every frame's times are counted here; null otherwise.
    std::unique_ptr<FrameStats> frameStats;
    FramePacer pacer;

private:
    // Frames a pass runs at most when it is behind.
    static constexpr int MaxFramesPerPass = FramePacer::CatchUpLimit + 1;

    // One frame, timed for the frame statistics and the pacer.
    void RunTimedFrame(Uint64 started);
    // The shell's own keys; true when the key was one of them.
    bool ShellKey(const SDL_KeyboardEvent& key);
    // The window's place and size as kept, while it is a plain window.
    void NoteWindowGeometry();
    // The display's refresh rate decides whether presenting waits for it.
    void ChooseVsync();
    // Presents the paused picture again when what lies over it changed.
    void RefreshPausedPicture(bool changed);
};

} // namespace vantor::app
