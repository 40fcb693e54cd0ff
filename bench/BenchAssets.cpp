#include "bench/BenchAssets.h"
#include "game/PictureManifest.h"
#include "support/GeneratedAssets.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace vantor::bench {

bool BenchAssets::Enter() {
    const std::filesystem::path dir = test::GeneratedAssets::Dir();
    std::error_code error;
    for (const char* file : game::PictureManifest::Files) {
        if (!std::filesystem::is_regular_file(dir / file, error)) {
            std::fprintf(stderr, "vantor-bench: %s is missing from %s (build the target assets)\n",
                         file, dir.c_str());
            return false;
        }
    }
    std::filesystem::current_path(dir, error);
    if (error) {
        std::fprintf(stderr, "vantor-bench: cannot enter %s: %s\n", dir.c_str(),
                     error.message().c_str());
        return false;
    }
    return true;
}

} // namespace vantor::bench
