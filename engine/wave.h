#pragma once

#include <cstddef>
#include <cstdint>

// The 18-byte format record at the head of a WAVE file's "fmt " chunk.
struct WaveFormat {
    uint16_t formatTag;
    uint16_t channels;
    uint32_t samplesPerSec;
    uint32_t avgBytesPerSec;
    uint16_t blockAlign;
    uint16_t bitsPerSample;
    uint16_t cbSize;
};

constexpr uint32_t kWaveFormatBytes = 18;

// Where the samples of a RIFF WAVE image lie.
struct WaveImage {
    WaveFormat format;
    size_t dataOffset;  // into the image
    uint32_t dataSize;
};

// Finds the "fmt " chunk and, after it, the "data" chunk of the first RIFF
// form of type "WAVE" in a file image, skipping every other chunk. The
// format record is read as far as it goes (a longer chunk keeps its first 18
// bytes, a shorter one leaves the rest 0). False when either chunk is
// missing or the image ends before a chunk does.
bool ParseWave(const uint8_t* bytes, size_t size, WaveImage& out);

// 8-bit or 16-bit integer PCM, one or two channels, with a sane rate and
// block size: the kinds a sound buffer is made from.
bool IsPlayablePcm(const WaveFormat& f);
