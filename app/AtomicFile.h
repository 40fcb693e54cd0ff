#pragma once

#include <string>
#include <string_view>

namespace vantor::app {

// Writes a whole file so that readers only ever see the old content or the new: the bytes go
// into a temporary file beside it, which is flushed to the disk and then renamed over the old
// file. A failure leaves the old file as it was and removes the temporary one.
class AtomicFile {
public:
    // False on failure, with the reason in error.
    static bool Write(const std::string& path, std::string_view bytes, std::string& error);
};

} // namespace vantor::app
