// The heroes' and their shots' pictures against the boxes the game tests.
// Each hero is played through every pose its states reach (walking, crouching,
// jumping, each attack and throw standing, crouching and in the air, knocked
// back and dead, facing both ways) by holding keys, as a player would, with
// no foe about, and every frame drawn is held against the hero's body box,
// its weapon box, the floor it stands on and, for each shot in flight, the
// shot's hit box.
//
// A draw's offsets are the game's, so a box edge beyond the frame's left or
// top edge cannot be reached by any picture; for the sets whose sizes the
// game fixes (the whip hero and the shots but the lightning) neither can an
// edge beyond its right or bottom. Such edges are measured at the frame's
// edge and listed in the report.
//
// MORVANE_FIT=<set> reports every frame and check of one set;
// MORVANE_FIT_SHEETS=<folder> writes the contact sheets with the boxes met.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/draw_probe.h"
#include "engine/game_state.h"
#include "engine/sprite_draw_kinds.h"
#include "engine/sprite_sets.h"
#include "heroes_test.h"
#include "kind_fit.h"
#include "players/hero_shots.h"
#include "players/player_doran.h"
#include "players/player_nerys.h"
#include "players/player_seliya.h"
#include "players/player_seliya_varm.h"
#include "players/player_tavish.h"
#include "tools/contact_sheets.h"

