#pragma once

#include <string>

// Each writes its files into dir, which must exist, and returns false, after reporting it
// through AssetFolder, when the folder is missing or a file cannot be made.
bool GeneratePictures(const std::string& dir);
bool GenerateSounds(const std::string& dir);
