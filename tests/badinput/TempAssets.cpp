#include "TempAssets.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

TempAssets::TempAssets() {
    std::string pattern = (fs::temp_directory_path() / "vantor-badinput-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    dir = pattern;
    for (const fs::directory_entry& entry : fs::directory_iterator(SourceDir())) {
        if (entry.is_regular_file()) {
            fs::copy_file(entry.path(), fs::path(dir) / entry.path().filename());
        }
    }
}

TempAssets::~TempAssets() {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
}

std::string TempAssets::Path(const std::string& name) const {
    return (fs::path(dir) / name).string();
}

void TempAssets::Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream out(Path(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + Path(name));
    }
}

void TempAssets::Remove(const std::string& name) const {
    fs::remove(Path(name));
}

void TempAssets::Restore(const std::string& name) const {
    fs::copy_file(Original(name), Path(name), fs::copy_options::overwrite_existing);
}

std::string TempAssets::SourceDir() {
    if (const char* dir = std::getenv("VANTOR_ASSET_DIR")) {
        return dir;
    }
    return VANTOR_BUILD_ASSET_DIR;
}

std::string TempAssets::Original(const std::string& name) {
    return (fs::path(SourceDir()) / name).string();
}

std::vector<uint8_t> TempAssets::ReadOriginal(const std::string& name) {
    return ReadFile(Original(name));
}

std::vector<uint8_t> TempAssets::ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
}
