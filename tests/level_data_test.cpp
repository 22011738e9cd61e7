// Level-data checks: every stage's ground is walked by a model of the three
// hero groups (walking with wall probes, falls, jumps with their drift, the
// Seliya forms' second jump and steering) to catch layouts a player could
// not get through.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <unordered_set>
#include <vector>

#include "ground/stage_floor.h"
#include "players/hero_body.h"
#include "players/hero_start.h"
#include "stages/stage.h"

namespace {

constexpr int32_t kGroups[] = {2, 0, 1};  // whip heroes and caster, Seliya, Varmiel
constexpr int32_t kDeathY = 480;

bool IsBossStage(int32_t s) { return s == 42 || s == 43 || s == 44 || s == 49; }

struct HeroState {
    int32_t x, y, vs;
    int32_t air, drift, jumpsUsed;
};

uint64_t Key(const HeroState& s) {
    return (uint64_t(uint32_t(s.x + 20000) & 0xFFFF) << 48) | (uint64_t(uint32_t(s.y + 20000) & 0xFFFF) << 32) |
           (uint64_t(uint32_t(s.vs + 20000) & 0xFFFF) << 16) | (uint64_t(s.air) << 8) | (uint64_t(s.drift + 1) << 4) |
           uint64_t(s.jumpsUsed);
}

// The stage's ground as a hero of one group meets it.
class Walker {
public:
    Walker(int32_t stage, int32_t heroIndex) : body_(*HeroBodyFor(heroIndex)), endX_(StageEndX(stage)) {
        floor_.LoadStage(stage);
        steers_ = body_.jumps == 2;  // the Seliya forms steer in the air
    }

    const HeroBody& Body() const { return body_; }
    const StageFloor& Floor() const { return floor_; }
    int32_t EndX() const { return endX_; }

    bool Stands(int32_t x, int32_t y) const {
        return floor_.TopAt(x + body_.walkProbeDx, y + body_.walkProbeDy) == y + body_.landHeight;
    }

    // A fall step that carried the landing probe from above a rectangle's
    // surface to below its bottom without being inside it.
    const platform::Rect* PassedThrough(int32_t probeX, int32_t fromY, int32_t toY) const {
        for (int32_t i = 0; i < floor_.GetCount(); ++i) {
            const platform::Rect& r = floor_.GetRect(i);
            if (r.left < probeX && probeX < r.right && fromY <= r.top && toY >= r.bottom) return &r;
        }
        return nullptr;
    }

    // One tick in the air: drift, gravity, landing probe. False when the hero dies.
    bool AirTick(HeroState& s, std::string* fault) const {
        if (s.drift != 0) s.x = HeroStepX(floor_, s.x, s.y, s.drift < 0, body_.leastX, endX_).x;
        const int32_t probeX = s.x + body_.landProbeDx;
        const int32_t before = s.y + body_.landProbeDy;
        s.y += s.vs / 5;
        s.vs += 20;
        const int32_t after = s.y + body_.landProbeDy;
        const int32_t t = floor_.TopAt(probeX, after);
        if (t != 0) {
            s = HeroState{s.x, t - body_.landHeight, 0, 0, 0, 0};
            return true;
        }
        if (fault && after > before) {
            if (const platform::Rect* r = PassedThrough(probeX, before, after))
                *fault = "fall through (" + std::to_string(r->left) + ", " + std::to_string(r->top) + ") at x " +
                         std::to_string(s.x) + ", probe " + std::to_string(before) + " -> " + std::to_string(after);
        }
        return s.y < kDeathY;
    }

