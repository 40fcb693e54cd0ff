#pragma once

#include <ctime>

namespace vantor::app {

// The local calendar time of a moment, on every platform (each C library spells the thread-safe
// call differently). A plain function of its argument.
inline std::tm LocalTime(std::time_t time) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &time);
#else
    localtime_r(&time, &local);
#endif
    return local;
}

} // namespace vantor::app
