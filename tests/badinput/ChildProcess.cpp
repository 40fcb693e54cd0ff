#include "ChildProcess.h"

#include "support/ByteFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

extern char** environ;

namespace vantor::test {

namespace {

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& text : strings) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment, const std::string& folder) {
    // Everything the child needs is made before the fork: after it, only system calls.
    std::vector<std::string> argumentCopy = arguments;
    // A home of its own, so that what the program keeps for its user (the game's settings and
    // screenshots) never touches the user running the tests.
    std::vector<std::string> environmentCopy;
    for (const std::string& entry : environment) {
        const std::string name = entry.substr(0, entry.find('='));
        if (name != "HOME" && name != "XDG_CONFIG_HOME" && name != "XDG_DATA_HOME") {
            environmentCopy.push_back(entry);
        }
    }
    environmentCopy.push_back("HOME=" + outputFolder.Path());
    std::vector<char*> argv = Pointers(argumentCopy);
    std::vector<char*> envp = Pointers(environmentCopy);
    const std::string out = outputFolder.File("stdout");
    const std::string err = outputFolder.File("stderr");
    pid = fork();
    if (pid == 0) {
        const int outFile = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int errFile = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int nothing = open("/dev/null", O_RDONLY);
        if (outFile < 0 || errFile < 0 || nothing < 0 || chdir(folder.c_str()) != 0) {
            _exit(126);
        }
        dup2(nothing, 0);
        dup2(outFile, 1);
        dup2(errFile, 2);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
}

ChildProcess::~ChildProcess() {
    if (pid > 0 && !ended) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

bool ChildProcess::Running() {
    if (pid <= 0 || ended) {
        return false;
    }
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) != pid) {
        return true;
    }
    ended = true;
    if (WIFEXITED(status)) {
        exitStatus = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        signal = WTERMSIG(status);
    }
    return false;
}

bool ChildProcess::Wait(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (Running()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return pid > 0;
}

std::string ChildProcess::Stdout() const {
    return ByteFile::ReadText(outputFolder.File("stdout"));
}

std::string ChildProcess::Stderr() const {
    return ByteFile::ReadText(outputFolder.File("stderr"));
}

std::vector<std::string> ChildProcess::Environment(const std::vector<std::string>& without,
                                                   const std::vector<std::string>& with) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        bool dropped = false;
        for (const std::string& drop : without) {
            dropped = dropped || name == drop;
        }
        for (const std::string& added : with) {
            dropped = dropped || name == added.substr(0, added.find('='));
        }
        if (!dropped) {
            environment.push_back(text);
        }
    }
    environment.insert(environment.end(), with.begin(), with.end());
    return environment;
}

} // namespace vantor::test
