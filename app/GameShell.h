#pragma once

#include "app/FrameStats.h"
#include "app/HeldKeys.h"

#include <SDL.h>

#include <memory>

class Graphics;

// The program around the level: the window's events turned into level input, and the frame
// loop that updates and draws the level sixty times a second.
class GameShell {
public:
    static constexpr int FramesPerSecond = 60;

    // Starts the game: window, drawing device, sound, the level, then the frame loop until
    // the window is closed. Returns the process's exit status: 0 after a normal close, 255
    // when the window or the drawing device cannot be made.
    static int Main();

    GameShell(SDL_Window* window, Graphics* graphics);

    // Handles one event (the name is the window procedure's; here it takes SDL's events): a
    // close ends the loop; mouse presses become clicks in game
    // coordinates; then every held game key calls its level operation, in a fixed order,
    // once for this event. Returns false once the window has been closed.
    bool WindowProc(const SDL_Event& event);

    // One frame: update, begin drawing, render, end drawing (present).
    void RunFrame();

    // Takes at most one waiting event per pass; only when none waits does a frame run, at
    // most sixty a second. Sleeps in the event wait between frames.
    void RunFrameLoop();

    void ToggleFullscreen();

    SDL_Window* window;
    Graphics* graphics;
    HeldKeys keys;
    bool running = true;
    // With VANTOR_FRAME_STATS set, every frame's times are counted here; null otherwise.
    std::unique_ptr<FrameStats> frameStats;
};
