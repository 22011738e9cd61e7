// The class registry and every stage object list, checked against the stage
// composition and the rules of the lists: class order and counts, slots and
// arity, idle slots, owners' pools, where the ground classes stand, that all
// lies inside the stage and that the hero's start is clear. Each rule also
// catches a list broken on purpose.
#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "enemies/model/registry.h"
#include "engine/game_state.h"
#include "game_test.h"
#include "stage_list_checks.h"
#include "stages/stage.h"
#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// clang-format off
// Classes not built yet. Remove a class from here when it lands; the list
// must end empty.
const std::set<std::string> kNotYetBuilt = {
   
};
// clang-format on

// Every class's array size, constructor arity and dead-flag argument, as the
// class's constructor takes them.
struct RegistryRow {
    const char* name;
    int32_t size;
    int32_t arity;
    int32_t deadArg;
};
// clang-format off
const RegistryRow kRegistryRows[] = {
    {"BossBMedyusa", 1, 0, -1},
    {"BossBeri1", 1, 0, -1},
    {"BossBeri2", 1, 0, -1},
    {"BossDeath1", 1, 0, -1},
    {"BossDeath2", 1, 0, -1},
    {"BossGBat", 1, 0, -1},
    {"BossGyai1", 1, 0, -1},
    {"BossGyai2", 1, 0, -1},
    {"BossHuranken", 1, 0, -1},
    {"BossMiira", 1, 0, -1},
    {"BossMino", 1, 0, -1},
    {"BossMorvane1", 1, 0, -1},
    {"BossMorvane2", 1, 0, -1},
    {"BossMorvane3", 1, 0, -1},
    {"BossQuorth", 1, 0, -1},
    {"BossWWolf", 1, 0, -1},
    {"EnemyAra", 3, 3, 2},
    {"EnemyArcher", 2, 4, -1},
    {"EnemyArmor", 2, 5, -1},
    {"EnemyArumajiro", 3, 3, -1},
    {"EnemyAx", 9, 6, 5},
    {"EnemyAxArmor", 3, 6, -1},
    {"EnemyBArmor", 1, 4, -1},
    {"EnemyBGaikotu", 1, 4, -1},
    {"EnemyBalloon", 1, 5, 3},
    {"EnemyBara", 4, 3, -1},
    {"EnemyBarukan", 5, 4, 3},
    {"EnemyBat", 5, 4, 3},
    {"EnemyBeriFire", 3, 4, 3},
    {"EnemyBokujin", 3, 2, -1},
    {"EnemyBokusi", 3, 5, -1},
    {"EnemyCrow", 6, 3, -1},
    {"EnemyDZombie", 1, 3, 2},
    {"EnemyDaibourei", 3, 2, -1},
    {"EnemyDancer", 6, 3, -1},
    {"EnemyDisk", 1, 0, -1},
    {"EnemyDouzou", 3, 2, -1},
    {"EnemyDugalF", 1, 3, -1},
    {"EnemyDyurahan", 2, 3, -1},
    {"EnemyEipu", 3, 5, -1},
    {"EnemyEkuto", 3, 1, -1},
    {"EnemyFDog", 3, 3, -1},
    {"EnemyFSukaru", 6, 2, -1},
    {"EnemyFireB", 1, 4, 3},
    {"EnemyFireSkeleton", 3, 4, -1},
    {"EnemyFish", 1, 4, 3},
    {"EnemyFlyingS", 1, 3, 2},
    {"EnemyFrog", 12, 3, -1},
    {"EnemyFukurou", 4, 2, -1},
    {"EnemyFuriko", 3, 3, -1},
    {"EnemyFyenriru", 1, 4, -1},
    {"EnemyGHand", 4, 2, -1},
    {"EnemyGanseki", 2, 4, 3},
    {"EnemyGargoile", 3, 4, -1},
    {"EnemyGejigeji", 4, 4, -1},
    {"EnemyGhost", 5, 3, -1},
    {"EnemyGia", 3, 1, -1},
    {"EnemyGool", 3, 3, -1},
    {"EnemyGouremu", 3, 3, -1},
    {"EnemyGureibu", 4, 3, -1},
    {"EnemyGyaiFire1", 4, 1, 0},
    {"EnemyGyaiFire2", 8, 5, 4},
    {"EnemyGyaiGanseki", 10, 3, 2},
    {"EnemyHana", 3, 4, -1},
    {"EnemyHariLift", 8, 3, -1},
    {"EnemyHaru", 3, 2, -1},
    {"EnemyHebi", 5, 3, -1},
    {"EnemyHellFire", 3, 4, 3},
    {"EnemyHiru", 3, 1, -1},
    {"EnemyHone", 20, 5, 4},
    {"EnemyHonebasira", 4, 3, -1},
    {"EnemyHousi", 4, 5, 4},
    {"EnemyHoutai", 5, 1, 0},
    {"EnemyHunmer", 1, 3, -1},
    {"EnemyHuran", 7, 1, -1},
    {"EnemyHyou", 3, 5, -1},
    {"EnemyIdouYari", 10, 4, -1},
    {"EnemyIdouYariV", 10, 3, -1},
    {"EnemyIhuriito", 3, 6, -1},
    {"EnemyJyouhansin", 3, 2, -1},
    {"EnemyJyuhouten", 7, 1, -1},
    {"EnemyJyuutan", 2, 5, -1},
    {"EnemyKahun", 20, 3, 2},
    {"EnemyKama", 10, 3, 2},
    {"EnemyKaminari", 10, 4, 3},
    {"EnemyKaminarisama", 2, 2, -1},
    {"EnemyKanoke", 4, 3, -1},
    {"EnemyKokuen", 2, 4, 3},
    {"EnemyKonbou", 3, 2, -1},
    {"EnemyKoumori", 5, 1, -1},
    {"EnemyKumo", 3, 1, -1},
    {"EnemyKyonsi", 6, 1, -1},
    {"EnemyLeaf", 5, 3, -1},
    {"EnemyLightning", 3, 4, 3},
    {"EnemyMBat", 2, 6, 4},
    {"EnemyMSpider", 3, 5, 4},
    {"EnemyMadhand", 3, 2, -1},
    {"EnemyMadman", 2, 6, 3},
    {"EnemyMedama", 2, 4, -1},
    {"EnemyMedyusaHead", 3, 4, 3},
    {"EnemyMerman", 1, 2, 1},
    {"EnemyMoeruhonoo", 15, 3, 2},
    {"EnemyNerysF", 1, 3, -1},
    {"EnemyNomi", 6, 4, 3},
    {"EnemyNoroi", 3, 2, -1},
    {"EnemyOgideran", 2, 4, -1},
    {"EnemyOskerinF", 1, 3, -1},
    {"EnemyOtiruBlock", 6, 3, 2},
    {"EnemyOtiruHonoo", 2, 5, 4},
    {"EnemyPorutaa", 3, 3, -1},
    {"EnemyPping", 2, 3, -1},
    {"EnemyRed", 2, 5, -1},
    {"EnemyRedAxArmor", 2, 3, -1},
    {"EnemyRedWhip", 1, 5, -1},
    {"EnemyRingo", 10, 2, 1},
    {"EnemyRouba", 4, 2, -1},
    {"EnemySBeamer", 2, 3, -1},
    {"EnemySLarge", 3, 5, -1},
    {"EnemySNight", 2, 3, -1},
    {"EnemySan", 2, 3, -1},
    {"EnemySaramanda", 2, 4, -1},
    {"EnemySauji", 10, 2, -1},
    {"EnemySemusi", 9, 4, 3},
    {"EnemyShellok", 5, 1, -1},
    {"EnemySkeleton", 3, 6, -1},
    {"EnemySkeletonSoldier", 4, 5, -1},
    {"EnemySpecter", 10, 1, -1},
    {"EnemySpider", 3, 2, -1},
    {"EnemyStnFire", 2, 4, 3},
    {"EnemySukaru", 4, 3, -1},
    {"EnemySukaru2", 2, 3, 2},
    {"EnemySukea", 4, 3, -1},
    {"EnemySunegusu", 4, 2, -1},
    {"EnemySuraimu", 4, 2, -1},
    {"EnemySyanderia", 5, 3, -1},
    {"EnemyTama", 5, 2, 1},
    {"EnemyTanken", 3, 4, 3},
    {"EnemyTaru", 3, 4, 3},
    {"EnemyTi", 7, 3, -1},
    {"EnemyToad", 1, 4, 3},
    {"EnemyTobuHonoo", 12, 5, 4},
    {"EnemyTori", 1, 3, 2},
    {"EnemyTurn", 3, 4, -1},
    {"EnemyTuti", 10, 4, 3},
    {"EnemyTyinman", 2, 5, -1},
    {"EnemyUma", 3, 3, -1},
    {"EnemyUne", 5, 2, -1},
    {"EnemyUpFire", 3, 1, -1},
    {"EnemyUpFireM", 1, 2, 1},
    {"EnemyVicto", 3, 4, -1},
    {"EnemyWGhost", 1, 3, 2},
    {"EnemyWar", 5, 3, -1},
    {"EnemyWarSkeleton", 2, 4, -1},
    {"EnemyWarSukaru", 2, 5, -1},
    {"EnemyWasi", 4, 4, -1},
    {"EnemyWhiteDHonoo", 3, 5, 4},
    {"EnemyWhiteDHontai", 3, 3, -1},
    {"EnemyWil", 4, 3, -1},
    {"EnemyYa", 10, 5, 4},
    {"EnemyYukaYari", 10, 1, -1},
    {"EnemyYuurei", 3, 1, -1},
    {"EnemyZombie", 2, 6, 3},
    {"EnemyZonbi", 2, 2, 1},
    {"MaryokuOrb", 1, 1, -1},
};
// clang-format on

