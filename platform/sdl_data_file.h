// Data files handed to SDL's loaders as memory streams, so that the mixer never
// opens a path itself and every tune goes through the same safe read.
#pragma once

#include <cstddef>

struct SDL_RWops;

namespace platform {

// A stream over the whole file at a game path, read with ReadDataFile; it owns
// its bytes and frees them when closed. Null where the file reads as missing.
SDL_RWops* OpenDataFileStream(const char* gamePath, size_t maxBytes);

}  // namespace platform
