#include "graphics/ErrorBox.h"

#include <SDL.h>

#include <atomic>
#include <cstdlib>
#include <thread>

namespace vantor::graphics {

#ifndef __EMSCRIPTEN__
namespace {

// Whether a quit was asked for: the window's close box, a quit event (SIGTERM makes one), or
// the last window closed.
bool QuitAsked() {
    SDL_PumpEvents();
    SDL_Event event;
    if (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_QUIT, SDL_QUIT) > 0) {
        return true;
    }
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT) > 0) {
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            return true;
        }
    }
    return false;
}

} // namespace
#endif

std::string ErrorBox::Lines(const std::string& text, std::size_t width) {
    std::string lines = text;
    std::size_t lineStart = 0;
    std::size_t lastBlank = std::string::npos;
    for (std::size_t at = 0; at < lines.size(); ++at) {
        if (lines[at] == '\n') {
            lineStart = at + 1;
            lastBlank = std::string::npos;
        } else if (at - lineStart >= width && lastBlank != std::string::npos) {
            lines[lastBlank] = '\n';
            lineStart = lastBlank + 1;
            lastBlank = std::string::npos;
            at = lineStart - 1; // look again at the words now on the new line
        } else if (lines[at] == ' ') {
            lastBlank = at;
        }
    }
    return lines;
}

void ErrorBox::Show(const char* title, const char* message) {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return;
    }
    const std::string lines = Lines(message);
    const char* text = lines.c_str();
#ifdef __EMSCRIPTEN__
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title, text, nullptr);
#else
    std::atomic<bool> closed{false};
    std::thread box([&] {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title, text, nullptr);
        closed = true;
    });
    while (!closed) {
        if (QuitAsked()) {
            // The box belongs to a thread that cannot be stopped, and the player wants out:
            // nothing is lost, as nothing has been played yet.
            std::_Exit(0);
        }
        SDL_Delay(20);
    }
    box.join();
#endif
}

} // namespace vantor::graphics
