#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "child_process.h"
#include "engine/graphics.h"
#include "engine/music.h"
#include "engine/sound.h"
#include "engine/timers.h"
#include "game_test.h"
#include "shell/menu.h"
#include "shell/shell.h"

namespace {

bool HasText(const std::vector<platform::HeadlessBackend::Text>& texts, const std::string& s, int x, int y) {
    for (const auto& t : texts)
        if (t.text == s && t.x == x && t.y == y) return true;
    return false;
}

bool QuitQueued(platform::HeadlessBackend& b, uint32_t* code = nullptr) {
    platform::Message m{};
    while (b.TakeMessage(m)) {
        if (m.type == platform::MessageType::Quit) {
            if (code) *code = m.param;
            return true;
        }
    }
    return false;
}

}  // namespace

class Shell : public GameTest {};

TEST_F(Shell, FirstPaintStartsUpOnceAndShowsTheLoadingLine) {
    StartGame();
    EXPECT_EQ(g_firstPaint, 0);
    EXPECT_FALSE(backend.cursorShown);
    EXPECT_EQ(backend.presentCount, 1);
    EXPECT_TRUE(HasText(backend.lastTexts, "Loading, please wait", 250, 240));
    EXPECT_EQ(backend.lastTexts.size(), 1u) << "no stage label before the first stage";
    EXPECT_EQ(backend.ActiveTimers(), 2);
    EXPECT_NE(g_tickTimerId, g_musicTimerId);
    WindowProc(platform::Message{platform::MessageType::Paint, 0});
    EXPECT_EQ(backend.presentCount, 1) << "later paints do nothing";
    EXPECT_EQ(backend.ActiveTimers(), 2);
}

TEST_F(Shell, TimerSetUpFailureEndsTheProgram) {
    backend.minTimerPeriod = 100;
    StartGame();
    uint32_t code = 99;
    EXPECT_TRUE(QuitQueued(backend, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(backend.ActiveTimers(), 0);
}

TEST_F(Shell, DisplayFailureEndsTheProgramWithAnError) {
    backend.failDisplay = true;
    StartGame();
    uint32_t code = 0;
    EXPECT_TRUE(QuitQueued(backend, &code));
    EXPECT_EQ(code, 1u);
    EXPECT_EQ(backend.ActiveTimers(), 0);
}

TEST_F(Shell, MenuFramesClearAndFlipEveryTick) {
    StartGame();
    EXPECT_EQ(Tick(3), 3);
    EXPECT_EQ(backend.presentCount, 4);
    // Cleared to index 0, then the page's text.
    EXPECT_EQ(backend.lastFrame[0], 0);
    EXPECT_EQ(backend.lastFrame[640 * 479 + 639], 0);
    EXPECT_TRUE(HasText(backend.lastTexts, "stage select", 150, 100));
}

TEST_F(Shell, EscDuringPlayStopsTheFrameBeforeAnyDrawing) {
    StartGame();
    g_menu.active = 0;
    Tick();
    EXPECT_EQ(backend.presentCount, 2);
    HoldKey(0x01);
    Tick();
    EXPECT_EQ(g_menu.IsActive(), 1);
    EXPECT_EQ(backend.presentCount, 2) << "no flip on the frame that opened the menu";
    Tick();
    EXPECT_EQ(backend.presentCount, 3) << "menu frames flip again";
}

TEST_F(Shell, ClearWaitCountsEveryMessageAndWrapsFrom50To1) {
    StartGame();
    g_menu.active = 0;
    g_stageNumber = 50;
    g_loadedStage = 50;
    Tick();
    const int presentsBefore = backend.presentCount;
    g_stageClear = 1;
    HoldKey(0x01);  // Esc is ignored during the wait
    int messages = 0, ticks = 0;
    while (g_stageClear != 0 && ticks < 200) {
        messages += Tick();
        ++ticks;
    }
    EXPECT_EQ(messages, 105);
    EXPECT_EQ(ticks, 104) << "the music check that fell inside the wait counted as one";
    EXPECT_EQ(g_stageNumber, 1);
    EXPECT_EQ(g_clearWaitTicks, 0);
    EXPECT_EQ(g_menu.IsActive(), 0);
    EXPECT_EQ(backend.presentCount, presentsBefore + 1) << "only the loading screen was shown";
    EXPECT_TRUE(HasText(backend.lastTexts, "stage 1", 250, 190));
    EXPECT_EQ(g_loadedStage, 1) << "a clear always takes the stage-change branch";
    // The rebuilt timers run with fresh flags.
    EXPECT_EQ(backend.ActiveTimers(), 2);
    LetGo(0x01);
    Tick();
    EXPECT_EQ(backend.presentCount, presentsBefore + 2);
}

TEST_F(Shell, ClearWaitMovesAnyStageOn) {
    StartGame();
    g_menu.active = 0;
    g_stageNumber = 7;
    g_stageClear = 1;
    int messages = 0;
    while (g_stageClear != 0 && messages < 300) messages += Tick();
    EXPECT_EQ(g_stageNumber, 8);
}

TEST_F(Shell, LeftClickQuitsOnEveryScreen) {
    StartGame();
    backend.InjectClick();
    Pump();
    // The click's quit is posted behind it; it is the next message.
    backend.InjectClick();
    platform::Message m{};
    ASSERT_TRUE(backend.TakeMessage(m));
    WindowProc(m);
    EXPECT_TRUE(QuitQueued(backend));
    g_menu.active = 0;
    backend.InjectClick();
    ASSERT_TRUE(backend.TakeMessage(m));
    WindowProc(m);
    EXPECT_TRUE(QuitQueued(backend));
}

TEST_F(Shell, ClosingTheWindowStopsTimersBeforeQuitting) {
    StartGame();
    backend.InjectClose();
    platform::Message m{};
    ASSERT_TRUE(backend.TakeMessage(m));
    WindowProc(m);
    EXPECT_EQ(backend.ActiveTimers(), 0);
    EXPECT_TRUE(QuitQueued(backend));
}

class Program : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        char dir[] = "/tmp/morvane-test-XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        runtimeDir_ = dir;
        setenv("XDG_RUNTIME_DIR", dir, 1);
    }
    void TearDown() override {
        GameTest::TearDown();
        std::string cmd = "rm -rf " + runtimeDir_;
        (void)std::system(cmd.c_str());
    }
    std::string runtimeDir_;
};

