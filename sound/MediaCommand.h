#pragma once

#include <cstddef>
#include <string_view>

namespace vantor::sound {

// One sound command taken apart: "play F", "play F repeat" or "stop F", the words separated
// by one or more blanks, with blanks before and after tolerated. Anything else (another verb,
// a missing file name, extra words, "repeat" after a stop, control or non-ASCII bytes, an
// overlong string) parses as invalid. Parsing allocates nothing: the file name is a view into
// the string that was parsed, valid as long as that string is.
class MediaCommand {
public:
    enum class Verb { Invalid, Play, Stop };

    // The longest command accepted, in bytes; longer strings are not even read to their end.
    static constexpr std::size_t MaxLength = 255;
    // The longest file name accepted, in bytes.
    static constexpr std::size_t MaxFileNameLength = 127;

    Verb verb = Verb::Invalid;
    std::string_view file;
    bool repeat = false;

    bool IsValid() const { return verb != Verb::Invalid; }

    // Parses a zero-terminated command; null parses as invalid.
    static MediaCommand Parse(const char* command);
    // Parses exactly the given bytes (a zero byte inside them makes the command invalid).
    static MediaCommand Parse(std::string_view command);

    // A file name is one word of printable ASCII (no blank), at most MaxFileNameLength bytes.
    static bool IsValidFileName(std::string_view name);
};

} // namespace vantor::sound
