#pragma once

#include <string>

namespace vantor::test {

// The folder of the game's generated pictures and sounds that the tests and the benchmarks read:
// VANTOR_ASSET_DIR when it is set, else the folder the build generated.
class GeneratedAssets {
public:
    static std::string Dir();
    // One of its files.
    static std::string Path(const std::string& name);
};

} // namespace vantor::test