namespace {

using draw_probe::Drawn;
using platform::Rect;
using namespace kind_fit;
using namespace heroes;

// The slack of the kinds' test: a box edge may lie up to 4 pixels off the picture.
constexpr int32_t kSlack = 4;

// Sets whose every frame size the game fixes.
bool SizesFixed(const std::string& set) {
    for (const char* s : {"Tobrin", "Himitu", "Suzaku", "Hato", "Kidan", "Flame", "Cross"})
        if (set == s) return true;
    return false;
}

bool Empty(const Rect& r) { return r.left >= r.right || r.top >= r.bottom; }

std::string Str(const Rect& r) {
    std::ostringstream o;
    o << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return o.str();
}

// The selected hero as it was when it drew itself.
struct Snapshot {
    std::optional<PlayerDoran> doran;
    std::optional<PlayerTavish> tavish;
    std::optional<PlayerSeliya> seliya;
    std::optional<PlayerSeliyaVarm> varm;
    std::optional<PlayerNerys> nerys;
};

// Calls f with the snapshot of the hero of that front index.
template <class F>
void WithSnapshot(Snapshot& s, int32_t hero, F&& f) {
    switch (hero) {
        case kSeliya: f(*s.seliya); break;
        case kVarmiel: f(*s.varm); break;
        case kDoran: f(*s.doran); break;
        case kNerys: f(*s.nerys); break;
        default: f(*s.tavish); break;
    }
}

struct Capture {
    std::vector<Drawn> drawn;
    Snapshot hero;
    bool heroDrawn = false;
    const char* heroSet = "";
};
Capture s_capture;

void OnDrawn(const Drawn& d) {
    Drawn kept = d;
    if (!kept.set && kept.kind == sprite_draw::kLightning) kept.set = "Lightning";
    if (!kept.set) return;
    if (std::strcmp(kept.set, s_capture.heroSet) == 0) {
        s_capture.heroDrawn = true;
        s_capture.hero.doran.emplace(g_playerDoran);
        s_capture.hero.tavish.emplace(g_playerTavish);
        s_capture.hero.seliya.emplace(g_playerSeliya);
        s_capture.hero.varm.emplace(g_playerSeliyaVarm);
        s_capture.hero.nerys.emplace(g_playerNerys);
    }
    s_capture.drawn.push_back(kept);
}

// Every projectile pool, saved and emptied while a hero's own weapon is read.
struct Pools {
    ShotHimitu himitu = g_shotHimitu;
    ShotFlame flame = g_shotFlame;
    ShotCross cross = g_shotCross;
    ShotSuzaku suzaku[kSuzakuSlots];
    ShotHato hato[kHatoSlots];
    ShotKidan kidan[kKidanSlots];
    ShotLightning lightning[kLightningSlots];
    Pools() {
        std::copy(std::begin(g_shotSuzaku), std::end(g_shotSuzaku), suzaku);
        std::copy(std::begin(g_shotHato), std::end(g_shotHato), hato);
        std::copy(std::begin(g_shotKidan), std::end(g_shotKidan), kidan);
        std::copy(std::begin(g_shotLightning), std::end(g_shotLightning), lightning);
        g_shotHimitu = ShotHimitu();
        g_shotFlame = ShotFlame();
        g_shotCross = ShotCross();
        std::fill(std::begin(g_shotSuzaku), std::end(g_shotSuzaku), ShotSuzaku());
        std::fill(std::begin(g_shotHato), std::end(g_shotHato), ShotHato());
        std::fill(std::begin(g_shotKidan), std::end(g_shotKidan), ShotKidan());
        std::fill(std::begin(g_shotLightning), std::end(g_shotLightning), ShotLightning());
    }
    ~Pools() {
        g_shotHimitu = himitu;
        g_shotFlame = flame;
        g_shotCross = cross;
        std::copy(std::begin(suzaku), std::end(suzaku), g_shotSuzaku);
        std::copy(std::begin(hato), std::end(hato), g_shotHato);
        std::copy(std::begin(kidan), std::end(kidan), g_shotKidan);
        std::copy(std::begin(lightning), std::end(lightning), g_shotLightning);
    }
    Pools(const Pools&) = delete;
    Pools& operator=(const Pools&) = delete;
};

int32_t Hits(const PlayerTavish& h, const Rect& r) { return h.WeaponHits(&r, 1); }
template <class H>
int32_t Hits(const H& h, const Rect& r) {
    return h.WeaponHits(&r);
}

// The hero's weapon rectangle, read back through its own hit test by halving
// (empty when no weapon is out).
template <class H>
Rect WeaponBox(const H& h) {
    constexpr int32_t kFar = 1 << 20;
    const Pools emptied;
    if (!Hits(h, Rect{-kFar, -kFar, kFar, kFar})) return Rect{};
    // The last value for which the probe still overlaps, with the probe
    // reaching from v to the far side (rises) or from the far side to v.
    auto edge = [&h](bool rises, auto probe) {
        int32_t lo = -kFar, hi = kFar;  // rises: hits at lo; else: hits at hi
        while (hi - lo > 1) {
            const int32_t mid = lo + (hi - lo) / 2;
            ((Hits(h, probe(mid)) != 0) == rises ? lo : hi) = mid;
        }
        return rises ? lo : hi;
    };
    Rect w{};
    w.right = edge(true, [](int32_t v) { return Rect{v, -kFar, kFar, kFar}; }) + 1;
    w.left = edge(false, [](int32_t v) { return Rect{-kFar, -kFar, v, kFar}; }) - 1;
    w.bottom = edge(true, [](int32_t v) { return Rect{-kFar, v, kFar, kFar}; }) + 1;
    w.top = edge(false, [](int32_t v) { return Rect{-kFar, -kFar, kFar, v}; }) - 1;
    return w;
}

struct HeroCase {
    int32_t hero;
    const char* set;
    int32_t landHeight;  // the floor's row below the hero's y
};
constexpr HeroCase kCases[] = {
    {kDoran, "Tobrin", 64},        {kTavish, "Tavish", 64}, {kSeliya, "Seliya", 74},
    {kVarmiel, "Seliya_varm", 90}, {kNerys, "Nerys", 64},
};

// The worst of one check of one frame, and what came of every check.
struct Seen {
    Mismatch worst;
    int64_t count = 0;
    std::string when;
};

class HeroPictures : public HeroTest {
protected:
    void SetUp() override {
        HeroTest::SetUp();
        if (const char* only = std::getenv("MORVANE_FIT")) only_ = only;
        s_capture = Capture{};
        draw_probe::g_watch = {OnDrawn, nullptr};
    }
    void TearDown() override {
        draw_probe::g_watch = {};
        HeroTest::TearDown();
    }

