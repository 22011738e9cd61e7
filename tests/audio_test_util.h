#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game_test.h"

// A RIFF WAVE image built field by field, so tests can break any part.
struct WaveSpec {
    uint16_t tag = 1;
    uint16_t channels = 1;
    uint32_t rate = 22050;
    uint16_t bits = 16;
    uint32_t fmtSize = 16;  // bytes of "fmt " written (>= 16 adds zeros)
    std::vector<uint8_t> samples = std::vector<uint8_t>(2000, 0x11);
    int64_t claimedDataExtra = 0;  // added to the data size in the header
    bool junkBeforeFmt = false;    // an odd-sized chunk (with pad byte)
    bool junkBetween = false;
    bool dataBeforeFmt = false;
};

std::vector<uint8_t> BuildWave(const WaveSpec& spec);

// Tests that need data files: a scratch working directory, left again after.
class ScratchDirTest : public GameTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Writes a file below the scratch folder, given a game path.
    void Write(const std::string& gamePath, const std::vector<uint8_t>& bytes);
    // A valid, distinct file for every name of the wave table (samples n, n, ...
    // for the file's first slot n), each length ms long.
    void WriteAllWaves(uint32_t ms = 500);

    std::string dir_;
    std::string oldDir_;
};