std::string NameOf(C c) { return InfoOf(c).name; }

std::string Joined(const Findings& f) {
    std::string s;
    for (const std::string& line : f) s += "\n  " + line;
    return s;
}

std::vector<int32_t> ListedStages() {
    std::vector<int32_t> stages;
    for (int32_t s = 1; s <= 50; ++s)
        if (StageObjectsFor(s).count > 0) stages.push_back(s);
    return stages;
}

// The index of the first entry of a class in a list.
size_t FirstOf(const StageList& list, C cls) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].cls == cls) return i;
    ADD_FAILURE() << NameOf(cls) << " is not in the list";
    return 0;
}

TEST(Registry, HoldsEveryClassOnceWithItsArray) {
    ASSERT_EQ(kObjectClassCount, 164);
    std::set<std::string> names;
    for (const ObjectClassInfo& info : kObjectClasses) {
        EXPECT_TRUE(names.insert(info.name).second) << info.name;
        EXPECT_GE(info.size, 1) << info.name;
        EXPECT_LE(info.size, 20) << info.name;
        EXPECT_LE(info.arity, kMaxObjectArgs) << info.name;
        EXPECT_LT(info.deadArg, std::max(info.arity, 1)) << info.name;
    }
}

TEST(Registry, RowsMatchTheClassConstructors) {
    ASSERT_EQ(std::size(kRegistryRows), static_cast<size_t>(kObjectClassCount));
    std::map<std::string, const RegistryRow*> rows;
    for (const RegistryRow& r : kRegistryRows) rows[r.name] = &r;
    for (const ObjectClassInfo& info : kObjectClasses) {
        const auto r = rows.find(info.name);
        ASSERT_NE(r, rows.end()) << info.name;
        EXPECT_EQ(info.size, r->second->size) << info.name;
        EXPECT_EQ(info.arity, r->second->arity) << info.name;
        EXPECT_EQ(info.deadArg, r->second->deadArg) << info.name;
    }
}

