#pragma once

#include <string>

// The game reads its pictures and sounds by bare name from the working directory. Started
// from somewhere else (a desktop launcher, a shell in another folder), it first moves into
// its own asset folder, found next to the program: share/vantor-game beside an installed
// bin/, or the build tree's assets/. Returns the folder it settled in, or an empty string
// when the working directory already had the files or no asset folder was found.
std::string EnterAssetFolder();

// Whether dir holds the game's files (judged by one picture every game needs).
bool HasGameFiles(const std::string& dir);
