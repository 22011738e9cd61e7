// The armoured warriors: the wait within reach and the attack it leads to,
// the stun and the knock-back, the boxes that change with every pose, and
// the creature a fallen sword warrior leaves.
#include <algorithm>
#include <cstdint>
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
#include "players/player_front.h"
#include "shell/menu.h"

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
    template <typename T, typename Done>
    static int UpdatesUntil(T& e, Done done, int limit = 500) {
        for (int i = 1; i <= limit; ++i) {
            e.Update();
            if (done(e)) return i;
        }
        return -1;
    }
    // A record after one frame with the hero at heroX.
    template <typename T>
    T After(int32_t heroX, T e) {
        PutHero(heroX, kHeroY);
        e.Update();
        return e;
    }
    // Whether a record in the given frame hurts a hero at heroX, heroY.
    template <typename T>
    bool Touches(T e, int32_t frame, int32_t heroX, int32_t heroY) {
        e.frame = frame;
        PutHero(heroX, heroY);
        e.CheckPlayerTouch();
        return Hurt();
    }
    // Runs of frames, {frame, count} pairs, spelled out.
    static std::vector<int32_t> Runs(std::initializer_list<std::pair<int32_t, int>> runs) {
        std::vector<int32_t> out;
        for (const auto& [frame, n] : runs) out.insert(out.end(), n, frame);
        return out;
    }
};

// --- The wait within reach ---

TEST_F(Warriors, TheWaitCountsOnlyWithinReachMeasuredWhereEachKindMeasuresIt) {
    // Each stands at 1000 facing left. The spear warrior steps 3 before it
    // measures; the sword warrior measures from its middle, x + 110.
    EXPECT_EQ(After(898, EnemySNight(1000, 300, 0)).thrustWait, 1);
    EXPECT_EQ(After(897, EnemySNight(1000, 300, 0)).thrustWait, 0);
    const EnemyRedWhip whip(1000, 300, 0, enemy::kOpenMin, enemy::kOpenMax);
    EXPECT_EQ(After(901, whip).lashWait, 1);
    EXPECT_EQ(After(900, whip).lashWait, 0);
    EXPECT_EQ(After(851, EnemyHunmer(1000, 300, 0)).swingWait, 1);
    EXPECT_EQ(After(850, EnemyHunmer(1000, 300, 0)).swingWait, 0);
    for (const auto& [heroX, wait] : {std::pair{861, 1}, {1359, 1}, {860, 0}, {1360, 0}})
        EXPECT_EQ(After(heroX, EnemyVicto(1000, 200, 0, 0)).swingWait, wait) << heroX;
}

TEST_F(Warriors, SpearWarriorThrustsEveryTwentyWalkingFramesAndKeepsItsCountWhenTheHeroLeaves) {
    PutHero(kHeroX, kHeroY);
    EnemySNight& s = g_enemySNight[0];
    s = EnemySNight(kHeroX + 90, 300, 0);
    EXPECT_EQ(UpdatesUntil(s, [](const EnemySNight& e) { return e.frame % 5 >= 2; }), 20);
    // Raise for 4 frames, hold high for 5, thrust for 5, walk again; it
    // walks on all the while.
    const int32_t base = s.facing == 1 ? 0 : 5, x0 = s.x;
    EXPECT_EQ(Frames(s, 15), Runs({{base + 2, 4}, {base + 3, 5}, {base + 4, 5}, {base, 1}}));
    EXPECT_EQ(s.x - x0, (base == 0 ? 3 : -3) * 15);
    // Ten frames within reach, thirty away, then ten more within reach.
    for (const int32_t away : {0, 600, 0}) {
        for (int i = 0; i < (away == 0 ? 10 : 30); ++i) {
            PutHero(s.x + away, kHeroY);
            s.Update();
        }
        if (away != 0) {
            EXPECT_EQ(s.thrustWait, 10) << "kept while the hero is away";
        }
    }
    EXPECT_EQ(s.frame % 5, 2);
}

// --- The attacks ---

