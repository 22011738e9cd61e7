// Reading data files safely: damaged trees read as missing files, never block.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <SDL.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "audio_test_util.h"
#include "child_process.h"
#include "engine/graphics.h"
#include "engine/sound.h"
#include "platform/data_file.h"
#include "platform/sdl_backend.h"
#include "platform/sdl_data_file.h"
#include "shell/menu.h"
#include "tools/gen_bitmaps.h"

namespace {

namespace fs = std::filesystem;

// What a read in a child process came to; the child is stopped by an alarm
// should the read ever block.
enum class Outcome { kRead, kRefused, kBlocked, kCrashed, kSkipped };
[[maybe_unused]] void PrintTo(Outcome o, std::ostream* os) {
    static const char* const kNames[] = {"read", "refused", "blocked", "crashed", "skipped"};
    *os << kNames[static_cast<int>(o)];
}

// Runs fn in a child: it returns 0 for a read, 1 for a clean refusal, 3 when
// the case cannot be tried here, anything else for a fault.
template <typename Fn>
Outcome InChild(Fn fn, bool unprivileged = false) {
    switch (RunInChild(fn, unprivileged)) {
        case 0: return Outcome::kRead;
        case 1: return Outcome::kRefused;
        case 3: return Outcome::kSkipped;
        case kChildBlocked: return Outcome::kBlocked;
        default: return Outcome::kCrashed;
    }
}

Outcome ReadInChild(const std::string& path, size_t maxBytes) {
    return InChild([&] {
        std::vector<uint8_t> out{1, 2, 3};
        if (platform::ReadDataFile(path.c_str(), maxBytes, out)) return 0;
        return out.empty() ? 1 : 2;  // a refusal leaves nothing behind
    });
}

class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("morvane_df_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Write(const std::string& name, size_t bytes) {
        const std::string path = (dir_ / name).string();
        std::ofstream f(path, std::ios::binary);
        for (size_t i = 0; i < bytes; ++i) f.put(static_cast<char>(i * 7));
        return path;
    }
    fs::path dir_;
};

}  // namespace

TEST_F(DataFileTest, ReadsARegularFileWholeUpToItsCap) {
    const std::string path = Write("a.bin", 1000);
    std::vector<uint8_t> out;
    ASSERT_TRUE(platform::ReadDataFile(path.c_str(), 1000, out));
    ASSERT_EQ(out.size(), 1000u);
    EXPECT_EQ(out[999], static_cast<uint8_t>(999 * 7));
    // A link to a regular file is that file.
    fs::create_symlink(path, dir_ / "link.bin");
    EXPECT_TRUE(platform::ReadDataFile((dir_ / "link.bin").c_str(), 1000, out));
    EXPECT_EQ(out.size(), 1000u);
    // An empty file reads as empty; its decoder decides.
    EXPECT_TRUE(platform::ReadDataFile(Write("empty.bin", 0).c_str(), 10, out));
    EXPECT_TRUE(out.empty());
}

// Pipes, folders, links to folders, over-size and unreadable files: see the
// readers' tests below, which try each in place of a real data file.
TEST_F(DataFileTest, RefusesWhatIsNoFileAtAllWithoutBlocking) {
    fs::create_symlink(dir_ / "nowhere", dir_ / "dangling");
    EXPECT_EQ(ReadInChild((dir_ / "dangling").string(), 1000), Outcome::kRefused);
    EXPECT_EQ(ReadInChild("/dev/zero", 1000), Outcome::kRefused);
    EXPECT_EQ(ReadInChild("", 1000), Outcome::kRefused);
    std::vector<uint8_t> out{1};
    EXPECT_FALSE(platform::ReadDataFile(nullptr, 1000, out));
    EXPECT_TRUE(out.empty());
}

TEST(DataFileCaps, LeaveRoomAboveEveryGeneratedFile) {
    size_t counts[3] = {};
    for (const auto& e : fs::recursive_directory_iterator(MORVANE_DATA_DIR)) {
        if (!e.is_regular_file()) continue;
        std::string ext = e.path().extension().string();
        for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const int kind = ext == ".bmp" ? 0 : ext == ".wav" ? 1 : ext == ".mid" ? 2 : -1;
        if (kind < 0) continue;
        const size_t caps[3] = {platform::kMaxBitmapBytes, platform::kMaxWaveBytes, platform::kMaxTuneBytes};
        ++counts[kind];
        EXPECT_LT(e.file_size() * 4, caps[kind]) << e.path();
    }
    for (size_t n : counts) EXPECT_GT(n, 0u);
}

// ---- Every reader treats a damaged file as a missing one ---------------------

