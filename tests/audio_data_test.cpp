// The sounds and tunes the build generates into the game's data folder.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "engine/music.h"
#include "engine/sound.h"
#include "engine/wave.h"
#include "platform/midi_file.h"
#include "platform/platform.h"

namespace {

std::string DataDir() { return std::filesystem::path(MORVANE_PROGRAM).parent_path().string() + "/data"; }

std::vector<uint8_t> ReadAll(const std::string& gamePath) {
    std::ifstream in(DataDir() + "/" + platform::ResolveDataPath(gamePath.c_str()), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Length in seconds of a standard MIDI file, and its note count; -1 when the
// file is not a well-formed format 0 or 1 file with one tempo.
struct Tune {
    double seconds = -1;
    int notes = 0;
    std::set<int> channels;
};

uint32_t VarLen(const std::vector<uint8_t>& b, size_t& i, size_t end) {
    uint32_t v = 0;
    for (int n = 0; n < 4 && i < end; ++n) {
        const uint8_t c = b[i++];
        v = (v << 7) | (c & 0x7F);
        if (!(c & 0x80)) return v;
    }
    return 0xFFFFFFFF;
}

Tune ReadTune(const std::vector<uint8_t>& b) {
    Tune t;
    if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd") return t;
    const int format = b[9];
    const int division = (b[12] << 8) | b[13];
    if (format > 1 || division == 0 || (division & 0x8000)) return t;
    double usPerQuarter = 500000;
    uint32_t endTick = 0;
    size_t pos = 14;
    while (pos + 8 <= b.size()) {
        if (std::string(b.begin() + static_cast<std::ptrdiff_t>(pos),
                        b.begin() + static_cast<std::ptrdiff_t>(pos) + 4) != "MTrk")
            return t;
        const size_t len =
            (size_t{b[pos + 4]} << 24) | (size_t{b[pos + 5]} << 16) | (size_t{b[pos + 6]} << 8) | b[pos + 7];
        size_t i = pos + 8;
        const size_t end = i + len;
        if (end > b.size()) return t;
        uint32_t tick = 0;
        bool ended = false;
        while (i < end && !ended) {
            const uint32_t delta = VarLen(b, i, end);
            if (delta == 0xFFFFFFFF || i >= end) return t;
            tick += delta;
            const uint8_t status = b[i++];
            if (status == 0xFF) {
                const uint8_t type = b[i++];
                const uint32_t l = VarLen(b, i, end);
                if (type == 0x51 && l == 3) usPerQuarter = (b[i] << 16) | (b[i + 1] << 8) | b[i + 2];
                if (type == 0x2F) ended = true;
                i += l;
            } else if (status >= 0x80 && status < 0xF0) {
                const int kind = status & 0xF0;
                if (kind == 0x90 && b[i + 1] > 0) {
                    ++t.notes;
                    t.channels.insert(status & 0x0F);
                }
                i += (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
            } else {
                return t;  // running status and sysex are not written by our generator
            }
        }
        if (!ended) return t;
        endTick = std::max(endTick, tick);
        pos = end;
    }
    t.seconds = endTick / static_cast<double>(division) * usPerQuarter / 1e6;
    return t;
}

}  // namespace

TEST(GeneratedSounds, EveryWaveSlotHoldsAShortMonoSixteenBitEffect) {
    std::set<std::string> distinct;
    for (int slot = 0; slot < kWaveSlots; ++slot) {
        const auto bytes = ReadAll(g_waveFiles[slot]);
        ASSERT_FALSE(bytes.empty()) << g_waveFiles[slot];
        WaveImage w{};
        ASSERT_TRUE(ParseWave(bytes.data(), bytes.size(), w)) << g_waveFiles[slot];
        EXPECT_TRUE(IsPlayablePcm(w.format));
        EXPECT_EQ(w.format.channels, 1);
        EXPECT_EQ(w.format.bitsPerSample, 16);
        const double seconds = w.dataSize / 2.0 / w.format.samplesPerSec;
        EXPECT_GT(seconds, 0.1) << g_waveFiles[slot];
        EXPECT_LT(seconds, 4.0) << g_waveFiles[slot];
        // Audible, and not clipped flat.
        int peak = 0;
        double energy = 0;
        for (uint32_t i = 0; i + 1 < w.dataSize; i += 2) {
            const int v = static_cast<int16_t>(bytes[w.dataOffset + i] | (bytes[w.dataOffset + i + 1] << 8));
            peak = std::max(peak, std::abs(v));
            energy += double(v) * v;
        }
        EXPECT_GT(peak, 16000) << g_waveFiles[slot];
        EXPECT_LT(peak, 32767) << g_waveFiles[slot];
        EXPECT_GT(std::sqrt(energy / (w.dataSize / 2)), 1000) << g_waveFiles[slot];
        distinct.insert(std::string(bytes.begin(), bytes.end()));
    }
    EXPECT_EQ(distinct.size(), 21u) << "one sound per file name";
}

TEST(GeneratedTunes, EveryTrackIsADistinctTuneOfTwentyToSixtySeconds) {
    std::set<std::string> distinct;
    int files = 0;
    for (int list = 0; list < kMusicLists; ++list) {
        for (int k = 0; k < static_cast<int>(g_trackCounts[list]); ++k) {
            const char* path = TrackPath(list, k);
            const auto bytes = ReadAll(path);
            ASSERT_FALSE(bytes.empty()) << path;
            const Tune t = ReadTune(bytes);
            EXPECT_GE(t.seconds, 20.0) << path;
            EXPECT_LE(t.seconds, 60.0) << path;
            EXPECT_GT(t.notes, 100) << path;
            EXPECT_TRUE(t.channels.count(0) && t.channels.count(2)) << path << ": melody and bass";
            EXPECT_TRUE(platform::IsStandardMidiFile(bytes.data(), bytes.size())) << path << ": would play as silence";
            distinct.insert(std::string(bytes.begin(), bytes.end()));
            ++files;
        }
    }
    EXPECT_EQ(files, 93);
    EXPECT_EQ(distinct.size(), 93u);
}
