#include "support/WorkingDirectory.h"

namespace vantor::test {

WorkingDirectory::WorkingDirectory(const std::string& directory)
    : previous(std::filesystem::current_path()) {
    std::filesystem::current_path(directory);
}

WorkingDirectory::~WorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
}

} // namespace vantor::test
