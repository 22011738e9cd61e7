// Reading data files safely: damaged trees read as missing files, never block.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/data_file.h"

namespace {

namespace fs = std::filesystem;

// What a read in a child process came to; the child is stopped by an alarm
// should the read ever block.
enum class Outcome { kRead, kRefused, kBlocked, kCrashed };
[[maybe_unused]] void PrintTo(Outcome o, std::ostream* os) {
    static const char* const kNames[] = {"read", "refused", "blocked", "crashed"};
    *os << kNames[static_cast<int>(o)];
}

// Runs fn in a child (as an unprivileged user when asked and we are root);
// fn returns 0 for a read, 1 for a clean refusal, anything else for a fault.
template <typename Fn>
Outcome InChild(Fn fn, bool unprivileged = false) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(5);
        if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        ::_exit(fn());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return Outcome::kCrashed;
    if (WIFSIGNALED(status)) return WTERMSIG(status) == SIGALRM ? Outcome::kBlocked : Outcome::kCrashed;
    if (!WIFEXITED(status)) return Outcome::kCrashed;
    return WEXITSTATUS(status) == 0 ? Outcome::kRead : WEXITSTATUS(status) == 1 ? Outcome::kRefused
                                                                                 : Outcome::kCrashed;
}

Outcome ReadInChild(const std::string& path, size_t maxBytes, bool unprivileged = false) {
    return InChild(
        [&] {
            std::vector<uint8_t> out{1, 2, 3};
            if (platform::ReadDataFile(path.c_str(), maxBytes, out)) return 0;
            return out.empty() ? 1 : 2;  // a refusal leaves nothing behind
        },
        unprivileged);
}

class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("morvane_df_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::permissions(dir_, fs::perms::all);  // an unprivileged child must get in
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

TEST_F(DataFileTest, RefusesWhatIsNotASmallRegularFileWithoutBlocking) {
    const std::string fifo = (dir_ / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    fs::create_directory(dir_ / "folder");
    fs::create_directory_symlink(dir_ / "folder", dir_ / "folder_link");
    fs::create_symlink(dir_ / "nowhere", dir_ / "dangling");
    EXPECT_EQ(ReadInChild(fifo, 1000), Outcome::kRefused);
    EXPECT_EQ(ReadInChild((dir_ / "folder").string(), 1000), Outcome::kRefused);
    EXPECT_EQ(ReadInChild((dir_ / "folder_link").string(), 1000), Outcome::kRefused);
    EXPECT_EQ(ReadInChild((dir_ / "dangling").string(), 1000), Outcome::kRefused);
    EXPECT_EQ(ReadInChild((dir_ / "missing").string(), 1000), Outcome::kRefused);
    EXPECT_EQ(ReadInChild("/dev/zero", 1000), Outcome::kRefused);
    EXPECT_EQ(ReadInChild(Write("big.bin", 1001), 1000), Outcome::kRefused);
    EXPECT_EQ(ReadInChild("", 1000), Outcome::kRefused);
    std::vector<uint8_t> out{1};
    EXPECT_FALSE(platform::ReadDataFile(nullptr, 1000, out));
    EXPECT_TRUE(out.empty());
}

TEST_F(DataFileTest, RefusesAFileItsReaderMayNotRead) {
    const std::string path = Write("locked.bin", 10);
    fs::permissions(path, fs::perms::none);
    EXPECT_EQ(ReadInChild(path, 1000, true), Outcome::kRefused);
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
