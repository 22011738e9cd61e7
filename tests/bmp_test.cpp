// The bitmap reader, the path resolver and bitmap loading onto surfaces.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "engine/graphics.h"
#include "platform/data_file.h"
#include "platform/platform.h"
#include "tools/gen_bitmaps.h"

namespace {

namespace fs = std::filesystem;

platform::Color (&TestPalette())[256] {
    static platform::Color p[256];
    BuildPalette(p);
    return p;
}

std::vector<uint8_t> Bmp(int w, int h, const std::vector<uint8_t>& px) {
    return EncodeBmp(w, h, px.data(), TestPalette());
}

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

bool Decode(const std::vector<uint8_t>& b, platform::Bitmap& out) {
    return platform::DecodeBmp(b.data(), b.size(), out);
}

// Runs a test inside a fresh scratch folder as the working directory.
class ScratchDir : public ::testing::Test {
protected:
    void SetUp() override {
        old_ = fs::current_path();
        dir_ = fs::temp_directory_path() / ("morvane_bmp_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(old_);
        fs::remove_all(dir_);
    }
    static void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    fs::path old_, dir_;
};

}  // namespace

TEST(BmpDecode, ReadsBottomUpTopDownAndOddWidths) {
    // 3 x 2: rows padded to 4 bytes in the file.
    const std::vector<uint8_t> px = {1, 2, 3, 4, 5, 6};
    std::vector<uint8_t> file = Bmp(3, 2, px);
    platform::Bitmap b;
    ASSERT_TRUE(Decode(file, b));
    EXPECT_EQ(b.width, 3);
    EXPECT_EQ(b.height, 2);
    EXPECT_EQ(b.pixels, px);
    EXPECT_EQ(b.paletteCount, 256);
    EXPECT_EQ(b.palette[255].r, 255);

    // The same picture stored top-down (negative height, rows in screen order).
    Put32(file, 22, static_cast<uint32_t>(-2));
    const size_t at = 14 + 40 + 1024;
    std::swap_ranges(file.begin() + at, file.begin() + at + 4, file.begin() + at + 4);
    ASSERT_TRUE(Decode(file, b));
    EXPECT_EQ(b.pixels, px);
}

TEST(BmpDecode, ReadsRle8AndRejectsOverruns) {
    std::vector<uint8_t> file = Bmp(4, 2, {0, 0, 0, 0, 0, 0, 0, 0});
    const size_t at = 14 + 40 + 1024;
    file.resize(at);
    // Bottom row: run of 4 x 9; top row: literal 1 2 3 then 7; end of picture.
    const uint8_t rle[] = {4, 9, 0, 0, 0, 3, 1, 2, 3, 0, 1, 7, 0, 1};
    file.insert(file.end(), rle, rle + sizeof rle);
    Put32(file, 30, 1);
    platform::Bitmap b;
    ASSERT_TRUE(Decode(file, b));
    EXPECT_EQ(b.pixels, (std::vector<uint8_t>{1, 2, 3, 7, 9, 9, 9, 9}));

    std::vector<uint8_t> over = file;
    over[at] = 5;  // a run of 5 in a row of 4
    EXPECT_FALSE(Decode(over, b));
    std::vector<uint8_t> cut(file.begin(), file.end() - 2);  // no end marker
    EXPECT_FALSE(Decode(cut, b));
}

namespace {

// A 16-colour RLE8 file of the given size around a stream.
std::vector<uint8_t> Rle8File(int w, int h, const std::vector<uint8_t>& stream) {
    std::vector<uint8_t> file = Bmp(4, 2, std::vector<uint8_t>(8, 0));
    const size_t at = 14 + 40 + 16 * 4;
    file.resize(at);
    Put32(file, 10, static_cast<uint32_t>(at));
    Put32(file, 18, static_cast<uint32_t>(w));
    Put32(file, 22, static_cast<uint32_t>(h));
    Put32(file, 30, 1);
    Put32(file, 46, 16);
    file.insert(file.end(), stream.begin(), stream.end());
    Put32(file, 2, static_cast<uint32_t>(file.size()));
    return file;
}

}  // namespace

TEST(BmpDecode, Rle8HeaderClaimingFarMoreThanItsStreamIsRefused) {
    // 1 KiB of file claiming 4096 x 4096, a sound stream of full rows: no
    // 16 MiB picture is made of it.
    std::vector<uint8_t> runs;
    while (runs.size() + 34 <= 1024 - 14 - 40 - 64 - 2) {
        for (int i = 0; i < 16; ++i) runs.insert(runs.end(), {255, 7});
        runs.insert(runs.end(), {0, 0});
    }
    runs.insert(runs.end(), {0, 1});
    const std::vector<uint8_t> claim = Rle8File(4096, 4096, runs);
    EXPECT_LE(claim.size(), 1024u);
    platform::Bitmap b;
    EXPECT_FALSE(Decode(claim, b));

    // A blank screen needs only its line ends, and still reads; so does a
    // small picture after it, in the buffer the big one left.
    std::vector<uint8_t> blank;
    for (int y = 0; y < 480; ++y) blank.insert(blank.end(), {0, 0});
    blank.insert(blank.end(), {0, 1});
    ASSERT_TRUE(Decode(Rle8File(640, 480, blank), b));
    EXPECT_EQ(b.pixels, std::vector<uint8_t>(640 * 480, 0));
    ASSERT_TRUE(Decode(Rle8File(3, 1, {3, 5, 0, 1}), b));
    EXPECT_EQ(b.pixels, (std::vector<uint8_t>{5, 5, 5}));
}

TEST(BmpDecode, RejectsMalformedFiles) {
    const std::vector<uint8_t> good = Bmp(8, 8, std::vector<uint8_t>(64, 5));
    platform::Bitmap b;
    ASSERT_TRUE(Decode(good, b));
    auto broken = [&](auto change) {
        std::vector<uint8_t> f = good;
        change(f);
        return !Decode(f, b);
    };
    EXPECT_TRUE(broken([](auto& f) { f[0] = 'X'; })) << "bad magic";
    EXPECT_TRUE(broken([](auto& f) { f[28] = 24; })) << "24 bits per pixel";
    EXPECT_TRUE(broken([](auto& f) { Put32(f, 18, 0x7FFFFFFF); })) << "absurd width";
    EXPECT_TRUE(broken([](auto& f) { Put32(f, 22, 0x80000000u); })) << "absurd height";
    EXPECT_TRUE(broken([](auto& f) { Put32(f, 18, 0); })) << "zero width";
    EXPECT_TRUE(broken([](auto& f) { Put32(f, 30, 3); })) << "bit-field compression";
    EXPECT_TRUE(broken([](auto& f) { Put32(f, 46, 300); })) << "too many colours";
    EXPECT_TRUE(broken([](auto& f) { Put32(f, 14, 0xFFFFFFF0u); })) << "header larger than the file";
    EXPECT_TRUE(broken([](auto& f) { Put32(f, 10, static_cast<uint32_t>(f.size())); })) << "pixels past the end";
    EXPECT_TRUE(broken([](auto& f) { f.resize(f.size() - 9); })) << "short pixel data";
    EXPECT_TRUE(broken([](auto& f) { f.resize(30); })) << "truncated header";
    EXPECT_FALSE(platform::DecodeBmp(nullptr, 0, b));
}

TEST_F(ScratchDir, PathsMatchFoldersAndFilesWhateverTheirCase) {
    Write("bmp/enemy/Une.bmp", {1});
    Write("bmp/enemy/ghost/0.bmp", {1});
    EXPECT_EQ(platform::ResolveDataPath("bmp\\Enemy\\Une.bmp"), "bmp/enemy/Une.bmp");
    EXPECT_EQ(platform::ResolveDataPath("BMP\\ENEMY\\GHOST\\0.BMP"), "bmp/enemy/ghost/0.bmp");
    EXPECT_EQ(platform::ResolveDataPath("bmp/enemy/ghost/0.bmp"), "bmp/enemy/ghost/0.bmp");
    std::vector<uint8_t> bytes;
    const std::string missing = platform::ResolveDataPath("bmp\\enemy\\ghost\\1.bmp");
    EXPECT_FALSE(platform::ReadDataFile(missing.c_str(), platform::kMaxBitmapBytes, bytes));
}

TEST_F(ScratchDir, LoadingScalesToTheSlotAndLeavesTheSurfaceAloneOnBadFiles) {
    CGraphics& g = g_graphics;
    Write("bmp/small.bmp", Bmp(2, 2, {10, 11, 12, 13}));
    platform::Surface s(4, 4);
    g.LoadBmpToSurface(&s, "bmp\\Small.bmp", 0, 0, 4, 4);
    const std::vector<uint8_t> doubled = {10, 10, 11, 11, 10, 10, 11, 11, 12, 12, 13, 13, 12, 12, 13, 13};
    EXPECT_EQ(std::vector<uint8_t>(s.Pixels(), s.Pixels() + 16), doubled);

    Write("bmp/large.bmp", Bmp(8, 2, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8}));
    platform::Surface half(4, 1);
    g.LoadBmpToSurface(&half, "bmp\\large.bmp", 0, 0, 4, 1);
    // Nearest neighbour samples pixel centres: the lower file row, every other column.
    EXPECT_EQ(std::vector<uint8_t>(half.Pixels(), half.Pixels() + 4), (std::vector<uint8_t>{5, 6, 7, 8}));

