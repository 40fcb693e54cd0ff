#include "TempAssets.h"

#include "support/ByteFile.h"
#include "support/GeneratedAssets.h"

#include <filesystem>
#include <stdexcept>

namespace vantor::test {

namespace fs = std::filesystem;

TempAssets::TempAssets() {
    for (const fs::directory_entry& entry : fs::directory_iterator(GeneratedAssets::Dir())) {
        if (entry.is_regular_file()) {
            fs::copy_file(entry.path(), fs::path(Dir()) / entry.path().filename());
        }
    }
}

void TempAssets::Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    ByteFile::Write(Path(name), bytes);
}

void TempAssets::Remove(const std::string& name) const {
    fs::remove(Path(name));
}

void TempAssets::Restore(const std::string& name) const {
    fs::copy_file(GeneratedAssets::Path(name), Path(name), fs::copy_options::overwrite_existing);
}

std::vector<uint8_t> TempAssets::ReadOriginal(const std::string& name) {
    const std::string path = GeneratedAssets::Path(name);
    if (!fs::is_regular_file(path)) {
        throw std::runtime_error("cannot read " + path);
    }
    return ByteFile::Read(path);
}

} // namespace vantor::test
