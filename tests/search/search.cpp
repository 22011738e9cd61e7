// Plays one stage with one hero as a player would, through the real frame
// loop under this build's damage rule, looking for a run that clears it: a
// beam search over short runs of held keys from saved game states, scored by
// the way still to go (or the damage dealt to the bosses) against hit points
// lost; a fallen hero's branch is dropped. What wins is written as a replay
// and played back once from a fresh start before it is kept.
//
//   morvane_search_a --stage N --hero NAME --data DIR --out DIR [--beam W]
//                    [--max-frames F] [--seed S] [--hp-weight PIXELS]
//                    [--picture FILE.ppm]
//   morvane_search_a --restamp FILE.replay --data DIR
#include <chrono>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "enemies/model/enemy_classes.h"
#include "engine/game_state.h"
#include "engine/timers.h"
#include "ground/stage_floor.h"
#include "platform/headless_backend.h"
#include "play/replay.h"
#include "play/snapshot.h"
#include "play/stage_run.h"
#include "players/damage.h"
#include "shell/shell.h"
#include "stages/stage.h"

namespace {

constexpr uint8_t kUp = 1, kDown = 2, kLeft = 4, kRight = 8, kJump = 16, kAttack = 32, kSpecial = 64;
constexpr int kMacroFrames = 8;

struct Macro {
    uint8_t keys[kMacroFrames];
};

// The runs of held keys a player strings together, toward the goal (d) and
// away from it (o).
std::vector<Macro> Macros(uint8_t d) {
    const uint8_t o = d == kRight ? kLeft : kRight;
    auto run = [](std::initializer_list<std::pair<uint8_t, int>> parts) {
        Macro m{};
        int i = 0;
        for (auto [keys, n] : parts)
            for (int k = 0; k < n && i < kMacroFrames; ++k) m.keys[i++] = keys;
        return m;
    };
    return {
        run({{d, 8}}),
        run({{uint8_t(d | kJump), 6}, {d, 2}}),
        run({{uint8_t(d | kJump), 2}, {d, 6}}),
        run({{kJump, 6}, {0, 2}}),
        run({{kAttack, 2}, {0, 6}}),
        run({{uint8_t(d | kAttack), 2}, {d, 6}}),
        run({{o, 8}}),
        run({{uint8_t(o | kJump), 6}, {o, 2}}),
        run({{uint8_t(kDown | kAttack), 2}, {kDown, 6}}),
        run({{0, 8}}),
        run({{kSpecial, 2}, {0, 6}}),
        run({{uint8_t(kUp | kAttack), 2}, {0, 6}}),
        run({{uint8_t(d | kJump), 3}, {uint8_t(d | kJump | kAttack), 2}, {d, 3}}),
        run({{uint8_t(o | kAttack), 2}, {0, 6}}),
        run({{kDown, 8}}),
        run({{uint8_t(d | kSpecial), 2}, {d, 6}}),
        run({{uint8_t(o | kJump), 2}, {o, 6}}),
    };
}

// Hit points of the bosses still standing, and whether the orb is out.
template <class T>
int32_t HpOf(const T& e) {
    if constexpr (requires { e.hp; }) {
        if constexpr (requires { e.dead; })
            if (e.dead != 0) return 0;
        return e.hp > 0 ? e.hp : 0;
    } else {
        return 0;
    }
}

template <class T>
int32_t XOf(const T& e) {
    if constexpr (requires { e.x; })
        return HpOf(e) > 0 ? e.x : -1;
    else
        return -1;
}

int32_t BossHpLeft() {
    int32_t sum = 0;
#define ENEMY(Class, array, size, arity, deadArg)                 \
    if constexpr (std::string_view(#Class).starts_with("Boss")) { \
        for (const auto& e : array) sum += HpOf(e);               \
    }
#include "enemies/model/registry.def"
#undef ENEMY
    return sum;
}

// The x of the first boss standing; -1 when none.
int32_t BossX() {
#define ENEMY(Class, array, size, arity, deadArg)                 \
    if constexpr (std::string_view(#Class).starts_with("Boss")) { \
        for (const auto& e : array)                               \
            if (XOf(e) >= 0) return XOf(e);                       \
    }
#include "enemies/model/registry.def"
#undef ENEMY
    return -1;
}

// The floor rectangle under a point: the one with the nearest top below it
// within a hero's height or so; -1 over a pit.
int32_t FloorUnder(int32_t x, int32_t y) {
    int32_t best = -1;
    for (int32_t i = 0; i < g_stageFloor.GetCount(); ++i) {
        const platform::Rect& r = g_stageFloor.GetRect(i);
        if (x <= r.left || x >= r.right || r.top < y || r.top > y + 160) continue;
        if (best < 0 || r.top < g_stageFloor.GetRect(best).top) best = i;
    }
    return best;
}

// The way still to walk to the exit: straight along when the hero is on the
// exit's floor or below it, and over the nearer end of a ledge it stands on
// above the exit's floor (a ledge over the exit is left by its end, not
// walked off at the exit's x).
double WayToExit(int32_t x, int32_t y, const ExitPoint& exit) {
    const double straight = std::abs(x - exit.x) + 0.25 * std::abs(y - exit.y);
    const int32_t exitFloor = FloorUnder(exit.x, exit.y);
    const int32_t heroFloor = FloorUnder(x, y);
    if (exitFloor < 0 || heroFloor < 0 || heroFloor == exitFloor) return straight;
    const platform::Rect& h = g_stageFloor.GetRect(heroFloor);
    const platform::Rect& e = g_stageFloor.GetRect(exitFloor);
    if (h.top >= e.top || exit.x <= h.left || exit.x >= h.right) return straight;
    double way = 1e9;
    for (const int32_t end : {h.left, h.right})
        if (end != kOpenLeft && end != kOpenRight)
            way = std::min(way, double(std::abs(x - end) + std::abs(end - exit.x)) + (e.top - h.top));
    return way < 1e9 ? way : straight;
}

struct Node {
    GameSnapshot snap;
    double score = 0;
    int32_t path = -1;  // index into the path arena
    int32_t frames = 0;
    int32_t damage = 0;  // boss hit points taken so far
    int32_t lastBossHp = 0;
    int32_t hp = 0;
    int32_t x = 0, y = 0;
};

struct PathStep {
    int32_t parent;
    uint8_t macro;
    uint8_t dir;  // 0 toward the exit's side (right), 1 left
    uint8_t frames;
};

// The keys of the path that ends at index last.
std::vector<uint8_t> KeysOf(const std::vector<PathStep>& paths, int32_t last, const std::vector<Macro>& toward,
                            const std::vector<Macro>& away) {
    std::vector<int32_t> chain;
    for (int32_t p = last; p >= 0; p = paths[p].parent) chain.push_back(p);
    std::vector<uint8_t> keys;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const PathStep& s = paths[*it];
        const Macro& mac = s.dir == 0 ? toward[s.macro] : away[s.macro];
        for (int f = 0; f < s.frames; ++f) keys.push_back(mac.keys[f]);
    }
    return keys;
}

// The last frame shown, as a binary PPM.
void WritePicture(const platform::HeadlessBackend& backend, const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fprintf(f, "P6 640 480 255\n");
    for (size_t i = 0; i < backend.lastFrame.size(); ++i) {
        const platform::Color& c = backend.lastPalette[backend.lastFrame[i]];
        const uint8_t rgb[3] = {c.r, c.g, c.b};
        std::fwrite(rgb, 1, 3, f);
    }
    std::fclose(f);
}

struct Options {
    int32_t stage = 0;
    std::string hero;
    std::string data, out;
    int beam = 24;
    int maxFrames = 9000;
    uint32_t seed = 0;
    std::string picture;   // where a lost run's last frame goes, if anywhere
    double hpWeight = 40;  // how many pixels of way one hit point is worth
};

bool ParseArgs(int argc, char** argv, Options* o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string k = argv[i], v = argv[i + 1];
        if (k == "--stage")
            o->stage = std::atoi(v.c_str());
        else if (k == "--hero")
            o->hero = v;
        else if (k == "--data")
            o->data = v;
        else if (k == "--out")
            o->out = v;
        else if (k == "--beam")
            o->beam = std::atoi(v.c_str());
        else if (k == "--max-frames")
            o->maxFrames = std::atoi(v.c_str());
        else if (k == "--picture")
            o->picture = v;
        else if (k == "--hp-weight")
            o->hpWeight = std::atof(v.c_str());
        else if (k == "--seed")
            o->seed = static_cast<uint32_t>(std::strtoul(v.c_str(), nullptr, 10));
        else
            return false;
    }
    return o->stage >= 1 && o->stage <= 50 && HeroItemNamed(o->hero) >= 0 && !o->data.empty() && !o->out.empty();
}

}  // namespace