    // Every state one tick after s, for every input a player could give.
    void Next(const HeroState& s, std::vector<HeroState>& out, std::string* fault) const {
        out.clear();
        if (!s.air) {
            for (int32_t left : {0, 1}) {
                HeroState w = s;
                w.x = HeroStepX(floor_, s.x, s.y, left, body_.leastX, endX_).x;
                if (floor_.TopAt(w.x + body_.walkProbeDx, w.y + body_.walkProbeDy) == 0) {
                    // Off the edge: straight down, no jump left.
                    w.air = 1;
                    w.vs = 0;
                    w.drift = 0;
                    w.jumpsUsed = body_.jumps;
                    if (AirTick(w, fault)) out.push_back(w);
                } else {
                    out.push_back(w);
                }
            }
            for (int32_t d : {-1, 0, 1}) {
                HeroState j{s.x, s.y, body_.jumpSpeed, 1, d, 1};
                if (AirTick(j, fault)) out.push_back(j);
            }
            return;
        }
        std::vector<int32_t> drifts{s.drift};
        if (steers_) {
            // A held direction starts or turns the drift; it never stops it.
            for (int32_t d : {-1, 1})
                if (d != s.drift) drifts.push_back(d);
        }
        for (int32_t d : drifts) {
            HeroState a = s;
            a.drift = d;
            if (AirTick(a, fault)) out.push_back(a);
            if (s.jumpsUsed < body_.jumps) {
                HeroState j = s;
                j.drift = d;
                j.vs = body_.jumpSpeed;
                j.jumpsUsed += 1;
                if (AirTick(j, fault)) out.push_back(j);
            }
        }
    }

private:
    StageFloor floor_{};
    HeroBody body_;
    int32_t endX_;
    bool steers_;
};

HeroState StartState(int32_t stage, const HeroBody& body) {
    const HeroStart st = HeroStartFor(stage);
    return HeroState{st.x, st.y + body.startYOffset, 0, 0, 0, 0};
}

class LevelData : public ::testing::TestWithParam<int32_t> {};

TEST_P(LevelData, EveryHeroStartsOnGround) {
    const int32_t stage = GetParam();
    for (int32_t hero : kGroups) {
        Walker w(stage, hero);
        const HeroState s = StartState(stage, w.Body());
        EXPECT_TRUE(w.Stands(s.x, s.y)) << "hero " << hero << " at (" << s.x << ", " << s.y << ")";
        EXPECT_GE(s.x, w.Body().leastX);
        EXPECT_LE(s.x, w.EndX());
    }
}

TEST_P(LevelData, EveryExitStandsOnGroundAtAClampEnd) {
    const int32_t stage = GetParam();
    for (int32_t hero : kGroups) {
        Walker w(stage, hero);
        ExitPoint e{};
        if (IsBossStage(stage)) {
            EXPECT_FALSE(StageExitPoint(stage, hero, &e));
            continue;
        }
        ASSERT_TRUE(StageExitPoint(stage, hero, &e)) << hero;
        EXPECT_TRUE(w.Stands(e.x, e.y)) << "hero " << hero << " exit (" << e.x << ", " << e.y << ")";
        EXPECT_TRUE(e.x == w.EndX() || e.x == w.Body().leastX) << "the movement clamp never holds x " << e.x;
    }
}

// Straight falls at rest from each surface's standing height and from the top
// of a jump from it, in every column next to that surface.
TEST_P(LevelData, FallsFromEverySurfaceLand) {
    const int32_t stage = GetParam();
    for (int32_t hero : kGroups) {
        Walker w(stage, hero);
        const HeroBody& b = w.Body();
        const int32_t rise = b.jumps == 2 ? 100 : 84;
        std::vector<int32_t> columns;
        const int32_t lo = b.leastX + b.landProbeDx, hi = w.EndX() + b.landProbeDx;
        for (int32_t i = 0; i < w.Floor().GetCount(); ++i) {
            const platform::Rect& r = w.Floor().GetRect(i);
            for (int64_t e : {int64_t{r.left}, int64_t{r.right}})
                for (int64_t c : {e - 1, e, e + 1, e - 40, e + 40})
                    if (c >= lo && c <= hi) columns.push_back(static_cast<int32_t>(c));
        }
        for (int32_t i = 0; i < w.Floor().GetCount(); ++i) {
            const platform::Rect& surface = w.Floor().GetRect(i);
            for (int32_t c : columns) {
                if (int64_t{c} < int64_t{surface.left} - 100 || int64_t{c} > int64_t{surface.right} + 100) continue;
                if (surface.left < c && c < surface.right) continue;  // a fall there lands on the surface itself
                for (int32_t up : {0, rise}) {
                    HeroState s{c - b.landProbeDx, surface.top - b.landHeight - up, 0, 1, 0, b.jumps};
                    std::string fault;
                    for (int guard = 0; guard < 200 && s.air; ++guard) {
                        if (!w.AirTick(s, &fault)) break;
                        if (!fault.empty()) break;
                    }
                    EXPECT_TRUE(fault.empty()) << "hero " << hero << " from top " << surface.top << ": " << fault;
                }
            }
        }
    }
}

// Every input sequence from the start: the exit must be reachable standing,
// and no reachable fall may pass through a platform.
TEST_P(LevelData, ExitIsReachableFromTheStart) {
    const int32_t stage = GetParam();
    for (int32_t hero : kGroups) {
        Walker w(stage, hero);
        ExitPoint e{};
        const bool hasExit = StageExitPoint(stage, hero, &e);
        std::unordered_set<uint64_t> seen;
        seen.reserve(1 << 21);
        std::deque<HeroState> queue;
        const HeroState start = StartState(stage, w.Body());
        seen.insert(Key(start));
        queue.push_back(start);
        bool reached = false;
        std::string fault;
        std::vector<HeroState> next;
        while (!queue.empty()) {
            const HeroState s = queue.front();
            queue.pop_front();
            w.Next(s, next, &fault);
            ASSERT_TRUE(fault.empty()) << "hero " << hero << ": " << fault;
            for (const HeroState& n : next) {
                if (hasExit && !n.air && n.x == e.x && n.y == e.y) reached = true;
                if (seen.insert(Key(n)).second) queue.push_back(n);
            }
        }
        if (hasExit) {
            EXPECT_TRUE(reached) << "hero " << hero << " cannot reach (" << e.x << ", " << e.y << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllStages, LevelData, ::testing::Range(1, 51),
                         [](const ::testing::TestParamInfo<int32_t>& i) { return "Stage" + std::to_string(i.param); });

}  // namespace
