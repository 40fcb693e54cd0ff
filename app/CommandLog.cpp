#include "app/CommandLog.h"

namespace vantor::app {

CommandLog::CommandLog(const char* path, sound::MediaPlayer* next)
    : file(std::fopen(path, "wb")), next(next) {} // lines end in \n everywhere

CommandLog::~CommandLog() {
    if (file != nullptr) {
        std::fclose(file);
    }
}

void CommandLog::Send(const char* command) {
    if (file != nullptr) {
        std::fputs(command, file);
        std::fputc('\n', file);
        std::fflush(file);
    }
    if (next != nullptr) {
        next->Send(command);
    }
}

} // namespace vantor::app