namespace {

enum class Damage { kNone, kFifo, kFolder, kFolderLink, kOverSize, kUnreadable };
constexpr Damage kDamages[] = {Damage::kFifo, Damage::kFolder, Damage::kFolderLink, Damage::kOverSize,
                               Damage::kUnreadable};

class DamagedTreeTest : public ScratchDirTest {
protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        fs::permissions(dir_, fs::perms::all);  // an unprivileged child must get in
        fs::create_directories("elsewhere");
    }
    // Puts a good file of the given bytes at gamePath ('/' separated), then
    // damages it: replaced by a pipe, a folder or a link to one, grown past
    // cap, or made unreadable (the reader then runs as another user).
    void Place(const std::string& gamePath, const std::vector<uint8_t>& bytes, Damage d, size_t cap) {
        fs::remove_all(gamePath);
        Write(gamePath, bytes);
        switch (d) {
            case Damage::kNone: break;
            case Damage::kFifo:
                fs::remove(gamePath);
                ASSERT_EQ(::mkfifo(gamePath.c_str(), 0644), 0);
                break;
            case Damage::kFolder:
                fs::remove(gamePath);
                fs::create_directory(gamePath);
                break;
            case Damage::kFolderLink:
                fs::remove(gamePath);
                fs::create_directory_symlink(fs::absolute("elsewhere"), gamePath);
                break;
            case Damage::kOverSize:
                fs::resize_file(gamePath, cap + 1);  // sparse: cheap however big the cap
                break;
            case Damage::kUnreadable: fs::permissions(gamePath, fs::perms::none); break;
        }
    }
    // Runs a reader in a child; it returns 0 when the file was used and 1
    // when the result is exactly that of a missing file.
    template <typename Fn>
    void ExpectEachDamageReadsAsMissing(const std::string& gamePath, const std::vector<uint8_t>& bytes, size_t cap,
                                        Fn reader) {
        Place(gamePath, bytes, Damage::kNone, cap);
        ASSERT_EQ(InChild(reader), Outcome::kRead) << "the good file must load";
        for (Damage d : kDamages) {
            Place(gamePath, bytes, d, cap);
            EXPECT_EQ(InChild(reader, d == Damage::kUnreadable), Outcome::kRefused) << "damage " << static_cast<int>(d);
        }
        fs::remove_all(gamePath);
        EXPECT_EQ(InChild(reader), Outcome::kRefused) << "a missing file";
    }
};

}  // namespace

TEST_F(DamagedTreeTest, PicturesAndThePaletteReadAsMissing) {
    platform::Color table[256];
    BuildPalette(table);
    const std::vector<uint8_t> px = {7, 8, 9, 10};
    ExpectEachDamageReadsAsMissing(
        "bmp/stage1/0.bmp", EncodeBmp(2, 2, px.data(), table), platform::kMaxBitmapBytes, [&] {
            platform::Surface s(2, 2);
            g_graphics.LoadBmpToSurface(&s, "bmp\\stage1\\0.bmp", 0, 0, 2, 2);
            const bool picture = s.Row(0)[0] != 0;
            platform::Color entries[256] = {};
            const int32_t palette = g_graphics.LoadPaletteFromBmp("bmp\\stage1\\0.bmp", entries);
            if (picture && palette == 1 && entries[255].r == table[255].r) return 0;
            return !picture && palette == 0 && entries[255].r == 0 ? 1 : 2;
        });
}

TEST_F(DamagedTreeTest, EffectsReadAsMissing) {
    ExpectEachDamageReadsAsMissing("wave/HIT.wav", BuildWave(WaveSpec{}), platform::kMaxWaveBytes, [] {
        g_soundPlayer.ReadWaveFile("wave\\HIT.wav");
        if (g_soundPlayer.dataSize == 2000) return 0;
        return g_soundPlayer.dataSize == 0 && g_soundPlayer.data.empty() ? 1 : 2;
    });
}

TEST_F(DamagedTreeTest, TunesReadAsMissing) {
    std::vector<uint8_t> tune;
    const fs::path built = fs::path(MORVANE_DATA_DIR) / "midi/stage1/0.mid";
    ASSERT_TRUE(platform::ReadDataFile(built.c_str(), platform::kMaxTuneBytes, tune));
    ExpectEachDamageReadsAsMissing("midi/stage1/0.mid", tune, platform::kMaxTuneBytes, [&] {
        SDL_RWops* rw = platform::OpenDataFileStream("midi\\stage1\\0.mid", platform::kMaxTuneBytes);
        if (!rw) return 1;
        const bool whole = SDL_RWsize(rw) == static_cast<Sint64>(tune.size());
        SDL_RWclose(rw);
        return whole ? 0 : 2;
    });
}

TEST_F(DamagedTreeTest, TheMixerLoadsTunesOnlyThroughTheSafeRead) {
    std::vector<uint8_t> tune;
    const fs::path built = fs::path(MORVANE_DATA_DIR) / "midi/stage1/0.mid";
    ASSERT_TRUE(platform::ReadDataFile(built.c_str(), platform::kMaxTuneBytes, tune));
    Place("midi/stage1/0.mid", tune, Damage::kNone, platform::kMaxTuneBytes);
    Place("midi/stage1/1.mid", tune, Damage::kFifo, platform::kMaxTuneBytes);
    const Outcome o = InChild([] {
        platform::SdlBackend sdl;
        // Without a sound device or a soundfont no tune loads at all.
        if (!sdl.OpenAudio() || sdl.LoadMusic("midi\\stage1\\0.mid") == 0) return 3;
        return sdl.LoadMusic("midi\\stage1\\1.mid") == 0 ? 1 : 0;
    });
    if (o == Outcome::kSkipped) GTEST_SKIP() << "no sound device or soundfont here";
    EXPECT_EQ(o, Outcome::kRefused);
}

TEST_F(DamagedTreeTest, APipeForTheFirstPanelStillReachesTheTitle) {
    Place("bmp/stage1/0.bmp", {}, Damage::kFifo, 0);
    const Outcome o = InChild([this] {
        StartGame();
        return g_menu.IsActive() && backend.presentCount > 0 ? 1 : 2;
    });
    EXPECT_EQ(o, Outcome::kRefused) << "the start-up must finish on the title";
}