// Plays a kept replay again from a fresh start and writes what it ends with
// (hit points, digest) back into it; for a replay whose keys still win after a
// change that moved no object. Fails, writing nothing, when it no longer wins
// on its last frame.
int Restamp(const std::string& data, const std::string& file) {
    Replay r;
    std::string error;
    if (!ReadReplayFile(file, &r, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    if ((r.rule == 'b') != (g_damageRule != 0)) {
        std::fprintf(stderr, "%s: a replay of rule %c\n", file.c_str(), r.rule);
        return 2;
    }
    const std::filesystem::path path = std::filesystem::absolute(file);
    std::filesystem::current_path(data);
    platform::HeadlessBackend backend;
    const size_t clearedAt = PlayToClear(backend, r.stage, HeroItemNamed(r.hero), r.seed, r.keys);
    const bool wins = clearedAt == r.keys.size();
    r.hp = SelectedHero().hp;
    r.digest = GameDigest();
    ShutDown();
    g_timers.KillAll();
    g_timers.Reset();
    platform::ClearBackend();
    if (!wins) {
        std::printf("%s no longer wins\n", file.c_str());
        return 1;
    }
    return WriteReplayFile(path.string(), r) ? 0 : 4;
}

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--restamp" && std::string(argv[3]) == "--data")
        return Restamp(argv[4], argv[2]);
    Options opt;
    if (!ParseArgs(argc, argv, &opt)) {
        std::fprintf(stderr,
                     "usage: %s --stage 1..50 --hero doran|tavish|seliya|varmiel|nerys --data DIR --out DIR "
                     "[--beam W] [--max-frames F] [--seed S] [--hp-weight PIXELS] [--picture FILE.ppm]\n",
                     argv[0]);
        return 2;
    }
    if (opt.seed == 0) opt.seed = 1000u + static_cast<uint32_t>(opt.stage);
    const char rule = g_damageRule != 0 ? 'b' : 'a';
    const std::filesystem::path outDir = std::filesystem::absolute(opt.out);
    std::filesystem::current_path(opt.data);
    const auto t0 = std::chrono::steady_clock::now();

    platform::HeadlessBackend backend;
    // The game let go of the backend before it goes, as the program does.
    struct Leave {
        ~Leave() {
            std::fflush(stdout);
            ShutDown();
            g_timers.KillAll();
            g_timers.Reset();
            platform::ClearBackend();
        }
    } leave;
    const int32_t heroItem = HeroItemNamed(opt.hero);
    StartStageRun(backend, opt.stage, heroItem, opt.seed);

    ExitPoint exit{};
    const bool bossStage = !StageExitPoint(opt.stage, heroItem, &exit);
    const uint8_t towardExit = (!bossStage && exit.x <= SelectedHero().x) ? kLeft : kRight;
    const std::vector<Macro> toward = Macros(towardExit);
    const std::vector<Macro> away = Macros(towardExit == kRight ? kLeft : kRight);

    auto scoreOf = [&](const Node& n, double hpWeight) {
        if (!bossStage) return -WayToExit(n.x, n.y, exit) + hpWeight * n.hp;
        double s = 300.0 * n.damage + 1.5 * hpWeight * n.hp;
        if (g_maryokuOrb[0].hidden == 0)
            s += 100000.0 - std::abs(n.x - g_maryokuOrb[0].x) - std::abs(n.y - g_maryokuOrb[0].y);
        else if (const int32_t bx = BossX(); bx >= 0)
            s -= 0.05 * std::abs(n.x - bx);
        return s;
    };

    std::vector<PathStep> paths;
    std::vector<Node> beam(1);
    SaveGame(beam[0].snap);
    {
        const HeroView h = SelectedHero();
        beam[0].hp = h.hp;
        beam[0].x = h.x;
        beam[0].y = h.y;
        beam[0].lastBossHp = BossHpLeft();
        beam[0].score = scoreOf(beam[0], opt.hpWeight);
    }
    double best = beam[0].score;
    int32_t bestPath = -1;
    int32_t bestFrames = 0, bestX = beam[0].x, bestY = beam[0].y, bestHp = beam[0].hp, bestDamage = 0;
    int32_t won = -1, wonFrames = 0;  // path index of the win
    int32_t deaths = 0;
    const int macroCount = static_cast<int>(toward.size());
    const int dirs = bossStage ? 2 : 1;

    // A beam that has not come nearer for a minute of play is circling.
    constexpr int32_t kStuckFrames = 1200;
    bool stuck = false;
    // The last beams, to go back to when every branch falls or the search
    // circles: from there it tries again wider and dearer in hit points.
    std::deque<std::vector<Node>> history;
    constexpr size_t kHistory = 10;
    int backtracks = 0;
    constexpr int kMaxBacktracks = 4;
    int width = opt.beam;
    double hpWeight = opt.hpWeight;
    // False when there is nowhere left to go back to.
    auto goBack = [&] {
        if (backtracks == kMaxBacktracks || history.empty()) return false;
        ++backtracks;
        width = std::min(width * 2, 96);
        hpWeight *= 1.5;
        beam = std::move(history.front());
        history.clear();
        bestFrames = beam[0].frames;  // a fresh minute from there
        return true;
    };
    while (won < 0 && beam[0].frames < opt.maxFrames) {
        if (beam[0].frames - bestFrames > kStuckFrames) {
            if (!goBack()) {
                stuck = true;
                break;
            }
            continue;
        }
        std::vector<Node> next;
        next.reserve(beam.size() * macroCount * dirs);
        for (const Node& parent : beam) {
            for (int dir = 0; dir < dirs && won < 0; ++dir) {
                for (int m = 0; m < macroCount && won < 0; ++m) {
                    // Toward and away are the same set mirrored: one side is enough
                    // off a boss stage.
                    const Macro& mac = dir == 0 ? toward[m] : away[m];
                    RestoreGame(parent.snap);
                    int f = 0;
                    bool dead = false;
                    for (; f < kMacroFrames; ++f) {
                        StepFrame(backend, mac.keys[f]);
                        if (SelectedHero().dead != 0) {
                            dead = true;
                            break;
                        }
                        if (g_stageClear != 0) break;
                    }
                    if (dead) {
                        ++deaths;
                        continue;
                    }
                    paths.push_back(PathStep{parent.path, static_cast<uint8_t>(m), static_cast<uint8_t>(dir),
                                             static_cast<uint8_t>(g_stageClear != 0 ? f + 1 : kMacroFrames)});
                    if (g_stageClear != 0) {
                        won = static_cast<int32_t>(paths.size()) - 1;
                        wonFrames = parent.frames + f + 1;
                        break;
                    }
                    Node child;
                    const HeroView h = SelectedHero();
                    child.path = static_cast<int32_t>(paths.size()) - 1;
                    child.frames = parent.frames + kMacroFrames;
                    child.hp = h.hp;
                    child.x = h.x;
                    child.y = h.y;
                    const int32_t bossHp = BossHpLeft();
                    child.damage = parent.damage + std::max(0, parent.lastBossHp - bossHp);
                    child.lastBossHp = bossHp;

                    SaveGame(child.snap);
                    next.push_back(std::move(child));
                }
            }
        }
        if (won >= 0) break;
        if (next.empty()) {
            if (!goBack()) {
                beam.clear();
                break;
            }
            continue;
        }
        for (Node& n : next) n.score = scoreOf(n, hpWeight);
        std::sort(next.begin(), next.end(), [](const Node& a, const Node& b) { return a.score > b.score; });
        history.push_back(beam);
        if (history.size() > kHistory) history.pop_front();
        // One branch per place and hit points: a beam of copies finds nothing new.
        std::unordered_map<uint64_t, int> seen;
        beam.clear();
        for (Node& n : next) {
            const uint64_t key = (uint64_t(uint32_t(n.x >> 3)) << 32) ^ (uint64_t(uint32_t(n.y >> 3)) << 8) ^
                                 uint64_t(n.hp & 0xFF) ^ (uint64_t(n.damage) << 48);
            if (seen[key]++ != 0) continue;
            beam.push_back(std::move(n));
            if (static_cast<int>(beam.size()) == width) break;
        }
        if (!beam.empty() && beam[0].score > best) {
            best = beam[0].score;
            bestFrames = beam[0].frames;
            bestX = beam[0].x;
            bestY = beam[0].y;
            bestHp = beam[0].hp;
            bestDamage = beam[0].damage;
            bestPath = beam[0].path;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    if (won < 0 && !opt.picture.empty()) {
        // Where the best branch got to, as a player would have seen it.
        std::vector<uint8_t> keys = KeysOf(paths, bestPath, toward, away);
        StartStageRun(backend, opt.stage, heroItem, opt.seed);
        for (uint8_t k : keys) StepFrame(backend, k);
        WritePicture(backend, opt.picture);
    }
    if (won < 0) {
        std::printf("stage %02d %-7s %c LOST best x %d y %d hp %d damage %d at frame %d (%s); %d falls; %.1f s\n",
                    opt.stage, opt.hero.c_str(), rule, bestX, bestY, bestHp, bestDamage, bestFrames,
                    beam.empty() ? "every branch fell"
                    : stuck      ? "no way on"
                                 : "frame limit",
                    deaths, seconds);
        return 1;
    }

    Replay r;
    r.stage = opt.stage;
    r.hero = opt.hero;
    r.rule = rule;
    r.seed = opt.seed;
    r.keys = KeysOf(paths, won, toward, away);

    // Once more from a fresh start, as the regression test will play it.
    const size_t clearedAt = PlayToClear(backend, opt.stage, heroItem, opt.seed, r.keys);
    if (clearedAt != r.keys.size() || static_cast<int32_t>(r.keys.size()) != wonFrames) {
        std::printf("stage %02d %-7s %c WON in search at frame %d but the fresh playback %s\n", opt.stage,
                    opt.hero.c_str(), rule, wonFrames, clearedAt == 0 ? "does not clear" : "clears elsewhere");
        return 3;
    }
    r.hp = SelectedHero().hp;
    r.digest = GameDigest();
    const std::string path = (outDir / ReplayFileName(opt.stage, opt.hero, rule)).string();
    if (!WriteReplayFile(path, r)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 4;
    }
    std::printf("stage %02d %-7s %c WON frames %zu hp %d; %d falls; %.1f s\n", opt.stage, opt.hero.c_str(), rule,
                r.keys.size(), r.hp, deaths, seconds);
    return 0;
}
