#include "app/Settings.h"

#include <algorithm>

namespace vantor::app {

int Settings::StepVolume(int volume, int steps) {
    return std::clamp(volume + steps * VolumeStep, 0, 100);
}

} // namespace vantor::app
