#pragma once

#include "Picture.h"

#include <map>
#include <string>
#include <vector>

namespace vantor::test {

// The folder of generated pictures shared by all tests, and the pictures decoded from it.
// The folder comes from VANTOR_PICTURE_DIR when the test runner made it; otherwise the
// generator runs once into a temporary folder for this process.
class GeneratedPictures {
public:
    static const std::string& Dir();
    static std::string Path(const std::string& name) { return Dir() + "/" + name; }
    // Decodes the file once and keeps it; a missing or unreadable file gives a 0 by 0 picture.
    static const Picture& Load(const std::string& name);

    // Every picture file the game reads.
    static const std::vector<std::string>& AllNames();
};

} // namespace vantor::test