TEST_F(Warriors, HammerSwordAndWhipRunTheirAttacksThenWalk) {
    PutHero(kHeroX, kHeroY);
    EnemyHunmer& h = g_enemyHunmer[0];
    h = EnemyHunmer(kHeroX + 100, 259, 0);
    ASSERT_EQ(UpdatesUntil(h, [](const EnemyHunmer& e) { return e.frame % 6 >= 2; }), 20);
    const size_t soundsBefore = PlayedSlots(backend).size();
    EXPECT_EQ(Frames(h, 20), Runs({{8, 1}, {9, 2}, {10, 2}, {11, 14}, {6, 1}}));
    const std::vector<int> sounds = PlayedSlots(backend);
    EXPECT_EQ(std::count(sounds.begin() + static_cast<long>(soundsBefore), sounds.end(), 12), 1)
        << "the blow sounds once a swing (the hero's cries aside)";

    // The sword stands through its swing, then lunges 70 pixels.
    EnemyVicto& v = g_enemyVicto[0];
    v = EnemyVicto(kHeroX - 200, 227, 1, 0);
    ASSERT_EQ(UpdatesUntil(v, [](const EnemyVicto& e) { return e.frame % 8 >= 2; }), 20);
    const int32_t x0 = v.x;
    EXPECT_EQ(Frames(v, 12), Runs({{2, 2}, {3, 3}, {4, 3}, {5, 3}, {6, 1}}));
    EXPECT_EQ(v.x, x0);
    EXPECT_EQ(Frames(v, 10), Runs({{6, 5}, {7, 4}, {0, 1}}));
    EXPECT_EQ(v.x, x0 + 70);

    // The whip walks no further than a step past its bound.
    EnemyRedWhip& w = g_enemyRedWhip[0];
    w = EnemyRedWhip(kHeroX + 50, 300, 0, kHeroX + 40, kHeroX + 60);
    ASSERT_EQ(UpdatesUntil(w, [](const EnemyRedWhip& e) { return e.frame % 7 >= 2; }), 10);
    EXPECT_EQ(w.x, kHeroX + 38);
    EXPECT_EQ(Frames(w, 10), Runs({{9, 5}, {10, 4}, {7, 1}}));
}

TEST_F(Warriors, AxeWarriorChargesAfterAHundredFramesOnGuardAndFacesTheHeroAnew) {
    EnemyRedAxArmor& a = g_enemyRedAxArmor[0];
    a = EnemyRedAxArmor(kHeroX + 150, kHeroY + 50, 0);
    // The count holds while the hero is out of reach on y or on x.
    for (const int32_t dx : {0, 0, 400}) {
        PutHero(kHeroX + dx, a.counter == 0 ? kHeroY : kHeroY - 50);
        for (int i = 0; i < 30; ++i) a.Update();
    }
    EXPECT_EQ(a.counter, 30);
    PutHero(kHeroX, kHeroY);
    EXPECT_EQ(UpdatesUntil(a, [](const EnemyRedAxArmor& e) { return e.frame == 5; }), 70);
    const int32_t x0 = a.x;
    EXPECT_EQ(Frames(a, 9), Runs({{5, 2}, {6, 3}, {7, 3}, {5, 1}}));
    for (int i = 0; i < 26; ++i) a.Update();
    EXPECT_EQ(a.x, x0 - 35 * 12);
    a.Update();
    EXPECT_EQ(a.frame, 0) << "on guard again, turned to the hero behind it";
}

TEST_F(Warriors, BruteRunsThroughTheHeroAndTurnsBeyondHimOrAtItsBounds) {
    PutHero(kHeroX, kHeroY);
    // Running left 16 a frame from 1000: 250 beyond the hero at x 648, past
    // a bound at 860 at x 856.
    for (const auto& [left, turnX] : {std::pair{enemy::kOpenMin, 648}, {kHeroX - 40, 856}}) {
        EnemyTyinman t(kHeroX + 100, 300, 0, left, enemy::kOpenMax);
        EXPECT_EQ(UpdatesUntil(t, [](const EnemyTyinman& e) { return e.facing == 1; }), (1000 - turnX) / 16);
        EXPECT_EQ(t.x, turnX);
    }
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
    EXPECT_EQ(Frames(w, 64), Runs({{11, 4}, {12, 5}, {13, 45}, {12, 5}, {11, 5}}));
    EXPECT_EQ(w.x, x0);
    EXPECT_FALSE(Hurt()) << "no touch while stunned";
    Whip(false);
    w.Update();
    EXPECT_EQ(w.frame, 7) << "walking again 65 frames after the blow";
}

TEST_F(Warriors, AxeWarriorOnGuardTakesBlowsOnlyBehindItsShield) {
    // The whip covers x + 42 to 122 of the warrior, clear of its back 40
    // pixels when it faces right, on them when it faces left.
    Whip(true);
    for (const int32_t facing : {1, 0}) {
        EnemyRedAxArmor a(kHeroX + 6, kHeroY - 40, facing);
        a.CheckWeaponHit();
        EXPECT_EQ(a.hp, facing == 1 ? 9 : 8) << "facing " << facing;
    }
}

TEST_F(Warriors, BruteIsKnockedBackAgainstItsFacingButNotPastItsBound) {
    PutHero(kHeroX, kHeroY);
    EnemyTyinman& t = g_enemyTyinman[0];
    t = EnemyTyinman(kHeroX + 60, kHeroY - 40, 0, enemy::kOpenMin, kHeroX + 200);
    Whip(true);
    t.CheckWeaponHit();
    EXPECT_EQ(t.hp, 3);
    EXPECT_EQ(t.knockDir, 1);
    for (int i = 0; i < 19; ++i) t.Move();
    EXPECT_EQ(t.x, kHeroX + 193);
    for (int i = 0; i < 11; ++i) t.Move();
    EXPECT_EQ(t.x, kHeroX + 200) << "stopped at the bound";
    EXPECT_EQ(t.facing, 0) << "pushed, not turned";
    t.Move();
    EXPECT_EQ(t.x, kHeroX + 200 - 16) << "30 frames on it runs its way again";

    // The last blow destroys it without a push.
    t = EnemyTyinman(kHeroX + 60, kHeroY - 40, 0, enemy::kOpenMin, enemy::kOpenMax);
    t.hp = 1;
    t.CheckWeaponHit();
    EXPECT_EQ(t.dead, 1);
    EXPECT_EQ(t.knockTimer, 0);
}

