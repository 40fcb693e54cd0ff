#include "app/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#define fsync _commit
#else
#include <unistd.h>
#endif

namespace vantor::app {

namespace fs = std::filesystem;

bool AtomicFile::Write(const std::string& path, std::string_view bytes, std::string& error) {
    const std::string temporary = path + ".new";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                   std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    if (!written) {
        error = std::strerror(errno);
    }
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = std::strerror(errno);
    }
    std::error_code renamed;
    if (written) {
        fs::rename(temporary, path, renamed);
        if (renamed) {
            written = false;
            error = renamed.message();
        }
    }
    if (!written) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
    return written;
}

} // namespace vantor::app
