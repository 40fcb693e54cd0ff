#pragma once

#include "support/TempDirectory.h"

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace vantor::test {

// Another program run by a test: started in a folder with an environment of the test's
// choosing (but for a home folder of its own), its output kept in files, waited for with a time
// limit and killed if still running when the object goes away.
class ChildProcess {
public:
    // arguments[0] is the program's path; environment holds "NAME=value" strings.
    ChildProcess(const std::vector<std::string>& arguments,
                 const std::vector<std::string>& environment, const std::string& folder);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid > 0; }
    // True once the program has ended, waiting for it at most the given time.
    bool Wait(std::chrono::milliseconds timeout);
    bool Running();

    // After it ended: its exit status, or -1 when a signal ended it (then signal is set).
    int ExitStatus() const { return exitStatus; }
    int Signal() const { return signal; }
    std::string Stdout() const;
    std::string Stderr() const;

    // This process's environment without the named variables, with the given ones added.
    static std::vector<std::string> Environment(const std::vector<std::string>& without,
                                                const std::vector<std::string>& with);

private:
    pid_t pid = -1;
    bool ended = false;
    int exitStatus = -1;
    int signal = 0;
    TempDirectory outputFolder;
};

} // namespace vantor::test
