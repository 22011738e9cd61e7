// Start-up cost of the real program, one fresh process per run, with SDL's
// dummy video and audio drivers: exec to the first title frame shown, the
// main-thread time of a stage change (the first and a later one), and the
// peak resident memory on a few stages. Run the repetitions for medians; nothing here checks a figure.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct ProbeRun {
    bool ok = false;
    int64_t execNs = 0;
    int64_t titleNs = 0;
    int64_t tunesUs = -1;
    int64_t stageUs = -1;
    int titleTune = 0;  // the title tune played before the stage change
    int stageTune = 0;  // the stage's first tune played at the end
    long maxRssKb = 0;
};

// A run that did not get where it should fails the program (CI's smoke run).
bool g_probeFailed = false;

int64_t NowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// One run of the probe in the data folder, with its own runtime folder so a
// game already running elsewhere cannot turn it away.
ProbeRun RunProbe(int stage, int before = 0) {
    ProbeRun run;
    char runtimeDir[] = "/tmp/morvane-bench-XXXXXX";
    if (!mkdtemp(runtimeDir)) return run;
    setenv("XDG_RUNTIME_DIR", runtimeDir, 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    int out[2];
    if (pipe(out) != 0) return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string stageText = std::to_string(stage), beforeText = std::to_string(before);
    std::vector<char*> argv = {const_cast<char*>(MORVANE_PROBE)};
    if (stage != 0) {
        argv.push_back(const_cast<char*>("stage"));
        argv.push_back(const_cast<char*>(stageText.c_str()));
    }
    if (stage != 0 && before != 0) argv.push_back(const_cast<char*>(beforeText.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    run.execNs = NowNs();
    const int spawned = posix_spawn(&pid, MORVANE_PROBE, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char buf[256];
    for (ssize_t n; spawned == 0 && (n = read(out[0], buf, sizeof buf)) > 0;) text.append(buf, n);
    close(out[0]);
    int status = 0;
    if (spawned == 0) waitpid(pid, &status, 0);
    unlink((std::string(runtimeDir) + "/NotDouble.lock").c_str());
    rmdir(runtimeDir);
    long long title = 0, tunes = 0, stageUs = 0;
    int titleTune = 0, stageTune = 0;
    long rss = 0;
    const size_t at = text.rfind("title_ns=");
    if (spawned != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || at == std::string::npos) return run;
    if (std::sscanf(text.c_str() + at,
                    "title_ns=%lld tunes_us=%lld stage_us=%lld title_tune=%d stage_tune=%d "
                    "maxrss_kb=%ld",
                    &title, &tunes, &stageUs, &titleTune, &stageTune, &rss) != 6 ||
        title == 0)
        return run;
    run = ProbeRun{true, run.execNs, title, tunes, stageUs, titleTune, stageTune, rss};
    return run;
}

void BM_ExecToFirstTitleFrame(benchmark::State& state) {
    for (auto _ : state) {
        const ProbeRun run = RunProbe(0);
        if (!run.ok) {
            g_probeFailed = true;
            state.SkipWithError("the probe did not show the title");
            return;
        }
        state.SetIterationTime(static_cast<double>(run.titleNs - run.execNs) * 1e-9);
        state.counters["peak_MiB"] = static_cast<double>(run.maxRssKb) / 1024.0;
    }
}
BENCHMARK(BM_ExecToFirstTitleFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15);

// Main-thread time of the whole stage start of a change from the title to
// the stage (manual time; the first start loads the sound effects too), the
// music rebuild beside it, and the peak memory of a run that plays on with
// the stage's music.
void StageChange(benchmark::State& state, int before) {
    for (auto _ : state) {
        const ProbeRun run = RunProbe(static_cast<int>(state.range(0)), before);
        if (!run.ok || run.stageUs < 0) {
            g_probeFailed = true;
            state.SkipWithError("the probe did not reach the stage");
            return;
        }
        state.SetIterationTime(static_cast<double>(run.stageUs) * 1e-6);
        state.counters["tunes_ms"] = static_cast<double>(run.tunesUs) / 1000.0;
        state.counters["peak_MiB"] = static_cast<double>(run.maxRssKb) / 1024.0;
        // 1 where music played (no soundfont: 0, and the change came unhurried).
        state.counters["title_tune"] = run.titleTune;
        state.counters["stage_tune"] = run.stageTune;
    }
}

void BM_StageChange(benchmark::State& state) { StageChange(state, 0); }
BENCHMARK(BM_StageChange)
    ->Arg(1)
    ->Arg(32)
    ->Arg(41)
    ->Arg(48)
    ->Arg(49)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5);

// A later change: stage 2 (or 1) was started first, the effects are in.
void BM_LaterStageChange(benchmark::State& state) { StageChange(state, state.range(0) == 2 ? 1 : 2); }
BENCHMARK(BM_LaterStageChange)
    ->Arg(1)
    ->Arg(32)
    ->Arg(41)
    ->Arg(48)
    ->Arg(49)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
    // The game reads its data from its working directory.
    if (chdir(MORVANE_DATA_DIR) != 0) {
        std::perror(MORVANE_DATA_DIR);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return g_probeFailed ? 1 : 0;
}
