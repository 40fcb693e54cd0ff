#include "CommandChecker.h"

#include "sound/MediaCommand.h"
#include "sound/SoundCommands.h"
#include "sound/SoundFiles.h"

#include <string_view>

void CommandChecker::Send(const char* command) {
    sent += 1;
    const MediaCommand parsed = MediaCommand::Parse(command);
    if (!parsed.IsValid()) {
        invalid += 1;
        return;
    }
    for (const char* file : SoundFiles::Names) {
        if (parsed.file == std::string_view(file)) {
            return;
        }
    }
    unknownFile += 1;
}
