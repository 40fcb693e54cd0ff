#pragma once

#include <string>

namespace vantor::tools::sounds {

// Writes every sound file of the game into dir, which must exist. Returns false, after reporting
// it through AssetFolder, when the folder is missing or a file cannot be made. Deterministic:
// the same files, byte for byte, on every run.
bool GenerateSounds(const std::string& dir);

} // namespace vantor::tools::sounds
