#pragma once

#include <array>
#include <cmath>
#include <numbers>

namespace vantor::tools::sounds {

// A sine lookup with linear interpolation: much cheaper than std::sin in the inner loops,
// and far below what an MP3 encoder keeps anyway.
class SineTable {
public:
    static constexpr int Size = 4096;

    // phase in cycles; any value, only the fractional part counts.
    static float At(double phase) {
        const std::array<float, Size + 1>& table = Data();
        const double wrapped = phase - std::floor(phase);
        const double position = wrapped * Size;
        const int index = static_cast<int>(position);
        const float fraction = static_cast<float>(position - index);
        return table[index] + (table[index + 1] - table[index]) * fraction;
    }

private:
    static const std::array<float, Size + 1>& Data() {
        static const std::array<float, Size + 1> table = [] {
            std::array<float, Size + 1> values{};
            for (int i = 0; i <= Size; ++i) {
                values[i] = static_cast<float>(std::sin(2.0 * std::numbers::pi * i / Size));
            }
            return values;
        }();
        return table;
    }
};

} // namespace vantor::tools::sounds
