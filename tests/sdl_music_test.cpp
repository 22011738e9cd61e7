// Music on the real audio backend (SDL's dummy driver) with the installed
// General MIDI soundfont: the one synthesizer, bad tune files, shut-down.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"
#include "engine/game_state.h"
#include "engine/music.h"
#include "platform/midi_synth.h"
#include "platform/sdl_backend.h"
#include "shell/shell.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

bool WaitFor(const std::function<bool()>& done, int ms = 10000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The three ways a tune file can be bad: a folder in its place, the file cut
// off, another kind of file under its name.
enum class BadTune { kFolder, kCutOff, kNotMidi };

void SpoilTune(const fs::path& path, BadTune how) {
    const Bytes good = ReadBytes(path);
    fs::remove(path);
    switch (how) {
        case BadTune::kFolder: fs::create_directory(path); break;
        case BadTune::kCutOff: WriteBytes(path, Bytes(good.begin(), good.begin() + good.size() / 2)); break;
        case BadTune::kNotMidi: WriteBytes(path, ReadBytes(fs::path(MORVANE_DATA_DIR) / "wave/fire.wav")); break;
    }
}

// Milestones reported by the backend, in order, from any thread.
class TraceLog {
public:
    void Add(const char* what) {
        std::lock_guard<std::mutex> lock(mutex_);
        events_.emplace_back(what);
    }
    std::vector<std::string> Events() {
        std::lock_guard<std::mutex> lock(mutex_);
        return events_;
    }
    int Count(const std::string& what) {
        const auto e = Events();
        return static_cast<int>(std::count(e.begin(), e.end(), what));
    }

private:
    std::mutex mutex_;
    std::vector<std::string> events_;
};

// The tunes of the build copied into a scratch working folder, and an SDL
// backend whose only use is its sound device.
class SdlMusic : public ::testing::Test {
protected:
    void SetUp() override {
        if (platform::SdlBackend::FindSoundFont().empty()) GTEST_SKIP() << "no soundfont installed";
        char dir[] = "/tmp/morvane-music-XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        dir_ = dir;
        fs::copy(fs::path(MORVANE_DATA_DIR) / "midi", dir_ / "midi", fs::copy_options::recursive);
        oldDir_ = fs::current_path();
        fs::current_path(dir_);
        backend_ = std::make_unique<platform::SdlBackend>();
        backend_->audioTrace = [this](const char* what) { trace_.Add(what); };
        platform::SetBackend(backend_.get());
        g_stageNumber = 0;
        g_stageMusic = StageMusic();
    }
    void TearDown() override {
        if (dir_.empty()) return;
        JoinNextTrackThread();
        g_stageMusic.Stop();
        g_stageMusic.Release();
        platform::ClearBackend();
        backend_.reset();
        fs::current_path(oldDir_);
        fs::remove_all(dir_);
        g_stageNumber = 0;
    }
    // The first paint's music start-up.
    void StartTitleMusic() {
        ASSERT_EQ(g_stageMusic.Init(), 1);
        ASSERT_EQ(g_stageMusic.LoadAll(), 1);
        ASSERT_EQ(g_stageMusic.PlayCurrent(), 1);
    }
    bool WaitPlaying() {
        return WaitFor([] {
            std::lock_guard<std::mutex> lock(g_musicMutex);
            return g_stageMusic.IsPlaying() == 1;
        });
    }

    fs::path dir_;
    fs::path oldDir_;
    std::unique_ptr<platform::SdlBackend> backend_;
    TraceLog trace_;
};

}  // namespace

TEST_F(SdlMusic, TheTitleTuneIsAskedForAtOnceAndPlaysOnceTheSoundfontIsIn) {
    StartTitleMusic();
    EXPECT_EQ(trace_.Count("player started"), 0) << "nothing could play yet";
    ASSERT_TRUE(WaitPlaying());
    const auto events = trace_.Events();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[0], "soundfont loaded");
    EXPECT_EQ(events[1], "player started");
}

TEST_F(SdlMusic, StageChangesLoadEveryTuneWithoutLoadingTheSoundfontAgain) {
    StartTitleMusic();
    ASSERT_TRUE(WaitPlaying());
    for (int stage : {13, 1, 44, 49}) {
        g_stageNumber = stage;
        RebuildStageMusic();
        for (int k = 0; k < g_stageMusic.trackCount; ++k) EXPECT_NE(g_stageMusic.segments[k], 0u) << k;
        EXPECT_TRUE(WaitPlaying()) << stage;
        std::lock_guard<std::mutex> lock(g_musicMutex);
        g_stageMusic.NextTrack();
    }
    EXPECT_TRUE(WaitPlaying()) << "the second tune of the last stage";
    EXPECT_EQ(trace_.Count("soundfont loaded"), 1);
}