TEST(Registry, NotYetBuiltClassesAreExactlyTheListed) {
    std::set<std::string> pending;
    for (const ObjectClassInfo& info : kObjectClasses)
        if (!info.built) pending.insert(info.name);
    EXPECT_EQ(pending, kNotYetBuilt);
}

TEST(Registry, EveryStageCompositionFitsTheArrays) {
    for (int32_t stage = 1; stage <= 50; ++stage) {
        EXPECT_GT(CompositionCount(stage), 0) << "stage " << stage;
        std::map<C, int32_t> total;
        for (const auto& [cls, n] : CompositionRuns(stage)) total[cls] += n;
        for (const auto& [cls, n] : total) EXPECT_LE(n, InfoOf(cls).size) << NameOf(cls) << " on stage " << stage;
    }
}

class StageLists : public GameTest {};

TEST_F(StageLists, StagesOneFortyTwoAndFortyNineAreLaidOut) {
    EXPECT_EQ(StageObjectsFor(1).count, 22);
    EXPECT_EQ(StageObjectsFor(42).count, 14);
    EXPECT_EQ(StageObjectsFor(49).count, 12);
    EXPECT_EQ(StageObjectsFor(0).count, 0);
    EXPECT_EQ(StageObjectsFor(51).count, 0);
}