TEST_F(Warriors, AFallenSwordWarriorLeavesOneCreatureInItsOwnSlot) {
    PutHero(kHeroX, kHeroY);
    EnemyVicto& v = g_enemyVicto[0];
    v = EnemyVicto(kHeroX - 40, kHeroY - 110, 1, 1);
    v.hp = 2;
    for (const bool whip : {true, false, true}) {
        EXPECT_EQ(g_enemyAra[1].dead, 1) << "no creature before the last blow";
        Whip(whip);
        v.CheckWeaponHit();
    }
    ASSERT_EQ(v.dead, 1);
    EXPECT_EQ(g_enemyAra[0].dead + g_enemyAra[2].dead, 2);
    const EnemyAra& a = g_enemyAra[1];
    EXPECT_EQ(a.dead, 0);
    EXPECT_EQ(a.x, v.x + 110);
    EXPECT_EQ(a.y, v.y + 108);

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
    // 9 a frame until more than 100 above him, then 6 across and 7 down,
    // toward the side he was on, until more than 100 below him.
    EXPECT_EQ(UpdatesUntil(a, [](const EnemyAra& e) { return e.rising == 0; }), 19);
    EXPECT_EQ(a.y, 400 - 19 * 9);
    EXPECT_EQ(a.frame, 2);
    PutHero(2000, kHeroY);
    EXPECT_EQ(UpdatesUntil(a, [](const EnemyAra& e) { return e.rising == 1; }), 29);
    EXPECT_EQ(a.y, 229 + 29 * 7);
    EXPECT_EQ(a.x, 1000 - 29 * 6);
    EXPECT_EQ(a.frame, 1);
}

// --- Touch boxes ---

TEST_F(Warriors, AttackPosesReachBeyondTheBodyAndHurtOncePerFrame) {
    // Each stands at 1000, 300 facing right; the hero's body is x + 2 to 30,
    // y + 2 to 56.
    const EnemySNight spear(1000, 300, 1);
    EXPECT_TRUE(Touches(spear, 4, 1080, 300)) << "the spear out to the right";
    EXPECT_TRUE(Touches(spear, 3, 1000, 210)) << "held high: the box rises";
    EXPECT_FALSE(Touches(spear, 3, 1000, 352)) << "held high, the hero at its feet";
    EXPECT_TRUE(Touches(spear, 0, 1000, 352)) << "walking, the hero at its feet";
    const EnemyRedWhip whip(1000, 300, 1, 0, 0);
    EXPECT_TRUE(Touches(whip, 3, 1100, 280)) << "the lash to the right";
    EXPECT_TRUE(Touches(whip, 10, 920, 280)) << "the lash to the left";
    const EnemyHunmer hammer(1000, 300, 1);
    EXPECT_TRUE(Touches(hammer, 5, 1130, 430)) << "the hammer down to the right";
    const EnemyVicto sword(1000, 300, 1, 0);
    EXPECT_TRUE(Touches(sword, 5, 1262, 392)) << "the blade out to the right";
    EXPECT_TRUE(Touches(sword, 13, 958, 392)) << "the blade out to the left";
    EXPECT_FALSE(Touches(sword, 0, 1282, 392)) << "walking";

    // On both the body and the spear: hurt once.
    EnemySNight s = spear;
    s.frame = 4;
    PutHero(1040, 300);
    s.CheckPlayerTouch();
    EXPECT_EQ(hero.hp, 16 - Cost(3));
}

// --- Waking ---

TEST_F(Warriors, SleepersStayPutUntilTheHeroComesWithinTheirDistance) {
    // Each at 1000: asleep and still with the hero at its distance, awake
    // and walking a pixel nearer. The sword warrior measures from x here.
    const EnemyTyinman brute(1000, 300, 0, enemy::kOpenMin, enemy::kOpenMax);
    for (const int32_t distance : {700, 699}) {
        const bool awake = distance < 700;
        EXPECT_EQ(After(1000 - distance, EnemySNight(1000, 300, 0)).x != 1000, awake) << distance;
        EXPECT_EQ(After(1000 - distance, brute).dormant == 0, awake) << distance;
    }
    for (const int32_t distance : {640, 639}) {
        const bool awake = distance < 640;
        EXPECT_EQ(After(1000 - distance, EnemyHunmer(1000, 300, 0)).x != 1000, awake) << distance;
        EXPECT_EQ(After(1000 - distance, EnemyVicto(1000, 300, 0, 0)).dormant == 0, awake) << distance;
    }
}

}  // namespace
