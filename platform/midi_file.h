// Structure check of a Standard MIDI File held in memory, so that a damaged or
// foreign file never reaches the synthesizer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// True for a file that starts with a sound "MThd" header (format 0 to 2, at
// least one track, a non-zero division) followed by as many "MTrk" chunks,
// each wholly inside the file and made of complete events. Other chunks are
// skipped. Never reads outside data.
bool IsStandardMidiFile(const uint8_t* data, size_t size);

}  // namespace platform
