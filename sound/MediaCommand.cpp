#include "sound/MediaCommand.h"

#include <array>

namespace vantor::sound {

namespace {

constexpr char Blank = ' ';

bool IsWordByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte > 0x20 && byte < 0x7f;
}

// Splits the command into at most three words; a fourth word, or any byte that is neither a
// blank nor printable ASCII, makes the split fail.
bool SplitWords(std::string_view text, std::array<std::string_view, 3>& words, int& count) {
    count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == Blank) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && IsWordByte(text[i])) {
            ++i;
        }
        if (i == start) {
            return false; // a control, DEL or non-ASCII byte
        }
        if (i < text.size() && text[i] != Blank) {
            return false; // a word running into a byte that is not a blank
        }
        if (count == static_cast<int>(words.size())) {
            return false;
        }
        words[count++] = text.substr(start, i - start);
    }
    return true;
}

} // namespace

MediaCommand MediaCommand::Parse(const char* command) {
    if (command == nullptr) {
        return {};
    }
    // Look at no more than one byte past the longest accepted command.
    std::size_t length = 0;
    while (length <= MaxLength && command[length] != '\0') {
        ++length;
    }
    return Parse(std::string_view(command, length));
}

MediaCommand MediaCommand::Parse(std::string_view command) {
    if (command.size() > MaxLength) {
        return {};
    }
    std::array<std::string_view, 3> words;
    int count = 0;
    if (!SplitWords(command, words, count) || count < 2 || !IsValidFileName(words[1])) {
        return {};
    }
    MediaCommand parsed;
    parsed.file = words[1];
    if (words[0] == "play") {
        if (count == 3 && words[2] != "repeat") {
            return {};
        }
        parsed.verb = Verb::Play;
        parsed.repeat = count == 3;
    } else if (words[0] == "stop") {
        if (count == 3) {
            return {};
        }
        parsed.verb = Verb::Stop;
    }
    if (!parsed.IsValid()) {
        return {};
    }
    return parsed;
}

bool MediaCommand::IsValidFileName(std::string_view name) {
    if (name.empty() || name.size() > MaxFileNameLength) {
        return false;
    }
    for (const char c : name) {
        if (!IsWordByte(c)) {
            return false;
        }
    }
    return true;
}

} // namespace vantor::sound