    std::vector<uint8_t> cut = Bmp(4, 4, std::vector<uint8_t>(16, 9));
    cut.resize(cut.size() - 5);
    Write("bmp/cut.bmp", cut);
    std::vector<uint8_t> deep = Bmp(4, 4, std::vector<uint8_t>(16, 9));
    deep[28] = 4;
    Write("bmp/deep.bmp", deep);
    for (const char* path : {"bmp\\missing.bmp", "bmp\\cut.bmp", "bmp\\deep.bmp", "bmp"}) {
        platform::Surface t(4, 4);
        g.LoadBmpToSurface(&t, path, 0, 0, 4, 4);
        EXPECT_EQ(std::vector<uint8_t>(t.Pixels(), t.Pixels() + 16), std::vector<uint8_t>(16, 0)) << path;
    }
}

TEST_F(ScratchDir, PaletteFileAndItsAbsence) {
    platform::Color entries[256];
    for (auto& e : entries) e = platform::Color{1, 2, 3, 0};
    EXPECT_EQ(g_graphics.LoadPaletteFromBmp("bmp\\stage1\\0.bmp", entries), 0);
    EXPECT_EQ(entries[7].r, 1) << "a missing file leaves the table alone";

    Write("bmp/stage1/0.bmp", Bmp(4, 1, {0, 0, 0, 0}));
    ASSERT_EQ(g_graphics.LoadPaletteFromBmp("bmp\\stage1\\0.bmp", entries), 1);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(entries[i].r, TestPalette()[i].r);
        EXPECT_EQ(entries[i].g, TestPalette()[i].g);
        EXPECT_EQ(entries[i].b, TestPalette()[i].b);
        EXPECT_EQ(entries[i].flags, 1);
    }
}

