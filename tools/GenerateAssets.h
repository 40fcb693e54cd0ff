#pragma once

#include <string>

// Each writes its files into dir (which exists) and returns false after printing a
// message to stderr when a file cannot be made.
bool GeneratePictures(const std::string& dir);
bool GenerateSounds(const std::string& dir);
