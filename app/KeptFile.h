#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::app {

// What the game's own files in the player's folders share (the settings, the records): read
// whole, split into lines, read as INI by inih with each line's number kept, put aside as
// <name>.bad when they cannot be read, and written whole and atomically with their folder made
// when missing (in the browser, then handed to the page's storage).
//
// Plain functions of their arguments: any thread, each call on its own, nothing thrown; each
// says whether it worked and, where it did not, why.
class KeptFile {
public:
    KeptFile() = delete;

    // The longest line inih reads, end of line included, less its own end and the string's.
    static constexpr std::size_t LongestLine = 196;

    // The whole file. False when it is not there (exists false) or cannot be read.
    static bool Read(const std::string& path, std::string& text, bool& exists);

    // The text's lines without their line ends ("\n" or "\r\n").
    static std::vector<std::string> Lines(const std::string& text);

    // Handed each value of an INI file with its line (from 1); false, with why, when it is no
    // value the file may hold.
    using Take = std::function<bool(const char* section, const char* name, const char* value,
                                    int line, std::string& why)>;
    // Reads the lines as INI, in order. False with the first line that cannot be read (from 1)
    // and why: a line longer than LongestLine, one holding a zero byte, a line that is no
    // section, setting or comment, or a value take refused.
    static bool ParseIni(const std::vector<std::string>& lines, const Take& take, int& badLine,
                         std::string& why);

    // Moves the file aside as <path>.bad, replacing an older one. False with the reason.
    static bool PutAside(const std::string& path, std::string& error);

    // Writes the text in place of the file atomically (AtomicFile), making its folder first
    // when it is missing. False with the reason; the old file is then as it was.
    static bool Write(const std::string& path, std::string_view text, std::string& why);
};

} // namespace vantor::app
