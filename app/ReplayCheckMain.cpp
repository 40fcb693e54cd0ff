// vantor-replay-check FILE...: plays each replay again without a window or a sound device, as
// fast as it can, and says in one line each whether it ends where its recording did. The exit
// status is the worst of them: 0 all equal, 1 one diverged, 2 one could not be read (or the
// command line was wrong).
#include "app/ReplayRun.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    using vantor::app::ReplayRun;
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fprintf(
            argc < 2 ? stderr : stdout,
            "usage: vantor-replay-check FILE...\n"
            "Plays each replay again headless and compares the level's digests with the\n"
            "ones it holds. Exit status: 0 all equal, 1 one diverged, 2 one unreadable.\n");
        return argc < 2 ? 2 : 0;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const ReplayRun::Outcome outcome = ReplayRun::VerifyFile(argv[i]);
        std::printf("%s: %s\n", argv[i], outcome.Line().c_str());
        std::fflush(stdout);
        if (outcome.ExitStatus() > status) {
            status = outcome.ExitStatus();
        }
    }
    return status;
}
