#include "CommandChecker.h"

#include "sound/MediaCommand.h"
#include "sound/SoundCommands.h"
#include "sound/SoundFiles.h"

#include <string_view>

namespace vantor::test {

void CommandChecker::Send(const char* command) {
    sent += 1;
    const sound::MediaCommand parsed = sound::MediaCommand::Parse(command);
    if (!parsed.IsValid()) {
        invalid += 1;
        return;
    }
    for (const char* file : sound::SoundFiles::Names) {
        if (parsed.file == std::string_view(file)) {
            return;
        }
    }
    unknownFile += 1;
}

} // namespace vantor::test
