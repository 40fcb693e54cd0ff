#pragma once

#include <string>

namespace vantor::tools::pictures {

// Writes every picture file of the game into dir, which must exist. Returns false, after
// reporting it through AssetFolder, when the folder is missing or a file cannot be made.
// Deterministic: the same files, byte for byte, on every run.
bool GeneratePictures(const std::string& dir);

} // namespace vantor::tools::pictures
