#include "support/GeneratedAssets.h"

#include <cstdlib>

namespace vantor::test {

std::string GeneratedAssets::Dir() {
    if (const char* dir = std::getenv("VANTOR_ASSET_DIR"); dir != nullptr && dir[0] != '\0') {
        return dir;
    }
    return VANTOR_BUILD_ASSET_DIR;
}

std::string GeneratedAssets::Path(const std::string& name) {
    return Dir() + "/" + name;
}

} // namespace vantor::test
