#pragma once

namespace vantor::tools::sounds {

// The one sample rate every generated sound is made and encoded at.
namespace AudioFormat {
inline constexpr int SampleRate = 44100;
} // namespace AudioFormat

} // namespace vantor::tools::sounds
