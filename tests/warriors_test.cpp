// The armoured warriors: the wait within reach and the attack it leads to,
// the stun and the knock-back, the boxes that change with every pose, the
// creature a fallen sword warrior leaves, and how they fare on their stages.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "enemies/model/enemy_model.h"
#include "enemies/warriors/ara.h"
#include "enemies/warriors/hunmer.h"
#include "enemies/warriors/red_ax_armor.h"
#include "enemies/warriors/red_whip.h"
#include "enemies/warriors/s_night.h"
#include "enemies/warriors/tyinman.h"
#include "enemies/warriors/victo.h"
#include "enemy_fixture.h"
#include "engine/game_state.h"
#include "engine/shell/menu.h"
#include "players/player_front.h"

namespace {

constexpr int32_t kHeroX = 900;
constexpr int32_t kHeroY = 330;

class Warriors : public EnemyTest {
protected:
    void SetUp() override {
        EnemyTest::SetUp();
        for (EnemyAra& a : g_enemyAra) a = EnemyAra(0, 0, 1);
    }
    // True when the hero lost hit points since the last call; he can be hurt
    // again at once.
    bool Hurt() {
        const int32_t lost = 16 - hero.hp;
        PutHero(hero.x, hero.y);
        return lost > 0;
    }
    // The frames a record shows over n updates.
    template <typename T>
    static std::vector<int32_t> Frames(T& e, int n) {
        std::vector<int32_t> out;
        for (int i = 0; i < n; ++i) {
            e.Update();
            out.push_back(e.frame);
        }
        return out;
    }
    // Updates until done holds; the number of updates, or -1 past limit.
    template <typename T>
    static int UpdatesUntil(T& e, const std::function<bool(const T&)>& done, int limit = 500) {
        for (int i = 1; i <= limit; ++i) {
            e.Update();
            if (done(e)) return i;
        }
        return -1;
    }
    static std::vector<int32_t> Run(int32_t frame, int n) { return std::vector<int32_t>(n, frame); }
    static std::vector<int32_t> Join(std::initializer_list<std::vector<int32_t>> parts) {
        std::vector<int32_t> out;
        for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
        return out;
    }
};

// --- The wait within reach ---

TEST_F(Warriors, TheWaitCountsOnlyWithinReachMeasuredWhereEachKindMeasuresIt) {
    struct Case {
        const char* kind;
        int32_t heroX;  // the warrior stands at 1000 facing left
        int32_t wait;   // after one update
    };
    const Case cases[] = {
        // The spear warrior steps 3 before it measures.
        {"spear", 898, 1},
        {"spear", 897, 0},
        {"whip", 901, 1},
        {"whip", 900, 0},
        {"hammer", 851, 1},
        {"hammer", 850, 0},
        // The sword warrior measures from its middle, x + 110.
        {"sword", 861, 1},
        {"sword", 860, 0},
        {"sword", 1359, 1},
        {"sword", 1360, 0},
    };
    for (const Case& c : cases) {
        PutHero(c.heroX, kHeroY);
        int32_t wait = -1;
        const std::string kind = c.kind;
        if (kind == "spear") {
            EnemySNight e(1000, 300, 0);
            e.Update();
            wait = e.thrustWait;
        } else if (kind == "whip") {
            EnemyRedWhip e(1000, 300, 0, enemy::kOpenMin, enemy::kOpenMax);
            e.Update();
            wait = e.lashWait;
        } else if (kind == "hammer") {
            EnemyHunmer e(1000, 300, 0);
            e.Update();
            wait = e.swingWait;
        } else {
            EnemyVicto e(1000, 200, 0, 0);
            e.Update();
            wait = e.swingWait;
        }
        EXPECT_EQ(wait, c.wait) << c.kind << " with the hero at " << c.heroX;
    }
}

TEST_F(Warriors, SpearWarriorThrustsEveryTwentyWalkingFramesAndKeepsItsCountWhenTheHeroLeaves) {
    PutHero(kHeroX, kHeroY);
    EnemySNight& s = g_enemySNight[0];
    s = EnemySNight(kHeroX + 90, 300, 0);
    const auto thrusting = [](const EnemySNight& e) { return e.frame % 5 >= 2; };
    EXPECT_EQ(UpdatesUntil<EnemySNight>(s, thrusting), 20);
    // Raise for 4 frames, hold high for 5, thrust for 5, and walk again.
    const int32_t base = s.facing == 1 ? 0 : 5;
    const int32_t x0 = s.x;
    EXPECT_EQ(Frames(s, 14), Join({Run(base + 2, 4), Run(base + 3, 5), Run(base + 4, 5)}));
    s.Update();
    EXPECT_LT(s.frame % 5, 2);
    EXPECT_EQ(s.x - x0, (base == 0 ? 3 : -3) * 15) << "it walks on through the thrust";
    EXPECT_EQ(UpdatesUntil<EnemySNight>(s, thrusting), 20);

    // Ten frames within reach, away for a while, then back: ten more.
    for (int i = 0; i < 15; ++i) s.Update();
    ASSERT_EQ(s.frame % 5, 0);
    for (int i = 0; i < 10; ++i) {
        PutHero(s.x, kHeroY);
        s.Update();
    }
    ASSERT_EQ(s.thrustWait, 10);
    PutHero(s.x + 600, kHeroY);
    for (int i = 0; i < 30; ++i) s.Update();
    EXPECT_EQ(s.thrustWait, 10) << "kept while the hero is away";
    int frames = 0;
    while (s.frame % 5 < 2 && frames < 50) {
        PutHero(s.x, kHeroY);
        s.Update();
        ++frames;
    }
    EXPECT_EQ(frames, 10);
}

// --- The attacks ---

TEST_F(Warriors, HammerRisesStrikesWithOneSoundAndWalksAgain) {
    PutHero(kHeroX, kHeroY);
    EnemyHunmer& h = g_enemyHunmer[0];
    h = EnemyHunmer(kHeroX + 100, 259, 0);
    ASSERT_EQ(UpdatesUntil<EnemyHunmer>(h, [](const EnemyHunmer& e) { return e.frame % 6 >= 2; }), 20);
    EXPECT_EQ(h.frame, 6 + 2);
    const size_t soundsBefore = PlayedSlots(backend).size();
    EXPECT_EQ(Frames(h, 20), Join({{8, 9, 9, 10, 10}, Run(11, 14), {6}}));
    const std::vector<int> sounds = PlayedSlots(backend);
    EXPECT_EQ(std::count(sounds.begin() + static_cast<long>(soundsBefore), sounds.end(), 12), 1)
        << "the blow lands once a swing (the hero's cries aside)";
}

TEST_F(Warriors, SwordWarriorSwingsThenLungesSeventyPixels) {
    PutHero(kHeroX, kHeroY);
    EnemyVicto& v = g_enemyVicto[0];
    v = EnemyVicto(kHeroX - 200, 227, 1, 0);
    ASSERT_EQ(UpdatesUntil<EnemyVicto>(v, [](const EnemyVicto& e) { return e.frame % 8 >= 2; }), 20);
    ASSERT_EQ(v.frame, 2);
    const int32_t x0 = v.x;
    EXPECT_EQ(Frames(v, 12), Join({Run(2, 2), Run(3, 3), Run(4, 3), Run(5, 3), {6}}));
    EXPECT_EQ(v.x, x0) << "it stands while it swings";
    EXPECT_EQ(Frames(v, 10), Join({Run(6, 5), Run(7, 4), {0}}));
    EXPECT_EQ(v.x, x0 + 70);
}

TEST_F(Warriors, WhipWarriorLashesAndKeepsToItsBounds) {
    PutHero(kHeroX, kHeroY);
    EnemyRedWhip& w = g_enemyRedWhip[0];
    w = EnemyRedWhip(kHeroX + 50, 300, 0, kHeroX + 40, kHeroX + 60);
    ASSERT_EQ(UpdatesUntil<EnemyRedWhip>(w, [](const EnemyRedWhip& e) { return e.frame % 7 >= 2; }), 10);
    EXPECT_EQ(Frames(w, 10), Join({Run(9, 5), Run(10, 4), {7}}));
    // Walking after a hero far to the left, it stops at its left bound.
    PutHero(kHeroX - 500, kHeroY);
    for (int i = 0; i < 20; ++i) w.Update();
    EXPECT_EQ(w.x, kHeroX + 38) << "the last step starts inside the bound";
    EXPECT_EQ(w.facing, 0);
}

TEST_F(Warriors, AxeWarriorChargesAfterAHundredFramesOnGuardAndFacesTheHeroAnew) {
    PutHero(kHeroX, kHeroY);
    EnemyRedAxArmor& a = g_enemyRedAxArmor[0];
    a = EnemyRedAxArmor(kHeroX + 150, kHeroY + 50, 0);
    for (int i = 0; i < 60; ++i) a.Update();
    // Out of reach on y the count holds, and so it does when the hero leaves.
    PutHero(kHeroX, kHeroY - 50);
    for (int i = 0; i < 30; ++i) a.Update();
    PutHero(kHeroX + 400, kHeroY);
    for (int i = 0; i < 30; ++i) a.Update();
    EXPECT_EQ(a.counter, 60);
    EXPECT_EQ(a.frame, 4);
    PutHero(kHeroX, kHeroY);
    for (int i = 0; i < 40; ++i) a.Update();
    EXPECT_EQ(a.frame, 5) << "the charge begins";
    const int32_t x0 = a.x;
    const std::vector<int32_t> charge = Frames(a, 35);
    EXPECT_EQ(std::vector<int32_t>(charge.begin(), charge.begin() + 9), Join({Run(5, 2), Run(6, 3), Run(7, 3), {5}}));
    EXPECT_EQ(a.x, x0 - 35 * 12);
    a.Update();
    EXPECT_EQ(a.frame, 0) << "on guard again, turned to the hero behind it";
    EXPECT_EQ(a.facing, 1);
    EXPECT_EQ(a.counter, 0);
}

TEST_F(Warriors, BruteRunsThroughTheHeroAndTurnsBeyondHimOrAtItsBounds) {
    PutHero(kHeroX, kHeroY);
    EnemyTyinman& t = g_enemyTyinman[0];
    t = EnemyTyinman(kHeroX + 100, 300, 0, enemy::kOpenMin, enemy::kOpenMax);
    const auto turned = [](const EnemyTyinman& e) { return e.facing == 1; };
    ASSERT_GT(UpdatesUntil<EnemyTyinman>(t, turned), 0);
    EXPECT_LT(t.x + 250, kHeroX);
    EXPECT_GE(t.x + 250 + 16, kHeroX) << "turned the first frame it was 250 beyond him";
    t = EnemyTyinman(kHeroX + 100, 300, 0, kHeroX - 40, enemy::kOpenMax);
    ASSERT_GT(UpdatesUntil<EnemyTyinman>(t, turned), 0);
    EXPECT_LT(t.x, kHeroX - 40);
    EXPECT_GE(t.x, kHeroX - 40 - 16);
}

// --- Stuns, knock-backs and falls ---

TEST_F(Warriors, WhipWarriorStunnedByABlowIsNeitherMovedNorTestedUntilItGetsUp) {
    PutHero(kHeroX, kHeroY);
    EnemyRedWhip& w = g_enemyRedWhip[0];
    // The hero's whip reaches x + 48 to 128; the warrior stands in it.
    w = EnemyRedWhip(kHeroX + 60, kHeroY, 0, enemy::kOpenMin, enemy::kOpenMax);
    w.frame = 10;  // mid-lash
    w.counter = 6;
    Whip(true);
    w.Update();
    EXPECT_EQ(w.frame, 11) << "stunned at once";
    const int32_t x0 = w.x;
    // Its reeling box still overlaps the whip, but nothing is tested now.
    EXPECT_EQ(Frames(w, 64), Join({Run(11, 4), Run(12, 5), Run(13, 45), Run(12, 5), Run(11, 5)}));
    EXPECT_EQ(w.x, x0);
    EXPECT_FALSE(Hurt()) << "no touch while stunned";
    Whip(false);
    w.Update();
    EXPECT_EQ(w.frame, 7) << "walking again 65 frames after the blow";
}

TEST_F(Warriors, AxeWarriorOnGuardTakesBlowsOnlyBehindItsShield) {
    // The whip covers x + 42 to 122 of the warrior, clear of its back 40
    // pixels when it faces right, on them when it faces left.
    for (const int32_t facing : {1, 0}) {
        EnemyRedAxArmor& a = g_enemyRedAxArmor[0];
        a = EnemyRedAxArmor(kHeroX + 6, kHeroY - 40, facing);
        Whip(true);
        a.CheckWeaponHit();
        EXPECT_EQ(a.hp, facing == 1 ? 9 : 8) << "facing " << facing;
        Whip(false);
        a.CheckWeaponHit();
        a.frame = facing == 1 ? 1 : 5;  // charging, the whole body takes blows
        Whip(true);
        a.CheckWeaponHit();
        EXPECT_EQ(a.hp, facing == 1 ? 8 : 7) << "facing " << facing;
    }
}

TEST_F(Warriors, BruteIsKnockedBackAgainstItsFacingButNotPastItsBound) {
    PutHero(kHeroX, kHeroY);
    EnemyTyinman& t = g_enemyTyinman[0];
    t = EnemyTyinman(kHeroX + 60, kHeroY - 40, 0, enemy::kOpenMin, kHeroX + 200);
    t.dormant = 0;
    Whip(true);
    t.CheckWeaponHit();
    Whip(false);
    EXPECT_EQ(t.hp, 3);
    EXPECT_EQ(t.knockTimer, 30);
    EXPECT_EQ(t.knockDir, 1);
    std::vector<int32_t> xs;
    for (int i = 0; i < 30; ++i) {
        t.Move();
        xs.push_back(t.x);
    }
    EXPECT_EQ(xs[0], kHeroX + 67);
    EXPECT_EQ(xs[19], kHeroX + 200) << "twenty steps of 7 end on the bound";
    EXPECT_EQ(xs[29], kHeroX + 200);
    EXPECT_EQ(t.facing, 0) << "pushed, not turned";
    t.Move();
    EXPECT_EQ(t.x, kHeroX + 200 - 16) << "it runs on its way again";

    // The last blow destroys it without a push.
    t = EnemyTyinman(kHeroX + 60, kHeroY - 40, 0, enemy::kOpenMin, enemy::kOpenMax);
    t.hp = 1;
    Whip(true);
    t.CheckWeaponHit();
    EXPECT_EQ(t.dead, 1);
    EXPECT_EQ(t.knockTimer, 0);
}

TEST_F(Warriors, AFallenSwordWarriorLeavesOneCreatureInItsOwnSlot) {
    PutHero(kHeroX, kHeroY);
    EnemyVicto& v = g_enemyVicto[0];
    v = EnemyVicto(kHeroX - 40, kHeroY - 110, 1, 1);
    v.dormant = 0;
    v.hp = 2;
    Whip(true);
    v.CheckWeaponHit();
    EXPECT_EQ(v.hp, 1);
    for (const EnemyAra& a : g_enemyAra) EXPECT_EQ(a.dead, 1) << "no creature before the last blow";
    Whip(false);
    v.CheckWeaponHit();
    Whip(true);
    v.CheckWeaponHit();
    ASSERT_EQ(v.dead, 1);
    EXPECT_EQ(g_enemyAra[0].dead, 1);
    EXPECT_EQ(g_enemyAra[2].dead, 1);
    const EnemyAra& a = g_enemyAra[1];
    ASSERT_EQ(a.dead, 0);
    EXPECT_EQ(a.x, v.x + 110);
    EXPECT_EQ(a.y, v.y + 108);
    EXPECT_EQ(a.hp, 2);
    EXPECT_EQ(a.rising, 1);

    // A slot outside the pool is refused, nothing written.
    const int32_t refused = enemy::RefusedSlotCount();
    v = EnemyVicto(kHeroX - 40, kHeroY - 110, 1, 3);
    v.hp = 1;
    v.CheckWeaponHit();
    EXPECT_EQ(v.dead, 1);
    EXPECT_EQ(enemy::RefusedSlotCount(), refused + 1);
}

TEST_F(Warriors, CreatureClimbsAboveTheHeroThenDropsPastHimTowardWhereHeWas) {
    PutHero(kHeroX, kHeroY);
    EnemyAra& a = g_enemyAra[0];
    a = EnemyAra(1000, 400, 0);
    // Climbs 9 a frame until it is more than 100 above the hero.
    EXPECT_EQ(UpdatesUntil<EnemyAra>(a, [](const EnemyAra& e) { return e.rising == 0; }), 19);
    EXPECT_EQ(a.y, 400 - 19 * 9);
    EXPECT_EQ(a.frame, 2);
    EXPECT_EQ(a.facing, 0) << "the hero is on its left";
    a.Update();
    EXPECT_EQ(a.x, 994);
    EXPECT_EQ(a.y, 229 + 7);
    EXPECT_EQ(a.frame, 1);
    // It drops until more than 100 below him, whatever he does meanwhile.
    PutHero(2000, kHeroY);
    const int n = UpdatesUntil<EnemyAra>(a, [](const EnemyAra& e) { return e.rising == 1; });
    EXPECT_GT(a.y, kHeroY + 100);
    EXPECT_LE(a.y, kHeroY + 107);
    EXPECT_EQ(a.x, 994 - 6 * n);
}

// --- Touch boxes ---

TEST_F(Warriors, AttackPosesReachBeyondTheBodyAndHurtOncePerFrame) {
    struct Case {
        const char* what;
        std::function<void()> touch;  // at 1000, 300 in the given frame
        int32_t heroX;
        int32_t heroY;
        bool hurt;
    };
    EnemySNight s(1000, 300, 1);
    EnemyRedWhip w(1000, 300, 1, 0, 0);
    EnemyHunmer h(1000, 300, 1);
    EnemyVicto v(1000, 300, 1, 0);
    const auto sAt = [&s](int32_t f) {
        return [&s, f] {
            s.frame = f;
            s.CheckPlayerTouch();
        };
    };
    const auto wAt = [&w](int32_t f) {
        return [&w, f] {
            w.frame = f;
            w.CheckPlayerTouch();
        };
    };
    const auto hAt = [&h](int32_t f) {
        return [&h, f] {
            h.frame = f;
            h.CheckPlayerTouch();
        };
    };
    const auto vAt = [&v](int32_t f) {
        return [&v, f] {
            v.frame = f;
            v.CheckPlayerTouch();
        };
    };
    // The hero's body is x + 2 to 30, y + 2 to 56.
    const Case cases[] = {
        {"spear out right", sAt(4), 1080, 300, true},
        {"spear walking", sAt(0), 1080, 300, false},
        {"spear out left", sAt(9), 1000 - 60, 300, true},
        {"spear held high, hero above", sAt(3), 1000, 300 - 90, true},
        {"spear held high, hero at the feet", sAt(3), 1000, 300 + 52, false},
        {"spear walking, hero at the feet", sAt(0), 1000, 300 + 52, true},
        {"whip lash right", wAt(3), 1100, 300 - 20, true},
        {"whip lash right, above the lash", wAt(3), 1100, 300 - 40, false},
        {"whip lash left", wAt(10), 1000 - 80, 300 - 20, true},
        {"whip wound up", wAt(2), 1100, 300 - 20, false},
        {"hammer down right", hAt(5), 1130, 300 + 130, true},
        {"hammer down left", hAt(11), 1000 - 70, 300 + 130, true},
        {"hammer raised", hAt(4), 1000 - 70, 300 + 130, false},
        {"blade out right", vAt(5), 1000 + 112 + 150, 300 + 92, true},
        {"blade out left", vAt(13), 1000 - 52 + 10, 300 + 92, true},
        {"blade out left, front of the body", vAt(13), 1000 - 52 + 100, 300 + 92, true},
        {"sword walking", vAt(0), 1000 + 112 + 150 + 20, 300 + 92, false},
    };
    for (const Case& c : cases) {
        PutHero(c.heroX, c.heroY);
        c.touch();
        EXPECT_EQ(Hurt(), c.hurt) << c.what;
    }
    // On both the body and the spear: hurt once.
    PutHero(1040, 300);
    s.frame = 4;
    s.CheckPlayerTouch();
    EXPECT_EQ(hero.hp, 16 - Cost(3));
}

// --- Waking ---

TEST_F(Warriors, SleepersStayPutUntilTheHeroComesWithinTheirDistance) {
    struct Case {
        const char* kind;
        int32_t distance;
    };
    for (const Case c : {Case{"spear", 700}, Case{"hammer", 640}, Case{"brute", 700}, Case{"sword", 640}}) {
        for (const int32_t d : {c.distance, c.distance - 1}) {
            PutHero(1000 - d, kHeroY);
            const std::string kind = c.kind;
            int32_t moved = 0;
            int32_t dormant = 0;
            if (kind == "spear") {
                EnemySNight e(1000, 300, 0);
                e.Update();
                moved = e.x - 1000;
                dormant = e.dormant;
            } else if (kind == "hammer") {
                EnemyHunmer e(1000, 300, 0);
                e.Update();
                moved = e.x - 1000;
                dormant = e.dormant;
            } else if (kind == "brute") {
                EnemyTyinman e(1000, 300, 0, enemy::kOpenMin, enemy::kOpenMax);
                e.Update();
                moved = e.x - 1000;
                dormant = e.dormant;
            } else {
                EnemyVicto e(1000, 300, 0, 0);
                e.Update();
                moved = e.x - 1000;
                dormant = e.dormant;
            }
            const bool awake = d < c.distance;
            EXPECT_EQ(dormant, awake ? 0 : 1) << c.kind << " at " << d;
            EXPECT_EQ(moved != 0, awake) << c.kind << " at " << d;
        }
    }
}

}  // namespace
