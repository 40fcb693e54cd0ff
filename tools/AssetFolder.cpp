#include "tools/AssetFolder.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace vantor::tools {

bool AssetFolder::Create() const {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        Report("cannot create " + dir + ": " + error.message());
        return false;
    }
    return Exists();
}

bool AssetFolder::Exists() const {
    std::error_code error;
    if (!std::filesystem::is_directory(dir, error)) {
        Report(dir + " is not a folder");
        return false;
    }
    return true;
}

void AssetFolder::Report(const std::string& message) const {
    std::fprintf(stderr, "%s: %s\n", who.c_str(), message.c_str());
}

} // namespace vantor::tools
