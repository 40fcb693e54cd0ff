#include "fuzz/FuzzMediaCommand.h"

#include "sound/MediaControl.h"
#include "sound/MixerPlayer.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string_view>
#include <vector>

namespace vantor::fuzz {

namespace {

using Verb = sound::MediaCommand::Verb;

// The rules read plainly: at most 255 bytes, only blanks and printable ASCII, words split at
// blanks, "play F", "play F repeat" or "stop F", with F at most 127 bytes.
CommandFuzzOutcome Expected(std::string_view command) {
    CommandFuzzOutcome expected;
    if (command.size() > sound::MediaCommand::MaxLength) {
        return expected;
    }
    for (const char c : command) {
        if (c < ' ' || c > '~') {
            return expected;
        }
    }
    std::istringstream words{std::string(command)};
    std::vector<std::string> split;
    for (std::string word; words >> word;) {
        split.push_back(word);
    }
    if (split.size() < 2 || split.size() > 3 ||
        split[1].size() > sound::MediaCommand::MaxFileNameLength) {
        return expected;
    }
    if (split[0] == "play" && (split.size() == 2 || split[2] == "repeat")) {
        expected.verb = Verb::Play;
        expected.repeat = split.size() == 3;
    } else if (split[0] == "stop" && split.size() == 2) {
        expected.verb = Verb::Stop;
    } else {
        return expected;
    }
    expected.file = split[1];
    return expected;
}

bool Same(const sound::MediaCommand& parsed, const CommandFuzzOutcome& expected) {
    return parsed.verb == expected.verb && parsed.repeat == expected.repeat &&
           parsed.file == expected.file;
}

// Never opened: it must take any command and do nothing with it.
sound::MixerPlayer& ClosedPlayer() {
    static sound::MixerPlayer player;
    return player;
}

} // namespace

CommandFuzzOutcome RunCommandInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const sound::MediaCommand parsed = sound::MediaCommand::Parse(bytes);
    CommandFuzzOutcome outcome;
    outcome.verb = parsed.verb;
    outcome.file = std::string(parsed.file);
    outcome.repeat = parsed.repeat;

    const CommandFuzzOutcome expected = Expected(bytes);
    if (!Same(parsed, expected)) {
        outcome.fault = "the parse differs from the plain reading of the rules";
        return outcome;
    }
    if (parsed.IsValid() &&
        (parsed.file.data() < bytes.data() ||
         parsed.file.data() + parsed.file.size() > bytes.data() + bytes.size())) {
        outcome.fault = "the file name is not a view into the command";
        return outcome;
    }
    if (parsed.IsValid() != sound::MediaCommand::IsValidFileName(parsed.file)) {
        outcome.fault = "a valid command with an invalid file name, or the other way round";
        return outcome;
    }

    // As the game sends it: a zero-terminated string, which ends at the first zero byte.
    const std::string terminated(bytes);
    const sound::MediaCommand fromString = sound::MediaCommand::Parse(terminated.c_str());
    if (!Same(fromString, Expected(std::string_view(terminated.c_str())))) {
        outcome.fault = "the zero-terminated parse differs from the plain reading of the rules";
        return outcome;
    }
    sound::SendMediaCommand(terminated.c_str());
    ClosedPlayer().Send(terminated.c_str());
    if (fromString.IsValid() && ClosedPlayer().StateOf(std::string(fromString.file).c_str()) !=
                                    sound::MixerPlayer::FileState::Unknown) {
        outcome.fault = "a player that is not open took note of a file";
    }
    return outcome;
}

int FuzzMediaCommand(const uint8_t* data, size_t size) {
    const CommandFuzzOutcome outcome = RunCommandInput(data, size);
    if (outcome.fault != nullptr) {
        std::fprintf(stderr, "sound command fault: %s\n", outcome.fault);
        std::abort();
    }
    return 0;
}

} // namespace vantor::fuzz