TEST_F(StageLists, EveryStageHasItsWholeList) {
    for (int32_t stage = 1; stage <= 50; ++stage)
        EXPECT_EQ(StageObjectsFor(stage).count, CompositionCount(stage)) << "stage " << stage;
}

TEST_F(StageLists, ClassesAndCountsFollowTheComposition) {
    for (const int32_t stage : ListedStages()) {
        const Findings f = CheckComposition(stage, ListCopy(stage));
        EXPECT_TRUE(f.empty()) << Joined(f);
    }
}

TEST_F(StageLists, SlotsRunFromZeroWithoutGapsAndArgumentsMatch) {
    for (const int32_t stage : ListedStages()) {
        const Findings f = CheckSlots(stage, ListCopy(stage));
        EXPECT_TRUE(f.empty()) << Joined(f);
    }
}

TEST_F(StageLists, IdleEntriesArePlacedDeadAndOwnersPoolsLieInIdleSlots) {
    for (const int32_t stage : ListedStages()) {
        const StageList list = ListCopy(stage);
        Findings f = CheckIdle(stage, list);
        const Findings pools = CheckPools(stage, list);
        f.insert(f.end(), pools.begin(), pools.end());
        EXPECT_TRUE(f.empty()) << Joined(f);
        // Placing the stage really leaves the idle slots of built classes dead.
        g_stageNumber = stage;
        g_stage.PlaceObjects();
        for (const StageObject& o : list) {
            const int32_t d = InfoOf(o.cls).deadArg;
            if (d < 0 || o.args[d] != 1) continue;
            int32_t dead = 0, x = 0, y = 0;
            ASSERT_TRUE(ReadObject(o.cls, o.slot, &dead, &x, &y));
            if (InfoOf(o.cls).built) {
                EXPECT_EQ(dead, 1) << NameOf(o.cls) << " " << o.slot << " on stage " << stage;
            }
        }
    }
}

TEST_F(StageLists, WalkersStandOnTheirStagesFloor) {
    for (const int32_t stage : ListedStages()) {
        const Findings f = CheckFooting(stage, ListCopy(stage));
        EXPECT_TRUE(f.empty()) << Joined(f);
    }
}

TEST_F(StageLists, EverythingLiesInsideTheStageAndTheScreenAndClearOfTheStart) {
    for (const int32_t stage : ListedStages()) {
        const StageList list = ListCopy(stage);
        Findings f = CheckInsideStage(stage, list);
        for (const Findings& more : {CheckClearStart(stage, list), CheckInTheAir(stage, list)})
            f.insert(f.end(), more.begin(), more.end());
        EXPECT_TRUE(f.empty()) << Joined(f);
    }
}

