// The real game with its SDL backend, instrumented for the start-up benchmark.
//
//   morvane_startup_probe            quits at the first title frame shown
//   morvane_startup_probe stage N    then, once the title tune plays (3 s at
//                                    most), changes to stage N, plays on for
//                                    a while with music and quits
//   morvane_startup_probe stage N M  the same, but the stage start timed is a
//                                    later one: stage M starts first
//
// Prints one line: the monotonic time (ns) at which the first title frame was
// presented, the main-thread time (us) of the stage's music rebuild and of the
// whole stage start, whether the title tune played before the change and
// whether the stage's first tune played at the end, and the peak resident
// memory (KiB) of the run.
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "engine/game_state.h"
#include "engine/music.h"
#include "platform/sdl_backend.h"
#include "shell/menu.h"
#include "shell/shell.h"

namespace {

int64_t NowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

constexpr int64_t kPlayNs = 2500 * 1000000LL;  // soundfont, tunes and frames all in use
constexpr int64_t kTitleWaitNs = 3000 * 1000000LL;

class ProbeBackend : public platform::SdlBackend {
public:
    int stage = 0;   // 0: title only
    int before = 0;  // a stage started first, untimed (0: none)
    int64_t titleNs = 0;
    int64_t tunesUs = -1;
    int64_t stageUs = -1;
    int titleTune = 0;
    int stageTune = 0;

    bool Present(const platform::Surface& frame) override {
        const bool ok = SdlBackend::Present(frame);
        if (loopRunning_ && titleNs == 0 && g_menu.IsActive() != 0) titleNs = NowNs();
        return ok;
    }

    bool WaitMessage(platform::Message& out) override {
        loopRunning_ = true;
        if (titleNs != 0 && stage == 0 && !quitting_) {
            quitting_ = true;
            PostQuit(0);
        }
        // The change comes while the title tune plays, as a player's would.
        if (titleNs != 0 && stage != 0 && changedAt_ == 0 && (TunePlays() || NowNs() - titleNs > kTitleWaitNs)) {
            titleTune = TunePlays() ? 1 : 0;
            ChangeStage();
        }
        if (changedAt_ != 0 && !quitting_ && NowNs() - changedAt_ > kPlayNs) {
            quitting_ = true;
            stageTune = TunePlays() ? 1 : 0;
            PostQuit(0);
        }
        return SdlBackend::WaitMessage(out);
    }

private:
    bool TunePlays() {
        std::lock_guard<std::mutex> lock(g_musicMutex);
        return IsMusicPlaying(g_stageMusic.segments[g_stageMusic.currentTrack]);
    }

    void ChangeStage() {
        if (before != 0) {
            g_stageNumber = before;
            g_menu.StartStage();
        }
        g_stageNumber = stage;
        int64_t t = NowNs();
        RebuildStageMusic();
        tunesUs = (NowNs() - t) / 1000;
        // The full stage start, as the menu runs it (the music once more).
        g_loadedStage = -1;
        t = NowNs();
        g_menu.StartStage();
        g_menu.active = 0;
        stageUs = (NowNs() - t) / 1000;
        changedAt_ = NowNs();
    }

    bool loopRunning_ = false;
    bool quitting_ = false;
    int64_t changedAt_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    ProbeBackend backend;
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "stage") == 0) backend.stage = std::atoi(argv[2]);
    if (argc == 4) backend.before = std::atoi(argv[3]);
    if (backend.stage < 0 || backend.stage > 50 || backend.before < 0 || backend.before > 50) return 2;
    platform::SetBackend(&backend);
    const int code = WinMain();
    platform::ClearBackend();
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf(
        "title_ns=%lld tunes_us=%lld stage_us=%lld title_tune=%d stage_tune=%d "
        "maxrss_kb=%ld\n",
        static_cast<long long>(backend.titleNs), static_cast<long long>(backend.tunesUs),
        static_cast<long long>(backend.stageUs), backend.titleTune, backend.stageTune, ru.ru_maxrss);
    return code;
}