TEST(Text, JapaneseFontDrawsKanaWhereTheLatinFontCannot) {
    auto inked = [](platform::TextFont font, const char* text) {
        platform::SetTextFont(font);
        platform::Surface s(200, 40);
        platform::RenderText(s, 2, 2, text, 255);
        int n = 0;
        for (int i = 0; i < 200 * 40; ++i) n += s.Pixels()[i] == 255;
        for (int i = 0; i < 200 * 40; ++i) EXPECT_TRUE(s.Pixels()[i] == 0 || s.Pixels()[i] == 255);
        return n;
    };
    const int kana = inked(platform::TextFont::kJapanese, "ステージ１");
    EXPECT_GT(kana, 60);
    EXPECT_GT(inked(platform::TextFont::kJapanese, "stage 1"), 20);
    EXPECT_NEAR(platform::TextLineHeight(), 16, 1);
    platform::SetTextFont(platform::TextFont::kLatin);
    EXPECT_GT(inked(platform::TextFont::kLatin, "stage 1"), 20);
    // Clipped at the surface's edges rather than written past them.
    platform::Surface tiny(3, 3);
    platform::RenderText(tiny, -5, -5, "Loading, please wait", 255);
}

TEST(BmpEncode, RunLengthCodedPicturesReadBackExactly) {
    std::vector<uint8_t> px(300 * 3);
    for (size_t i = 0; i < px.size(); ++i) px[i] = static_cast<uint8_t>(i < 600 ? 7 : i % 5);
    const std::vector<uint8_t> file = EncodeBmp(300, 3, px.data(), TestPalette(), true);
    platform::Bitmap b;
    ASSERT_TRUE(Decode(file, b));
    EXPECT_EQ(b.pixels, px);
    EXPECT_LT(file.size(), 14 + 40 + 1024 + 300 * 3u) << "flat rows shrink";
}
