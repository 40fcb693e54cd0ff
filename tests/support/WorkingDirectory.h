#pragma once

#include <filesystem>
#include <string>

namespace vantor::test {

// Makes a directory the working directory for as long as it lives, then goes back to the one
// before. The game reads its files by their bare names from its working directory.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& directory);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path previous;
};

} // namespace vantor::test