    // Holds the hero and its shots' draws of one tick against their boxes.
    void Check();
    void Measure(const Drawn& d, Rect box, const char* name);
    // Keeps the worst of one check of one frame.
    void Keep(const char* set, int32_t frame, const char* check, const Mismatch& m);
    void Ticks(int n) {
        // The hero's part of a play frame alone: no foe comes to hit it.
        for (int i = 0; i < n; ++i) {
            s_capture.drawn.clear();
            s_capture.heroDrawn = false;
            g_playerFront.HandleInput();
            g_playerFront.Update();
            g_playerFront.CheckDeath();
            Check();
        }
    }
    void Press(uint8_t key, int wait) {
        HoldKey(key);
        Ticks(1);
        LetGo(key);
        Ticks(wait);
    }
    void Face(bool right) { Press(right ? kRight : kLeft, 2); }
    void Walk(bool right, int ticks) {
        HoldKey(right ? kRight : kLeft);
        Ticks(ticks);
        LetGo(right ? kRight : kLeft);
        Ticks(2);
    }
    // An attack key crouching: Down held through it.
    void Crouched(uint8_t key, int wait) {
        HoldKey(kDown);
        Ticks(3);
        Press(key, wait);
        LetGo(kDown);
        Ticks(3);
    }
    // An attack key pressed on the way up, Down held for the aimed-down magic.
    void Airborne(uint8_t key, bool down = false, int delay = 2) {
        Press(kAlt, delay);
        if (down) HoldKey(kDown);
        Press(key, 30);
        LetGo(kDown);
        Ticks(10);
    }
    void Hurt(int32_t level, int wait) {
        g_playerFront.TakeDamage(level);
        Ticks(wait);
    }
    void SetHp(int32_t hp) { PlaceHero(g_playerFront.GetX(), g_playerFront.GetY(), hp); }
    void WaitForCross() {
        for (int i = 0; i < 200 && !g_shotCross.IsFinished(); ++i) Ticks(1);
    }
    void PlayHero(const HeroCase& c);
    std::string Report(bool everything) const;