TEST_F(SdlMusic, BadTuneFilesAreSilentAndTheGoodOnesStillPlay) {
    for (BadTune how : {BadTune::kFolder, BadTune::kCutOff, BadTune::kNotMidi}) {
        fs::copy(fs::path(MORVANE_DATA_DIR) / "midi/stage13/2.mid", "midi/stage13/2.mid",
                 fs::copy_options::overwrite_existing);
        SpoilTune("midi/stage13/2.mid", how);
        g_stageNumber = 13;
        RebuildStageMusic();
        EXPECT_NE(g_stageMusic.segments[1], 0u);
        EXPECT_EQ(g_stageMusic.segments[2], 0u) << "a bad file loads as no tune";
        EXPECT_TRUE(WaitPlaying());
        std::lock_guard<std::mutex> lock(g_musicMutex);
        g_stageMusic.NextTrack();
        g_stageMusic.NextTrack();
        EXPECT_EQ(g_stageMusic.PlayCurrent(), 0);
        fs::remove_all("midi/stage13/2.mid");
    }
}

TEST_F(SdlMusic, ShutDownStopsThePlayerAndTheSynthesizerBeforeTheDeviceCloses) {
    StartTitleMusic();
    ASSERT_TRUE(WaitPlaying());
    ShutDown();
    platform::ClearBackend();
    backend_.reset();
    const auto e = trace_.Events();
    const auto last = [&](const char* what) {
        const auto it = std::find(e.rbegin(), e.rend(), what);
        return it == e.rend() ? -1L : static_cast<long>(e.rend() - it) - 1;
    };
    EXPECT_GE(last("player started"), 0);
    EXPECT_LT(last("player started"), last("player stopped"));
    EXPECT_LT(last("player stopped"), last("synthesizer deleted"));
    EXPECT_LT(last("synthesizer deleted"), last("device closed"));
    EXPECT_EQ(last("device closed"), static_cast<long>(e.size()) - 1);
}

TEST_F(SdlMusic, ClosingWhileTheSoundfontLoadsWaitsForIt) {
    ASSERT_TRUE(backend_->OpenAudio());
    platform::ClearBackend();
    backend_.reset();
    const auto e = trace_.Events();
    ASSERT_FALSE(e.empty());
    EXPECT_EQ(e.back(), "device closed");
    if (e.size() > 1) {  // the soundfont was in before the close
        EXPECT_EQ(e[0], "soundfont loaded");
        EXPECT_EQ(e[1], "synthesizer deleted");
    }
}

// ---- the synthesizer alone, its device thread played by the test ----------

namespace {

// Output louder than the synthesizer's dither.
struct Level {
    bool sound = false;
    bool sideChannelsQuiet = true;
};

// Renders ms of sound in blocks of one device period.
Level Render(platform::MidiSynth& synth, int rate, int channels, int ms) {
    Level level;
    std::vector<int16_t> block(512 * static_cast<size_t>(channels));
    for (int done = 0; done < rate * ms / 1000; done += 512) {
        synth.Render(block.data(), 512, channels);
        for (size_t i = 0; i < block.size(); ++i) {
            const bool loud = std::abs(block[i]) > 32;
            if (loud) level.sound = true;
            if (block[i] != 0 && static_cast<int>(i) % channels >= 2) level.sideChannelsQuiet = false;
        }
    }
    return level;
}

// One note of a quarter second at 120 beats a minute.
const Bytes kShortTune = {'M',  'T',  'h',  'd',  0,    0,    0,    6,    0,    0,    0,    1,
                          0,    96,   'M',  'T',  'r',  'k',  0,    0,    0,    13,   0x00, 0x90,
                          0x48, 0x70, 0x30, 0x80, 0x48, 0x00, 0x00, 0xFF, 0x2F, 0x00, 0x00};

class SynthAlone : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string font = platform::SdlBackend::FindSoundFont();
        if (font.empty()) GTEST_SKIP() << "no soundfont installed";
        synth_.StartLoading(kRate, font);
        ASSERT_TRUE(synth_.WaitReady(20000));
    }
    static constexpr int kRate = 22050;
    platform::MidiSynth synth_;
};

}  // namespace

