#include "midi_file.h"

#include <cstring>

namespace platform {

namespace {

uint32_t Be32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
           p[3];
}

uint16_t Be16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }

// A variable-length number of at most four bytes; false when it runs past end.
bool ReadVarLen(const uint8_t* t, size_t end, size_t& at, uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (at >= end) return false;
        const uint8_t b = t[at++];
        value = value << 7 | (b & 0x7Fu);
        if ((b & 0x80) == 0) return true;
    }
    return false;
}

// Every event of one track chunk complete; events after the end-of-track
// meta event are ignored, as a player would.
bool TrackIsWhole(const uint8_t* t, size_t size) {
    size_t at = 0;
    uint8_t running = 0;
    while (at < size) {
        uint32_t delta = 0;
        if (!ReadVarLen(t, size, at, delta) || at >= size) return false;
        uint8_t status = t[at];
        if (status & 0x80) {
            ++at;
        } else if (running != 0) {
            status = running;
        } else {
            return false;  // a data byte with no status to repeat
        }
        if (status == 0xFF) {
            if (at >= size) return false;
            const uint8_t type = t[at++];
            uint32_t length = 0;
            if (!ReadVarLen(t, size, at, length) || length > size - at) return false;
            at += length;
            if (type == 0x2F) return true;
            running = 0;
        } else if (status == 0xF0 || status == 0xF7) {
            uint32_t length = 0;
            if (!ReadVarLen(t, size, at, length) || length > size - at) return false;
            at += length;
            running = 0;
        } else if (status > 0xF0) {
            return false;  // real-time and common messages have no place in a file
        } else {
            const size_t dataBytes = (status & 0xE0) == 0xC0 ? 1 : 2;  // program, pressure: 1
            if (dataBytes > size - at) return false;
            at += dataBytes;
            running = status;
        }
    }
    return true;
}

}  // namespace

bool IsStandardMidiFile(const uint8_t* data, size_t size) {
    if (!data || size < 14 || std::memcmp(data, "MThd", 4) != 0) return false;
    const uint32_t headerBytes = Be32(data + 4);
    if (headerBytes < 6 || headerBytes > size - 8) return false;
    const uint16_t format = Be16(data + 8);
    const uint16_t tracks = Be16(data + 10);
    const uint16_t division = Be16(data + 12);
    if (format > 2 || tracks == 0 || division == 0) return false;
    size_t at = 8 + static_cast<size_t>(headerBytes);
    for (int found = 0; found < tracks;) {
        if (size - at < 8) return false;
        const uint8_t* chunk = data + at;
        const uint32_t length = Be32(chunk + 4);
        at += 8;
        if (length > size - at) return false;
        if (std::memcmp(chunk, "MTrk", 4) == 0) {
            if (!TrackIsWhole(data + at, length)) return false;
            ++found;
        }
        at += length;
    }
    return true;
}

}  // namespace platform