    const HeroCase* case_ = nullptr;
    std::string only_;
    std::string when_;  // what the hero is doing, for the report
    int tick_ = 0;
    std::map<std::tuple<std::string, int32_t, std::string>, Seen> seen_;
    std::map<std::pair<std::string, int32_t>, int64_t> shown_;
    // Box edges out of a frame's reach: set, frame, check, edge -> pixels.
    std::map<std::tuple<std::string, int32_t, std::string, char>, int32_t> unreachable_;
    std::map<std::tuple<std::string, int32_t, bool>, std::vector<Rect>> sheetBoxes_;
};

void HeroPictures::Keep(const char* set, int32_t frame, const char* check, const Mismatch& m) {
    Seen& s = seen_[{set, frame, check}];
    s.count += 1;
    if (s.count == 1 || m.gap > s.worst.gap) {
        s.worst = m;
        s.when = when_ + " (tick " + std::to_string(tick_) + ")";
    }
}

void HeroPictures::Measure(const Drawn& d, Rect box, const char* name) {
    const Rect frame{d.left, d.top, d.left + d.width, d.top + d.height};
    // Clip to the frame's fixed edges, noting what lies beyond them.
    const bool fixedSize = SizesFixed(d.set);
    const std::pair<char, int32_t> beyond[4] = {{'L', frame.left - box.left},
                                                {'T', frame.top - box.top},
                                                {'R', fixedSize ? box.right - frame.right : 0},
                                                {'B', fixedSize ? box.bottom - frame.bottom : 0}};
    for (const auto& [edge, px] : beyond) {
        if (px <= kSlack) continue;
        int32_t& worst = unreachable_[{d.set, d.frame, name, edge}];
        worst = std::max(worst, px);
    }
    box.left = std::max(box.left, frame.left);
    box.top = std::max(box.top, frame.top);
    if (fixedSize) {
        box.right = std::min(box.right, frame.right);
        box.bottom = std::min(box.bottom, frame.bottom);
    }
    if (Empty(box)) return;
    Mismatch m = BoxGap(d, box, name);
    Keep(d.set, d.frame, name, m);
    std::vector<Rect>& known = sheetBoxes_[{d.set, d.frame, std::strcmp(name, "body") != 0}];
    const Rect rel = m.boxInImage;
    if (known.size() < 3 && std::none_of(known.begin(), known.end(), [&rel](const Rect& k) {
            return k.left == rel.left && k.top == rel.top && k.right == rel.right && k.bottom == rel.bottom;
        }))
        known.push_back(rel);
}

void HeroPictures::Check() {
    tick_ += 1;
    for (const Drawn& d : s_capture.drawn) shown_[{d.set, d.frame}] += 1;
    // The shots: each live slot's box against the draw of its set it overlaps most.
    std::vector<std::pair<const char*, Rect>> shotBoxes;
    auto add = [&shotBoxes](const char* set, const auto& shot) {
        Rect r{};
        if (shot.GetHitRect(&r)) shotBoxes.push_back({set, r});
    };
    add("Himitu", g_shotHimitu);
    add("Flame", g_shotFlame);
    add("Cross", g_shotCross);
    for (const ShotSuzaku& s : g_shotSuzaku) add("Suzaku", s);
    for (const ShotHato& s : g_shotHato) add("Hato", s);
    for (const ShotKidan& s : g_shotKidan) add("Kidan", s);
    for (const ShotLightning& s : g_shotLightning) add("Lightning", s);
    for (const auto& [set, box] : shotBoxes) {
        const Drawn* best = nullptr;
        int64_t bestArea = -1;
        for (const Drawn& d : s_capture.drawn) {
            if (std::strcmp(d.set, set) != 0) continue;
            const int64_t w = std::min(box.right, d.left + d.width) - std::max(box.left, d.left);
            const int64_t h = std::min(box.bottom, d.top + d.height) - std::max(box.top, d.top);
            const int64_t area = w > 0 && h > 0 ? w * h : 0;
            if (area > bestArea) best = &d, bestArea = area;
        }
        if (best) Measure(*best, box, "shot");
    }
    if (!s_capture.heroDrawn) return;
    const Drawn* hero = nullptr;
    for (const Drawn& d : s_capture.drawn)
        if (std::strcmp(d.set, case_->set) == 0) hero = &d;
    WithSnapshot(s_capture.hero, case_->hero, [&](auto snap) {
        // The hero draws in screen space; the boxes are in world space.
        Drawn d = *hero;
        d.left += snap.x - snap.screenX;
        // The pose's own body box: the rule-A window and the knock-back only
        // withhold it. A dead hero has none.
        snap.invulnerable = 0;
        snap.knockedBack = 0;
        snap.hp = std::max(snap.hp, 1);
        Rect body{};
        if (!snap.dead && snap.GetHurtBox(&body)) Measure(d, body, "body");
        if (const Rect w = WeaponBox(snap); !Empty(w)) Measure(d, w, "weapon");
    });
    WithSnapshot(s_capture.hero, case_->hero, [&](const auto& snap) {
        if (snap.airborne || snap.knockedBack) return;
        Drawn d = *hero;
        d.left += snap.x - snap.screenX;
        const Rect pic = OpaqueBounds(d);
        if (Empty(pic)) return;
        const int32_t floorTop = snap.y + case_->landHeight;
        Mismatch m{"floor",
                   'B',
                   std::abs(pic.bottom - floorTop),
                   d.frame,
                   Rect{pic.left - d.left, floorTop - d.top, pic.right - d.left, floorTop - d.top},
                   Rect{pic.left - d.left, pic.top - d.top, pic.right - d.left, pic.bottom - d.top}};
        Keep(d.set, d.frame, "floor", m);
    });
}

// The attacks a hero is put through, facing each way: Ctrl, and for all but
// the whip hero Shift, and for the summoner's two forms Up, each standing,
// crouching and in the air.
struct Move {
    const char* what;
    uint8_t key;
    enum How : uint8_t { kStanding, kCrouching, kInTheAir, kAimedDown } how;
};
constexpr Move kMoves[] = {
    {"attack", kCtrl, Move::kStanding},
    {"crouching attack", kCtrl, Move::kCrouching},
    {"attack in the air", kCtrl, Move::kInTheAir},
    {"second attack", kShift, Move::kStanding},
    {"crouching second attack", kShift, Move::kCrouching},
    {"second attack in the air", kShift, Move::kInTheAir},
    {"up attack", kUp, Move::kStanding},
    {"crouching up attack", kUp, Move::kCrouching},
    {"up attack in the air", kUp, Move::kInTheAir},
    {"magic aimed down", kCtrl, Move::kAimedDown},
};

void HeroPictures::PlayHero(const HeroCase& c) {
    case_ = &c;
    s_capture.heroSet = c.set;
    Play(c.hero, 1);
    const bool summoner = c.hero == kSeliya || c.hero == kVarmiel;
    for (const bool right : {true, false}) {
        const std::string side = right ? " facing right" : " facing left";
        when_ = "standing" + side;
        Face(right);
        Ticks(3);
        when_ = "walking" + side;
        if (!right) Walk(true, 40);  // room to the left for the shots
        Walk(right, 30);
        Face(right);
        when_ = "jumping" + side;
        Press(kAlt, 25);
        if (summoner) {
            when_ = "second jump" + side;
            Press(kAlt, 3);
            Press(kAlt, 30);
        }
        for (const Move& m : kMoves) {
            if ((m.key == kShift && c.hero == kDoran) || (m.key == kUp && !summoner) ||
                (m.how == Move::kAimedDown && c.hero != kVarmiel))
                continue;
            when_ = m.what + side;
            if (m.how == Move::kStanding) Press(m.key, 36);
            if (m.how == Move::kCrouching) Crouched(m.key, 36);
            if (m.how == Move::kInTheAir || m.how == Move::kAimedDown) Airborne(m.key, m.how == Move::kAimedDown);
            WaitForCross();
        }
        if (c.hero == kSeliya) {  // her idle turn after standing a while
            when_ = "standing still" + side;
            Ticks(340);
        }
        when_ = "knocked back" + side;
        Face(right);
        SetHp(16);
        Hurt(2, 30);
        when_ = "dying" + side;
        Face(right);
        SetHp(1);
        Hurt(32, 60);
    }
}

std::string HeroPictures::Report(bool everything) const {
    std::ostringstream out;
    std::map<std::string, std::pair<Mismatch, std::string>> worst;
    out << (everything ? "every frame and check" : "frames off their boxes") << " (slack " << kSlack
        << "; box and picture in the frame's pixels):\n";
    for (const auto& [key, s] : seen_) {
        const auto& [set, frame, check] = key;
        auto& w = worst[set];
        if (w.second.empty() || s.worst.gap > w.first.gap) w = {s.worst, s.when};
        if (!everything && s.worst.gap <= kSlack) continue;
        if (!only_.empty() && only_ != set) continue;
        out << "  " << set << " frame " << frame << " " << check << "." << s.worst.edge << " gap " << s.worst.gap
            << " box " << Str(s.worst.boxInImage) << " picture " << Str(s.worst.picInImage) << ", " << s.when << "\n";
    }
    out << "worst per set:\n";
    for (const auto& [set, w] : worst)
        out << "  " << set << " frame " << w.first.frame << " " << w.first.box << "." << w.first.edge << " gap "
            << w.first.gap << ", " << w.second << "\n";
    out << "box edges the game's offsets and fixed sizes put beyond the frame (measured at the frame's edge):\n";
    for (const auto& [key, px] : unreachable_) {
        const auto& [set, frame, check, edge] = key;
        out << "  " << set << " frame " << frame << " " << check << "." << edge << " " << px << " px\n";
    }
    return out.str();
}

TEST_F(HeroPictures, EveryHeroAndShotFrameCoversItsBoxes) {
    for (const HeroCase& c : kCases) PlayHero(c);
    std::cout << Report(!only_.empty());
    if (const char* dir = std::getenv("MORVANE_FIT_SHEETS")) {
        std::vector<SheetBox> boxes;
        for (const auto& [key, rects] : sheetBoxes_)
            for (const Rect& r : rects) boxes.push_back({std::get<0>(key), std::get<1>(key), r, !std::get<2>(key)});
        EXPECT_TRUE(WriteContactSheets(dir, &boxes));
    }
    for (const auto& [key, s] : seen_) {
        const auto& [set, frame, check] = key;
        EXPECT_LE(s.worst.gap, kSlack) << set << " frame " << frame << " misses its " << check << " box at edge "
                                       << s.worst.edge << " by " << s.worst.gap << " px, " << s.when;
    }
    // The walk reaches every frame of the heroes' and their shots' sets.
    for (const char* name : {"Tobrin", "Tavish", "Seliya", "Seliya_varm", "Nerys", "Himitu", "Suzaku", "Hato", "Kidan",
                             "Flame", "Cross", "Lightning"}) {
        const SpriteSet& set = *FindSpriteSet(name);
        for (int f = 0; f < set.count; ++f)
            EXPECT_GT(shown_.count({name, f}), 0u) << name << " frame " << f << " never shown";
    }
}

}  // namespace