// Lists broken on purpose: each fails its own rule, and only that one.
class BrokenLists : public ::testing::Test {
protected:
    void ExpectOnly(Findings (*rule)(int32_t, const StageList&), int32_t stage, const StageList& broken) {
        ASSERT_TRUE(CheckAll(stage, ListCopy(stage)).empty()) << "stage " << stage << " is broken already";
        const Findings caught = rule(stage, broken);
        EXPECT_FALSE(caught.empty()) << "the rule misses the break";
        EXPECT_EQ(CheckAll(stage, broken).size(), caught.size()) << Joined(CheckAll(stage, broken));
    }
};

TEST_F(BrokenLists, TwoClassesSwappedBreakTheComposition) {
    StageList list = ListCopy(3);
    const size_t merman = FirstOf(list, C::EnemyMerman);
    std::swap(list[merman], list[merman + 1]);  // the ghost before the merman
    ExpectOnly(CheckComposition, 3, list);
}

TEST_F(BrokenLists, ADroppedEntryBreaksTheComposition) {
    StageList list = ListCopy(4);
    list.erase(list.begin() + static_cast<long>(FirstOf(list, C::EnemyGool)) + 2);  // the last frog
    ExpectOnly(CheckComposition, 4, list);
}

TEST_F(BrokenLists, AnOwnerReachingPastItsPoolBreaksThePools) {
    StageList list = ListCopy(2);
    list[FirstOf(list, C::EnemyHonebasira) + 2].args[2] = 7;  // flames 7 to 9 of 9
    ExpectOnly(CheckPools, 2, list);
}

TEST_F(BrokenLists, TwoOwnersSharingSlotsBreakThePools) {
    StageList list = ListCopy(14);
    list[FirstOf(list, C::EnemySkeleton) + 1].args[5] = 3;  // bones 3 to 7, over the first's
    ExpectOnly(CheckPools, 14, list);
}

TEST_F(BrokenLists, AGiantBatDroppingFromAnUnplacedSlotBreaksThePools) {
    StageList list = ListCopy(26);
    list[FirstOf(list, C::EnemyMBat) + 1].args[5] = 1;  // the stage places one flea slot only
    ExpectOnly(CheckPools, 26, list);
}

TEST_F(BrokenLists, AWalkerLiftedOffTheFloorBreaksTheFooting) {
    StageList list = ListCopy(3);
    list[FirstOf(list, C::EnemySkeletonSoldier)].args[1] -= 10;
    ExpectOnly(CheckFooting, 3, list);
}

TEST_F(BrokenLists, APatrolPastItsGroundBreaksTheFooting) {
    StageList list = ListCopy(2);
    list[FirstOf(list, C::EnemySkeletonSoldier)].args[4] = 1300;  // over the pit at 1280
    ExpectOnly(CheckFooting, 2, list);
}

TEST_F(BrokenLists, AnApeWalkingOffItsSummitBreaksTheFooting) {
    StageList list = ListCopy(16);
    list[FirstOf(list, C::EnemyEipu)].args[3] = 700;  // down the steps
    ExpectOnly(CheckFooting, 16, list);
}

TEST_F(BrokenLists, AFoeAtTheStartOrPastTheEndIsCaught) {
    StageList list = ListCopy(6);
    list[FirstOf(list, C::EnemyCrow)].args[0] = 200;
    ExpectOnly(CheckClearStart, 6, list);
    list = ListCopy(6);
    list[FirstOf(list, C::EnemyCrow)].args[0] = 3900;
    ExpectOnly(CheckInsideStage, 6, list);
}

TEST_F(BrokenLists, AFlierBelowTheScreenIsCaught) {
    StageList list = ListCopy(13);
    list[FirstOf(list, C::EnemyBat) + 2].args[1] = 500;
    ExpectOnly(CheckInTheAir, 13, list);
}

TEST_F(BrokenLists, ALivePoolSlotAndAWrongArityAreCaught) {
    StageList list = ListCopy(7);
    list[FirstOf(list, C::EnemyToad)].args[0] = 2000;
    list[FirstOf(list, C::EnemyToad)].args[3] = 0;
    ExpectOnly(CheckIdle, 7, list);
    list = ListCopy(7);
    list[FirstOf(list, C::EnemyHiru)].argc = 2;
    ExpectOnly(CheckSlots, 7, list);
}

}  // namespace
