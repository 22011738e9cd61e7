// The late stages' own placement rules: owners that may only write fixed pool
// ranges and the boss arenas' chain lists; and traps that must meet the floor
// where they strike, on every stage.
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "game_test.h"
#include "ground/stage_floor.h"
#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

std::vector<StageObject> Entries(int32_t stage, C cls) {
    std::vector<StageObject> out;
    const StageObjectList list = StageObjectsFor(stage);
    for (int32_t i = 0; i < list.count; ++i)
        if (list.objects[i].cls == cls) out.push_back(list.objects[i]);
    return out;
}

bool Idle(const StageObject& o) {
    const int32_t d = InfoOf(o.cls).deadArg;
    return d >= 0 && o.args[d] == 1;
}

const std::vector<int32_t> kLateStages = {27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37,
                                          38, 39, 40, 41, 43, 44, 45, 46, 47, 48, 50};

// Owners whose pool range is fixed by the class: the argument and the allowed
// first slots.
struct FixedRange {
    C owner;
    int32_t arg;
    std::set<int32_t> bases;
};
const FixedRange kFixedRanges[] = {
    {C::EnemyArcher, 3, {0, 5}},          {C::EnemyBArmor, 3, {0}},
    {C::EnemyBGaikotu, 3, {0}},           {C::EnemyBara, 2, {0, 5, 10, 15}},
    {C::EnemyFireSkeleton, 3, {0, 1, 2}}, {C::EnemyFyenriru, 3, {0}},
    {C::EnemyMedama, 3, {0, 1}},          {C::EnemySaramanda, 3, {0, 1, 3, 4}},
    {C::EnemyVicto, 3, {0, 1, 2}},        {C::EnemyWarSkeleton, 3, {0, 10}},
    {C::EnemyWhiteDHontai, 2, {0, 1, 2}},
};

TEST(LateStageLists, OwnersWriteOnlyTheirClassesFixedRanges) {
    for (const int32_t stage : kLateStages) {
        for (const FixedRange& f : kFixedRanges)
            for (const StageObject& o : Entries(stage, f.owner))
                EXPECT_TRUE(f.bases.count(o.args[f.arg]))
                    << InfoOf(f.owner).name << " " << o.slot << " on stage " << stage;
    }
    // One apple slot per apple dropper, and the two thunder spirits' bolts
    // (five a spirit) apart.
    std::set<int32_t> apples;
    for (const StageObject& o : Entries(50, C::EnemySauji)) apples.insert(o.args[1]);
    EXPECT_EQ(apples.size(), 10u);
    const std::vector<StageObject> spirits = Entries(50, C::EnemyKaminarisama);
    ASSERT_EQ(spirits.size(), 2u);
    EXPECT_GE(std::abs(spirits[0].args[1] - spirits[1].args[1]), 5);
}

class LateStageTraps : public GameTest {};

TEST_F(LateStageTraps, FallingTrapsStrikeTheFloorUnderThem) {
    for (int32_t stage = 1; stage <= 50; ++stage) {
        g_stageFloor.LoadStage(stage);
        const auto onFloor = [&](int32_t x, int32_t bottom) { return g_stageFloor.TopAt(x + 1, bottom + 1) == bottom; };
        for (const StageObject& o : Entries(stage, C::EnemyHariLift))
            EXPECT_TRUE(onFloor(o.args[0], o.args[2] + 58)) << "lift " << o.slot << " on " << stage;
        for (const StageObject& o : Entries(stage, C::EnemySyanderia))
            EXPECT_TRUE(onFloor(o.args[0], o.args[2] + 64)) << "chandelier on " << stage;
        for (const StageObject& o : Entries(stage, C::EnemySan))
            EXPECT_TRUE(onFloor(o.args[0], o.args[2] + 16)) << "acid drop on " << stage;
        for (const StageObject& o : Entries(stage, C::EnemyTi))
            EXPECT_TRUE(onFloor(o.args[0], o.args[2] + 30)) << "drip on " << stage;
        // The weight drops onto the row 315 and is 128 high.
        for (const StageObject& o : Entries(stage, C::EnemyGia))
            EXPECT_TRUE(onFloor(o.args[0], 315 + 128)) << "weight on " << stage;
        // Pendulums hang armed above the hero and swing down once he passes.
        for (const StageObject& o : Entries(stage, C::EnemyFuriko)) {
            EXPECT_EQ(o.args[2], 1) << "pendulum on " << stage;
            EXPECT_LT(o.args[1], 310);
        }
        // A centipede's lowest side runs on the ground under its rectangle.
        for (const StageObject& o : Entries(stage, C::EnemyGejigeji))
            EXPECT_TRUE(onFloor(o.args[0], o.args[3] + 30)) << "centipede on " << stage;
    }
}

TEST(LateStageLists, BossArenasHoldTheChainIdlePoolsAndTheHiddenOrbLast) {
    for (const int32_t stage : {43, 44}) {
        const StageObjectList list = StageObjectsFor(stage);
        ASSERT_GT(list.count, 0);
        const StageObject& last = list.objects[list.count - 1];
        EXPECT_EQ(last.cls, C::MaryokuOrb);
        EXPECT_EQ(last.args[0], 1);
        for (int32_t i = 0; i + 1 < list.count; ++i) {
            const StageObject& o = list.objects[i];
            const bool boss = std::string(InfoOf(o.cls).name).rfind("Boss", 0) == 0;
            EXPECT_TRUE(boss ? o.argc == 0 : Idle(o)) << InfoOf(o.cls).name << " on " << stage;
        }
    }
}

}  // namespace
