#include "app/Settings.h"

#include <algorithm>

int Settings::StepVolume(int volume, int steps) {
    return std::clamp(volume + steps * VolumeStep, 0, 100);
}
