// Finding the data tree from wherever the game is started.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "child_process.h"
#include "platform/data_tree.h"

namespace {

namespace fs = std::filesystem;

class DataTreeSearch : public ::testing::Test {
protected:
    void SetUp() override {
        char dir[] = "/tmp/morvane-tree-XXXXXX";
        ASSERT_NE(::mkdtemp(dir), nullptr);
        scratch_ = dir;
    }
    void TearDown() override { fs::remove_all(scratch_); }

    // Enters the tree from the folder from, as a program at exePath would;
    // exits 0 when the working directory is then want and nothing was said.
    static int EnterFrom(const fs::path& from, const std::string& exePath, const fs::path& want) {
        if (::chdir(from.c_str()) != 0) return 2;
        char* said = nullptr;
        size_t saidSize = 0;
        std::FILE* notices = ::open_memstream(&said, &saidSize);
        const bool entered = platform::EnterDataTree(exePath, notices);
        std::fclose(notices);
        const bool quiet = saidSize == 0;
        std::free(said);
        return entered && quiet && fs::equivalent(fs::current_path(), want) ? 0 : 1;
    }

    fs::path scratch_;
};

}  // namespace

TEST_F(DataTreeSearch, TheBuildsDataIsFoundFromTheProjectFolderAndFromAnyOther) {
    EXPECT_EQ(RunInChild([] { return EnterFrom(MORVANE_SOURCE_DIR, MORVANE_PROGRAM, MORVANE_DATA_DIR); }), 0);
    EXPECT_EQ(RunInChild([this] { return EnterFrom(scratch_, MORVANE_PROGRAM, MORVANE_DATA_DIR); }), 0);
    // The README's way: from the data folder itself.
    EXPECT_EQ(RunInChild([] { return EnterFrom(MORVANE_DATA_DIR, "/nowhere/morvane", MORVANE_DATA_DIR); }), 0);
}

TEST_F(DataTreeSearch, ATreeInTheWorkingFolderWinsInAnyLetterCase) {
    fs::create_directories(scratch_ / "BMP" / "stage1");
    EXPECT_TRUE(platform::HoldsDataTree(scratch_.string()));
    EXPECT_EQ(RunInChild([this] { return EnterFrom(scratch_, MORVANE_PROGRAM, scratch_); }), 0);
    // A file named bmp is no tree.
    fs::remove_all(scratch_ / "BMP");
    std::FILE* f = std::fopen((scratch_ / "bmp").c_str(), "w");
    std::fclose(f);
    EXPECT_FALSE(platform::HoldsDataTree(scratch_.string()));
}

TEST_F(DataTreeSearch, NoTreeAnywhereSaysSoInOneLineAndStaysPut) {
    const fs::path program = scratch_ / "bin" / "morvane";
    fs::create_directories(scratch_ / "bin");
    const int code = RunInChild([&] {
        if (::chdir(scratch_.c_str()) != 0) return 2;
        char* said = nullptr;
        size_t saidSize = 0;
        std::FILE* notices = ::open_memstream(&said, &saidSize);
        const bool entered = platform::EnterDataTree(program.string(), notices);
        std::fclose(notices);
        const std::string line(said, saidSize);
        std::free(said);
        const bool oneLine = !line.empty() && line.find('\n') == line.size() - 1;
        const bool namesBoth = line.find(scratch_.string() + " ") != std::string::npos &&
                               line.find((scratch_ / "bin" / "data").string()) != std::string::npos;
        const bool saysHow = line.find("build/morvane") != std::string::npos;
        return !entered && oneLine && namesBoth && saysHow && fs::current_path() == scratch_ ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
}

TEST_F(DataTreeSearch, TheRealProgramPlaysFromTheProjectFolder) {
    // The started game's working directory shows where it found its data.
    const fs::path runtime = scratch_ / "run";
    fs::create_directories(runtime);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        if (::chdir(MORVANE_SOURCE_DIR) != 0) ::_exit(126);
        ::execl(MORVANE_PROGRAM, MORVANE_PROGRAM, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ASSERT_GT(pid, 0);
    const fs::path cwd = "/proc/" + std::to_string(pid) + "/cwd";
    bool found = false;
    std::error_code ec;
    for (int i = 0; i < 500 && !found; ++i) {
        found = fs::equivalent(fs::read_symlink(cwd, ec), MORVANE_DATA_DIR, ec);
        if (!found) ::usleep(10000);
    }
    ::kill(pid, SIGTERM);
    int status = 0;
    bool ended = false;
    for (int i = 0; i < 1000 && !ended; ++i) {
        ended = ::waitpid(pid, &status, WNOHANG) == pid;
        if (!ended) ::usleep(10000);
    }
    if (!ended) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    EXPECT_TRUE(found) << "the game did not move into " << MORVANE_DATA_DIR;
}
