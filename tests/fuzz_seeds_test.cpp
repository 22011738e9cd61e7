// The bitmap fuzz target's seeds: small files of every kind the reader takes,
// written by the helper below and kept in fuzz/corpus/bmp. To write them anew:
// MORVANE_WRITE_FUZZ_SEEDS=1 build/tests/morvane_tests --gtest_filter='FuzzSeeds.*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;

void Put(std::vector<uint8_t>& b, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// An 8-bit bitmap file around ready-made pixel data; colours 0 means a full table.
std::vector<uint8_t> SeedFile(int32_t width, int32_t height, uint32_t compression, uint32_t colours,
                              const std::vector<uint8_t>& pixelData) {
    const uint32_t tableEntries = colours == 0 ? 256 : colours;
    const uint32_t offset = 14 + 40 + tableEntries * 4;
    std::vector<uint8_t> b = {'B', 'M'};
    Put(b, offset + static_cast<uint32_t>(pixelData.size()), 4);
    Put(b, 0, 4);
    Put(b, offset, 4);
    Put(b, 40, 4);
    Put(b, static_cast<uint32_t>(width), 4);
    Put(b, static_cast<uint32_t>(height), 4);
    Put(b, 1, 2);
    Put(b, 8, 2);
    Put(b, compression, 4);
    Put(b, static_cast<uint32_t>(pixelData.size()), 4);
    Put(b, 2835, 4);
    Put(b, 2835, 4);
    Put(b, colours, 4);
    Put(b, 0, 4);
    for (uint32_t i = 0; i < tableEntries; ++i) Put(b, i * 0x010203u, 4);
    b.insert(b.end(), pixelData.begin(), pixelData.end());
    return b;
}

// Name -> bytes of every seed.
std::map<std::string, std::vector<uint8_t>> BitmapSeeds() {
    std::map<std::string, std::vector<uint8_t>> seeds;
    // 3 x 2, bottom-up: each row padded to 4 bytes, the bottom row first.
    seeds["bottom_up_odd_width.bmp"] = SeedFile(3, 2, 0, 16, {4, 5, 6, 0, 1, 2, 3, 0});
    // 5 x 3, top-down: the top row first, rows padded to 8 bytes.
    seeds["top_down_odd_width.bmp"] =
        SeedFile(5, -3, 0, 8, {1, 2, 3, 4, 5, 0, 0, 0, 2, 2, 2, 2, 2, 0, 0, 0, 7, 6, 5, 4, 3, 0, 0, 0});
    // 7 x 4, run-length coded: a run, a padded odd literal, line ends, a
    // jump and the end marker.
    seeds["rle8_odd_width.bmp"] = SeedFile(7, 4, 1, 16, {4, 1, 0, 3, 9, 8, 7, 0,  // row 0: run of 4, literal of 3
                                                         0, 0,                    // end of line
                                                         7, 2, 0, 0,              // row 1
                                                         0, 2, 2, 1,              // jump to (2, 3)
                                                         5, 3, 0, 1});            // run of 5, end of picture
    // 1 x 1 with the full 256-entry table the game's own pictures carry.
    seeds["one_pixel_full_table.bmp"] = SeedFile(1, 1, 0, 0, {255, 0, 0, 0});
    return seeds;
}

void WriteAll(const fs::path& p, const std::vector<uint8_t>& bytes) {
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(FuzzSeeds, BitmapSeedsDecodeAndCoverEveryKindTheReaderTakes) {
    bool bottomUp = false, topDown = false, rle = false, oddWidth = false;
    for (const auto& [name, bytes] : BitmapSeeds()) {
        platform::Bitmap b;
        ASSERT_TRUE(platform::DecodeBmp(bytes.data(), bytes.size(), b)) << name;
        EXPECT_LT(bytes.size(), 2048u) << name;
        const int32_t height =
            static_cast<int32_t>(bytes[22] | bytes[23] << 8 | bytes[24] << 16 | static_cast<uint32_t>(bytes[25]) << 24);
        rle = rle || bytes[30] == 1;
        bottomUp = bottomUp || (bytes[30] == 0 && height > 0);
        topDown = topDown || height < 0;
        oddWidth = oddWidth || b.width % 2 == 1;
    }
    EXPECT_TRUE(bottomUp && topDown && rle && oddWidth);
}

TEST(FuzzSeeds, TheCorpusHoldsTheBitmapSeedsApartFromTheWaveOnes) {
    const fs::path corpus = fs::path(MORVANE_SOURCE_DIR) / "fuzz" / "corpus";
    const bool rewrite = std::getenv("MORVANE_WRITE_FUZZ_SEEDS") != nullptr;
    if (rewrite) fs::create_directories(corpus / "bmp");
    for (const auto& [name, bytes] : BitmapSeeds()) {
        if (rewrite) WriteAll(corpus / "bmp" / name, bytes);
        EXPECT_EQ(ReadAll(corpus / "bmp" / name), bytes) << name << " differs from its helper";
    }
    int waves = 0;
    for (const auto& e : fs::directory_iterator(corpus / "wave")) waves += e.path().extension() == ".wav";
    EXPECT_GT(waves, 0);
    for (const auto& e : fs::directory_iterator(corpus)) EXPECT_TRUE(e.is_directory()) << e.path();
}
