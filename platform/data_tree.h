// Finding the game's data tree (the folder holding bmp, wave and midi), so the
// game plays however it is started: from that folder, from the project folder
// or from anywhere else.
#pragma once

#include <cstdio>
#include <string>

namespace platform {

// True when folder holds a data tree: a "bmp" folder, in any letter case.
bool HoldsDataTree(const std::string& folder);

// The running program's own file ("" when it cannot be told).
std::string ExecutablePath();

// Makes a data tree the working directory, since every data file is read
// relative to it: the current folder when it holds one, otherwise the "data"
// folder beside the program at exePath (where the build writes it). When
// neither holds one, writes one line to notices naming both places and how
// to start the game, and leaves the working directory as it was; the game
// then goes on as it does for missing files. Returns whether a tree is in use.
bool EnterDataTree(const std::string& exePath, std::FILE* notices);

}  // namespace platform
