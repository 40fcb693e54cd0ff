#pragma once

#include "app/Captions.h"
#include "app/Crosshair.h"
#include "app/FramePacer.h"
#include "app/FrameStats.h"
#include "app/Gamepads.h"
#include "app/Guidance.h"
#include "app/HeldKeys.h"
#include "app/Menu.h"
#include "app/PadControls.h"
#include "app/RecordingLevel.h"
#include "app/ReplayPlayback.h"
#include "app/ReplayWriter.h"
#include "app/RunRecords.h"
#include "app/Settings.h"
#include "app/TouchButtons.h"
#include "app/TouchControls.h"
#include "game/LevelView.h"

#include <SDL.h>

#include <functional>
#include <memory>
#include <string>

class Graphics;

namespace vantor::sound {
class MediaPlayer;
class MixerPlayer;
} // namespace vantor::sound

namespace vantor::app {

class SettingsFile;
class ShellOverlay;

// The program around the level: the window's events turned into level input, the frame loop
// that updates and draws the level sixty times a second, and what the player expects of any
// game around it: the game's own menu (options, controls, how to play), keys of the player's
// choosing, volume and mute, fullscreen, screenshots, captions and settings that last, and play
// with a gamepad or a finger. None of that reaches the level: while the game runs, the level
// sees exactly the calls it would without it (a pad or a finger gives the same clicks at game
// coordinates and the same game keys, each press once), and while the menu is open (the game
// is paused then), none at all.
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
    // close ends the loop; while the menu is open every key and the mouse move the menu;
    // otherwise the player's own keys act, mouse presses become clicks in game coordinates,
    // and then every held game key calls its level operation, in a fixed order, once for this
    // event (or, with "each key press acts once", a key just pressed calls its own once).
    // Returns false once the game is to end.
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
    // runs; the window shows the last one under the menu. Returns how long, in milliseconds,
    // until something is due.
    int Pass();

    // Moves the pad's crosshair by the sticks for the time passed.
    void MoveCrosshair(float seconds);

    // Paused is the menu open: pausing opens it on its main screen, resuming closes it.
    void SetPaused(bool paused);
    // Opens the menu on the screen (the game pauses).
    void OpenMenu(Menu::Screen screen);
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
    Menu menu{settings};
    Captions captions;
    Guidance guidance{settings};
    SettingsFile* settingsFile = nullptr; // not owned; null when settings are not kept
    sound::MixerPlayer* mixer = nullptr;  // not owned; null without sound
    // Where the shell's own sounds go, as the game's do (a log before the player, when one is
    // kept); not owned; null without sound.
    sound::MediaPlayer* sounds = nullptr;
    std::string screenshotFolder;
    std::unique_ptr<ShellOverlay> overlay; // null without a window
    // The pads plugged in, the point they fly to and fire at, the fingers on a touch screen
    // and the buttons shown for them, and which of the devices the player used last.
    Gamepads pads;
    Crosshair crosshair;
    TouchControls touch;
    TouchButtons touchButtons;
    InputDevice lastDevice = InputDevice::KeyboardAndMouse;
    // What the level shows, for the title's line for new players and the guidance; none
    // without a level.
    std::function<game::LevelView()> readLevel;
    // A replay played instead of the player's game (--replay); null otherwise.
    std::unique_ptr<ReplayPlayback> playback;
    // The best runs, kept as runs end (not while a replay plays); null without a level.
    std::unique_ptr<RunRecords> records;
    // The replays written of this run (last.replay, --record's): the level's calls pass through
    // their recording levels, the outermost one installed. Finished by EndRun.
    struct Recording {
        ReplayWriter writer;
        std::unique_ptr<RecordingLevel> level;
    };
    std::vector<std::unique_ptr<Recording>> recordings;
    // Updates run so far, and those after which the game picture is saved as a screenshot
    // (VANTOR_SHOT_UPDATES, ascending), so that a replay's pictures can be compared with its
    // recording's.
    uint32_t updatesRun = 0;
    std::vector<uint32_t> shotsAfter;
    // The game is left: a run under way goes into the records, the replays get their end.
    // Once; later calls do nothing.
    void EndRun();
    // With VANTOR_FRAME_STATS set, every frame's times are counted here; null otherwise.
    std::unique_ptr<FrameStats> frameStats;
    FramePacer pacer;

private:
    // Frames a pass runs at most when it is behind.
    static constexpr int MaxFramesPerPass = FramePacer::CatchUpLimit + 1;

