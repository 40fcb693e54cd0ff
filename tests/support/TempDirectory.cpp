#include "support/TempDirectory.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <system_error>

namespace vantor::test {

TempDirectory::TempDirectory() {
    // A name nobody has taken: the folder is made only if it did not exist.
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "vantor-test-%08x", static_cast<unsigned>(random()));
        const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
        std::error_code error;
        if (std::filesystem::create_directory(path, error) && !error) {
            root = path.generic_string();
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary directory");
}

TempDirectory::~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::string TempDirectory::File(const std::string& name) const {
    return root + "/" + name;
}

} // namespace vantor::test
