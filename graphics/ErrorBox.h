#pragma once

#include <cstddef>
#include <string>

namespace vantor::graphics {

// A message box the player must close, shown while the game window stays alive: the box has a
// thread of its own, and meanwhile the game's thread keeps answering the window, so that its
// close box (or a quit, as SIGTERM makes one) ends the program at once instead of leaving a
// window that does not answer. Where there are no threads (the web) the box waits as a plain
// one does. Nothing is shown without a display; the text goes to stderr in any case, from the
// caller. Call on the game's thread. Some systems' boxes do not break a long line, so the text
// is broken into lines of a readable width first.
class ErrorBox {
public:
    static constexpr std::size_t LineWidth = 72;

    static void Show(const char* title, const char* text);

    // The text with a line break put in place of the last blank before each line would pass
    // `width` characters; a word longer than that keeps a line to itself. Breaks already in
    // the text are kept.
    static std::string Lines(const std::string& text, std::size_t width = LineWidth);
};

} // namespace vantor::graphics
