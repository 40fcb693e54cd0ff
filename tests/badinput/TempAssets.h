#pragma once

#include "support/TempDirectory.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantor::test {

// A copy of the generated asset folder in a fresh temporary folder, for a test to break files
// in. Removed with everything in it when the object goes away.
class TempAssets {
public:
    TempAssets();

    const std::string& Dir() const { return folder.Path(); }
    std::string Path(const std::string& name) const { return folder.File(name); }

    // Puts these bytes in place of the file, or takes the file away.
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const;
    void Remove(const std::string& name) const;
    // Brings the file back as the build generated it.
    void Restore(const std::string& name) const;

    // A file of the generated asset folder itself; throws when it is not there.
    static std::vector<uint8_t> ReadOriginal(const std::string& name);

private:
    TempDirectory folder;
};

} // namespace vantor::test