    // One frame, timed for the frame statistics and the pacer.
    void RunTimedFrame(Uint64 started);
    // One update of the level and its drawing, without showing it; a frame of a replay.
    void RunUpdate();
    void RunReplayFrame();
    // + and - while a replay plays, and the pad's shoulders: its speed, one step.
    void ReplaySpeedKey(SDL_Keycode key);
    void ChangeReplaySpeed(int step);
    void ShowReplaySpeed();
    // The records and the replays follow the run: a run that ended is kept, the replays are
    // flushed at the end screen, the title and the end show their line of the records.
    void NoteRun(const game::LevelView& level);
    // The keys that act whatever else goes on (quit, the menu's own key, Alt+Enter); true when
    // the key was one of them.
    bool FixedKey(const SDL_KeyboardEvent& key);
    // The player's own keys while playing; true when the key was one of them.
    bool PlayerKey(const SDL_KeyboardEvent& key);
    // Keys and the mouse while the menu is open; true when the menu or the player's own keys
    // took the key.
    bool MenuKey(const SDL_KeyboardEvent& key);
    void MenuMouse(const SDL_Event& event);
    // Does what a menu operation asks of the shell, for the settings as they were before it.
    void Follow(const Menu::Outcome& outcome, const Settings& before);
    // The settings the player changed go into what is kept.
    void Keep(const Settings& before);
    // The pointer is held inside the window while playing with the setting on.
    void ApplyMouseGrab();
    // The title's line for a new player, shown until a game has started once, and the
    // guidance of the frame.
    void NoteLevel();
    // Whether a key just pressed changed nothing the player sees, when it is a key that can
    // (a planet's choice or an engineering action): it gets a line and a short sound.
    void NoteRefusal(HeldKeys::Key key, const game::LevelView& before);
    // The window's place and size as kept, while it is a plain window.
    void NoteWindowGeometry();
    // The display's refresh rate decides whether presenting waits for it.
    void ChooseVsync();
    // Presents the paused picture again when what lies over it changed.
    void RefreshPausedPicture(bool changed);

    // A gamepad's events, and what a press asks for.
    void PadEvent(const SDL_Event& event);
    void Do(const PadControls::Intent& intent);
    // A finger's events, and the order they give.
    void FingerEvent(const SDL_Event& event);
    void Do(const TouchControls::Order& order);
    // One press of a game key, as a pad or a finger gives it: the key's level operation once,
    // and a word if it changed nothing.
    void PressGameKey(HeldKeys::Key key);
    // What a pad or a touch screen shows for the level as it stands: the crosshair, the pad's
    // prompt line, the touch buttons; and the pad's rumble for what just happened.
    void NoteControls(const game::LevelView& level);
    void LayTouchButtons(const game::LevelView& level);
    // Between frames: the crosshair moves by the time passed, a finger held long fires.
    void MoveControls();

    // The game key pressed by the event at hand, for "each key press acts once".
    HeldKeys::Key pressedNow = HeldKeys::Count;
    int draggedSlider = -1;           // the menu's slider under a held mouse button
    const std::string refusedCommand; // the shell's own sound for a key that did nothing
    bool titleHintShown = false;
    // Which line of the records shows, and where: under the title's own words, and under the
    // end's summary.
    enum class RecordLine { None, Best, ThisRun };
    static constexpr int RecordLineOnTitleY = 688;
    static constexpr int RecordLineAtEndY = 448;
    RecordLine recordLine = RecordLine::None;
    bool runOver = false;       // the end screen showed at the last frame
    bool runEnded = false;      // EndRun was called
    game::LevelView lastLevel;  // as the last frame left it, for the rumble
    bool triggerPulled = false; // a pad's right trigger is past half way
    int stickStep = 0;          // the menu's focus step the left stick holds (-1, 0, 1)
    PadControls::Situation promptSituation = PadControls::Situation::None;
    bool promptShown = false; // a pad prompt line shows
    PadBindings::Style promptStyle = PadBindings::Style::Xbox;
    PadBindings promptPad;     // the buttons the prompt line names
    Uint64 crosshairMoved = 0; // when the crosshair last moved, in performance counts
};

} // namespace vantor::app