TEST_F(Program, RunsUntilClickedAndShutsDownEverything) {
    int frames = 0;
    backend.idle = [&] {
        backend.Advance(50);
        if (backend.presentCount >= 10 && frames++ == 0) backend.InjectClick();
        return backend.presentCount < 1000;
    };
    EXPECT_EQ(WinMain(), 0);
    EXPECT_GE(backend.presentCount, 10);
    EXPECT_LT(backend.presentCount, 14);
    EXPECT_EQ(backend.ActiveTimers(), 0) << "timers are killed on every way out";
}

TEST_F(Program, ExitGameFromTheLoopReturnsItsCode) {
    backend.idle = [&] {
        backend.Advance(50);
        if (backend.presentCount == 3) backend.PostQuit(0);
        return true;
    };
    EXPECT_EQ(WinMain(), 0);
    EXPECT_EQ(backend.ActiveTimers(), 0);
}

TEST_F(Program, NoWindowMeansAnErrorExit) {
    backend.failWindow = true;
    EXPECT_EQ(WinMain(), 1);
    EXPECT_EQ(backend.presentCount, 0);
}

TEST_F(Program, SecondInstanceIsRefusedWhileTheFirstRuns) {
    platform::InstanceLock first;
    ASSERT_EQ(first.Acquire("NotDouble"), 1);
    SingleInstance inProcess;
    EXPECT_EQ(inProcess.Acquire(), 0);
    // The refused copy shows nothing and exits with 0.
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) _exit(WinMain() == 0 && backend.presentCount == 0 ? 0 : 1);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    first.Release();
    EXPECT_EQ(inProcess.Acquire(), 1) << "a released lock lets the next copy start";
}

namespace {

bool LockHeld(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return false;
    std::ifstream locks("/proc/locks");
    const std::string inode = ":" + std::to_string(st.st_ino) + " ";
    for (std::string line; std::getline(locks, line);)
        if (line.find("FLOCK") != std::string::npos && line.find(inode) != std::string::npos) return true;
    return false;
}

}  // namespace

TEST_F(Program, RealProgramRefusesASecondCopyAndEndsCleanly) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const pid_t first = Spawn(MORVANE_PROGRAM);
    ASSERT_GT(first, 0);
    // Wait until the first copy holds the lock (looked up without taking
    // it, so the probe cannot turn the game away).
    bool held = false;
    for (int i = 0; i < 1000 && !held; ++i) {
        held = LockHeld(runtimeDir_ + "/NotDouble.lock");
        if (!held) usleep(10000);
    }
    ASSERT_TRUE(held) << "the game did not start";
    int status = 0;
    const pid_t second = Spawn(MORVANE_PROGRAM);
    ASSERT_TRUE(WaitExit(second, 10, &status)) << "the second copy kept running";
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(waitpid(first, &status, WNOHANG), 0) << "the first copy must still run";
    // A termination request closes the window: the orderly shut-down path.
    kill(first, SIGTERM);
    ASSERT_TRUE(WaitExit(first, 10, &status));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
