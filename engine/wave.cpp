#include "wave.h"

namespace {

uint32_t Le32(const uint8_t* p) {
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

bool IdIs(const uint8_t* p, const char (&id)[5]) {
    for (int i = 0; i < 4; ++i)
        if (p[i] != static_cast<unsigned char>(id[i])) return false;
    return true;
}

struct Chunk {
    size_t body;  // offset of the chunk's contents
    uint32_t size;
};

// Walks the chunks in [pos, end) for one with the given id. Chunks are
// word-aligned: an odd-sized chunk is followed by a pad byte.
bool FindChunk(const uint8_t* bytes, size_t& pos, size_t end, const char (&id)[5], Chunk& out) {
    while (pos < end && end - pos >= 8) {
        const uint32_t size = Le32(bytes + pos + 4);
        const size_t body = pos + 8;
        if (IdIs(bytes + pos, id)) {
            out = Chunk{body, size};
            return true;
        }
        const uint64_t next = uint64_t{body} + size + (size & 1u);
        if (next >= end) return false;
        pos = static_cast<size_t>(next);
    }
    return false;
}

}  // namespace

bool ParseWave(const uint8_t* bytes, size_t size, WaveImage& out) {
    out = WaveImage{};
    if (!bytes) return false;
    // The RIFF form of type "WAVE", looked for among the top-level chunks.
    size_t pos = 0;
    size_t formEnd = 0;
    for (;;) {
        Chunk riff{};
        if (!FindChunk(bytes, pos, size, "RIFF", riff)) return false;
        if (riff.size >= 4 && size - riff.body >= 4 && IdIs(bytes + riff.body, "WAVE")) {
            const uint64_t end = uint64_t{riff.body} + riff.size;
            formEnd = end < size ? static_cast<size_t>(end) : size;  // a form longer than the file is cut
            pos = riff.body + 4;
            break;
        }
        const uint64_t next = uint64_t{riff.body} + riff.size + (riff.size & 1u);
        if (next >= size) return false;
        pos = static_cast<size_t>(next);
    }

    Chunk fmt{};
    if (!FindChunk(bytes, pos, formEnd, "fmt ", fmt)) return false;
    if (fmt.size > formEnd - fmt.body) return false;  // the file ends inside it
    uint8_t record[kWaveFormatBytes] = {};
    const uint32_t keep = fmt.size < kWaveFormatBytes ? fmt.size : kWaveFormatBytes;
    for (uint32_t i = 0; i < keep; ++i) record[i] = bytes[fmt.body + i];
    out.format.formatTag = Le16(record);
    out.format.channels = Le16(record + 2);
    out.format.samplesPerSec = Le32(record + 4);
    out.format.avgBytesPerSec = Le32(record + 8);
    out.format.blockAlign = Le16(record + 12);
    out.format.bitsPerSample = Le16(record + 14);
    out.format.cbSize = Le16(record + 16);

    const uint64_t afterFmt = uint64_t{fmt.body} + fmt.size + (fmt.size & 1u);
    if (afterFmt >= formEnd) return false;
    pos = static_cast<size_t>(afterFmt);
    Chunk data{};
    if (!FindChunk(bytes, pos, formEnd, "data", data)) return false;
    if (data.size > formEnd - data.body) return false;  // short: fewer samples than it claims
    out.dataOffset = data.body;
    out.dataSize = data.size;
    return true;
}

bool IsPlayablePcm(const WaveFormat& f) {
    if (f.formatTag != 1) return false;
    if (f.channels != 1 && f.channels != 2) return false;
    if (f.bitsPerSample != 8 && f.bitsPerSample != 16) return false;
    if (f.samplesPerSec < 1000 || f.samplesPerSec > 192000) return false;
    return f.blockAlign == f.channels * (f.bitsPerSample / 8);
}
