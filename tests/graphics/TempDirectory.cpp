#include "TempDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

TempDirectory::TempDirectory() {
    const std::string pattern =
        (std::filesystem::temp_directory_path() / "vantor-graphics-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary directory");
    }
    root = name.data();
}

TempDirectory::~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::string TempDirectory::File(const std::string& name) const {
    return root + "/" + name;
}
