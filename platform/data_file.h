// The one way the game reads its data files: without blocking, regular files
// only, whole and capped in size, so a damaged data tree (a pipe, a folder, a
// device or a huge file in place of a picture, a sound or a tune) reads as a
// missing file instead of hanging or exhausting memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// Size caps per kind of data file: far above anything the generator writes
// (pictures under 100 KiB, effects under 200 KiB, tunes under 20 KiB) and above
// an uncompressed full-screen picture someone might put in.
constexpr size_t kMaxBitmapBytes = size_t{8} << 20;
constexpr size_t kMaxWaveBytes = size_t{16} << 20;
constexpr size_t kMaxTuneBytes = size_t{4} << 20;

// Reads a whole regular file of at most maxBytes without ever blocking; false (and out
// empty) for a missing, non-regular (FIFO, directory, device), unreadable or over-size file.
bool ReadDataFile(const char* path, size_t maxBytes, std::vector<uint8_t>& out);

}  // namespace platform