TEST_F(SynthAlone, PlaysATuneOnceInEveryDeviceLayout) {
    const Bytes tune = ReadBytes(fs::path(MORVANE_DATA_DIR) / "midi/stage1/0.mid");
    for (int channels : {2, 1, 6}) {
        ASSERT_TRUE(synth_.Play(5, tune));
        EXPECT_EQ(synth_.Playing(), 0u) << "starts at the next render";
        const Level level = Render(synth_, kRate, channels, 1000);
        EXPECT_TRUE(level.sound) << channels;
        EXPECT_TRUE(level.sideChannelsQuiet) << channels;
        EXPECT_EQ(synth_.Playing(), 5u);
    }
    synth_.Stop();
    EXPECT_EQ(synth_.Playing(), 0u);
    Render(synth_, kRate, 2, 50);
    EXPECT_EQ(synth_.Playing(), 0u);
    // A short tune ends by itself, once its last note has died away, and is
    // not repeated.
    ASSERT_TRUE(synth_.Play(6, kShortTune));
    Render(synth_, kRate, 2, 50);
    EXPECT_EQ(synth_.Playing(), 6u);
    Render(synth_, kRate, 2, 5000);
    EXPECT_EQ(synth_.Playing(), 0u);
    EXPECT_FALSE(Render(synth_, kRate, 2, 1000).sound);
}

TEST_F(SynthAlone, ForgettingATuneStopsOnlyThatOne) {
    ASSERT_TRUE(synth_.Play(5, kShortTune));
    synth_.Forget(4);
    Render(synth_, kRate, 2, 50);
    EXPECT_EQ(synth_.Playing(), 5u);
    synth_.Forget(5);
    Render(synth_, kRate, 2, 50);
    EXPECT_EQ(synth_.Playing(), 0u);
}

// The file check keeps these from the synthesizer; should one get through,
// it is still silence.
TEST_F(SynthAlone, GarbageHandedStraightToThePlayerIsSilence) {
    const Bytes cutOff(kShortTune.begin(), kShortTune.begin() + 20);
    const Bytes wave = ReadBytes(fs::path(MORVANE_DATA_DIR) / "wave/fire.wav");
    for (const Bytes& bad : {cutOff, wave}) {
        synth_.Play(7, bad);
        Render(synth_, kRate, 2, 200);
        EXPECT_EQ(synth_.Playing(), 0u);
    }
    ASSERT_TRUE(synth_.Play(8, kShortTune));
    EXPECT_TRUE(Render(synth_, kRate, 2, 200).sound);
}

TEST(SynthWithoutSoundfont, RefusesEveryTuneAndRendersSilence) {
    platform::MidiSynth synth;
    synth.StartLoading(22050, "/nonexistent/one.sf2;;/nonexistent/two.sf2");
    EXPECT_FALSE(synth.WaitReady(20000));
    EXPECT_EQ(synth.GetState(), platform::MidiSynth::State::kFailed);
    EXPECT_FALSE(synth.Play(1, kShortTune));
    std::vector<int16_t> block(1024, 7);
    synth.Render(block.data(), 512, 2);
    EXPECT_EQ(std::count(block.begin(), block.end(), 0), 1024);
}

// ---- the whole program with a bad title tune --------------------------------

namespace {

// A working folder that shows the build's data through links, with the title
// tune's folder a real one holding a bad tune.
fs::path DataWithBadTitleTune(BadTune how) {
    char dir[] = "/tmp/morvane-data-XXXXXX";
    if (!mkdtemp(dir)) return {};
    const fs::path root = dir;
    const fs::path data = MORVANE_DATA_DIR;
    for (const auto& e : fs::directory_iterator(data))
        if (e.path().filename() != "midi") fs::create_directory_symlink(e.path(), root / e.path().filename());
    fs::create_directory(root / "midi");
    for (const auto& e : fs::directory_iterator(data / "midi"))
        if (e.path().filename() != "stageselect")
            fs::create_directory_symlink(e.path(), root / "midi" / e.path().filename());
    fs::create_directory(root / "midi/stageselect");
    fs::copy(data / "midi/stageselect/0.mid", root / "midi/stageselect/0.mid");
    SpoilTune(root / "midi/stageselect/0.mid", how);
    return root;
}

}  // namespace

TEST(SdlMusicProgram, ABadTitleTuneLeavesTheGameRunningInSilence) {
    char runtime[] = "/tmp/morvane-run-XXXXXX";
    ASSERT_NE(mkdtemp(runtime), nullptr);
    setenv("XDG_RUNTIME_DIR", runtime, 1);
    const fs::path oldDir = fs::current_path();
    for (BadTune how : {BadTune::kFolder, BadTune::kCutOff, BadTune::kNotMidi}) {
        const fs::path data = DataWithBadTitleTune(how);
        ASSERT_FALSE(data.empty());
        fs::current_path(data);
        const pid_t game = Spawn(MORVANE_PROGRAM);
        fs::current_path(oldDir);
        ASSERT_GT(game, 0);
        int status = 0;
        EXPECT_FALSE(WaitExit(game, 2, &status)) << "the game ended by itself";
        kill(game, SIGTERM);
        ASSERT_TRUE(WaitExit(game, 10, &status));
        ASSERT_TRUE(WIFEXITED(status)) << "signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
        EXPECT_EQ(WEXITSTATUS(status), 0);
        fs::remove_all(data);
    }
    fs::remove_all(runtime);
}
