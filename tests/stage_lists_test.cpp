// The class registry and every stage object list that exists, checked
// against the stage composition: class order and counts, slots, arity, idle
// slots, owners' pools and where the walkers stand.
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "enemies/model/registry.h"
#include "engine/game_state.h"
#include "game_test.h"
#include "stages/stage.h"
#include "stages/stage_floor.h"
#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

struct ClassRun {
    C cls;
    int32_t count;
};
struct Composition {
    int32_t stage;
    std::vector<ClassRun> runs;
};

// Each stage's classes with their instance counts, in list order.
const std::vector<Composition> kComposition = {
    {1, {{C::EnemyRed, 2}, {C::EnemyGool, 3}, {C::EnemySkeletonSoldier, 4}, {C::EnemyGhost, 5},
        {C::EnemyZombie, 2}, {C::EnemyMedyusaHead, 1}, {C::EnemyUne, 5}}},
    {2, {{C::EnemyWasi, 4}, {C::EnemyHonebasira, 3}, {C::EnemyTobuHonoo, 9}, {C::EnemyIhuriito, 3},
        {C::EnemyMoeruhonoo, 15}, {C::EnemySkeletonSoldier, 3}}},
    {3, {{C::EnemyRed, 2}, {C::EnemySkeletonSoldier, 2}, {C::EnemyMerman, 1}, {C::EnemyGhost, 1},
        {C::EnemyMedyusaHead, 1}, {C::EnemyUne, 1}}},
    {4, {{C::EnemyKonbou, 3}, {C::EnemyDouzou, 3}, {C::EnemyUma, 3}, {C::EnemyWasi, 4}, {C::EnemyRed, 1},
        {C::EnemyZombie, 2}, {C::EnemyGool, 3}}},
    {5, {{C::EnemyCrow, 6}, {C::EnemyBokusi, 2}, {C::EnemyZombie, 2}, {C::EnemyWasi, 4},
        {C::EnemySkeletonSoldier, 2}, {C::EnemySukaru2, 2}}},
    {6, {{C::EnemyFrog, 6}, {C::EnemyMerman, 1}, {C::EnemyMedyusaHead, 2}, {C::EnemyCrow, 3}}},
    {7, {{C::EnemyHiru, 3}, {C::EnemyToad, 1}, {C::EnemyFrog, 6}, {C::EnemyHonebasira, 1},
        {C::EnemyTobuHonoo, 3}, {C::EnemyUne, 5}, {C::EnemyRed, 1}}},
    {8, {{C::EnemySan, 2}, {C::EnemyHonebasira, 2}, {C::EnemyTobuHonoo, 6}, {C::EnemyGouremu, 3},
        {C::EnemyIhuriito, 3}, {C::EnemyMoeruhonoo, 15}, {C::EnemyUne, 5}, {C::EnemyMedyusaHead, 1},
        {C::EnemyUma, 1}, {C::EnemyZombie, 2}}},
    {9, {{C::EnemyTi, 3}, {C::EnemySkeleton, 3}, {C::EnemyHone, 15}, {C::EnemyRed, 1}, {C::EnemyCrow, 3},
        {C::EnemyZombie, 2}, {C::EnemyGhost, 3}, {C::EnemySkeletonSoldier, 2}}},
    {10, {{C::EnemyHariLift, 4}, {C::EnemyJyouhansin, 3}, {C::EnemySkeletonSoldier, 2}, {C::EnemyRed, 2},
        {C::EnemySemusi, 3}, {C::EnemyGhost, 1}, {C::EnemyHonebasira, 1}, {C::EnemyTobuHonoo, 3},
        {C::EnemyGouremu, 1}}},
    {11, {{C::EnemySLarge, 3}, {C::EnemyHariLift, 8}, {C::EnemyMedyusaHead, 2}}},
    {12, {{C::EnemyOgideran, 2}, {C::EnemySkeleton, 1}, {C::EnemyHone, 5}, {C::EnemyDouzou, 1},
        {C::EnemyUma, 1}, {C::EnemyWasi, 2}, {C::EnemyCrow, 2}, {C::EnemySkeletonSoldier, 2},
        {C::EnemyFrog, 2}, {C::EnemyToad, 1}, {C::EnemyHonebasira, 1}, {C::EnemyTobuHonoo, 3},
        {C::EnemyUne, 2}, {C::EnemyGouremu, 1}, {C::EnemyIhuriito, 1}, {C::EnemyMoeruhonoo, 5},
        {C::EnemySLarge, 1}, {C::EnemyGhost, 1}}},
    {13, {{C::EnemyBat, 5}, {C::EnemySkeletonSoldier, 2}, {C::EnemyCrow, 2}, {C::EnemySkeleton, 1},
        {C::EnemyHone, 5}, {C::EnemyMedyusaHead, 1}, {C::EnemyHariLift, 1}, {C::EnemyToad, 1},
        {C::EnemySLarge, 1}}},
    {14, {{C::EnemySyanderia, 5}, {C::EnemyHariLift, 4}, {C::EnemySkeletonSoldier, 2}, {C::EnemyMerman, 1},
        {C::EnemyBokusi, 2}, {C::EnemySemusi, 4}, {C::EnemyZombie, 2}, {C::EnemyGhost, 2}, {C::EnemyUne, 1},
        {C::EnemySkeleton, 3}, {C::EnemyHone, 15}, {C::EnemySLarge, 1}, {C::EnemyKonbou, 1},
        {C::EnemyBat, 5}, {C::EnemyCrow, 2}}},
    {15, {{C::EnemyLeaf, 5}, {C::EnemyHana, 3}, {C::EnemyTobuHonoo, 3}, {C::EnemySemusi, 3},
        {C::EnemyOgideran, 2}, {C::EnemySkeleton, 1}, {C::EnemyHone, 5}, {C::EnemyDouzou, 1},
        {C::EnemyFrog, 2}, {C::EnemyUne, 5}}},
    {16, {{C::EnemyFukurou, 4}, {C::EnemyKonbou, 1}, {C::EnemySukaru, 4}, {C::EnemyEipu, 3},
        {C::EnemyTaru, 3}, {C::EnemyOgideran, 1}, {C::EnemyCrow, 2}, {C::EnemyBat, 5}, {C::EnemyWasi, 1}}},
    {17, {{C::EnemyWar, 5}, {C::EnemyHyou, 3}, {C::EnemyPorutaa, 3}, {C::EnemyEipu, 1}, {C::EnemyTaru, 1},
        {C::EnemySukaru, 2}, {C::EnemySkeleton, 1}, {C::EnemyHone, 5}, {C::EnemySemusi, 1},
        {C::EnemySLarge, 1}, {C::EnemyZombie, 2}, {C::EnemySyanderia, 2}, {C::EnemyHonebasira, 1},
        {C::EnemyTobuHonoo, 3}, {C::EnemyGhost, 2}}},
    {18, {{C::EnemyRed, 1}, {C::EnemyGHand, 4}, {C::EnemyGargoile, 3}, {C::EnemyHonebasira, 1},
        {C::EnemyTobuHonoo, 6}, {C::EnemyDouzou, 2}, {C::EnemyGhost, 1}, {C::EnemySkeleton, 1},
        {C::EnemyHone, 5}, {C::EnemySukaru, 1}, {C::EnemyBat, 2}, {C::EnemyCrow, 2}, {C::EnemyOgideran, 1},
        {C::EnemyEipu, 1}, {C::EnemyTaru, 1}}},
    {19, {{C::EnemyHariLift, 8}, {C::EnemyFuriko, 1}, {C::EnemyArmor, 2}, {C::EnemyRed, 1},
        {C::EnemySkeletonSoldier, 2}, {C::EnemyMedyusaHead, 1}, {C::EnemyGhost, 1}, {C::EnemySemusi, 3},
        {C::EnemyFuriko, 2}, {C::EnemyUne, 1}, {C::EnemySkeleton, 1}, {C::EnemyHone, 5},
        {C::EnemySukaru, 1}}},
    {20, {{C::EnemySpider, 3}, {C::EnemyMSpider, 3}, {C::EnemySemusi, 1}, {C::EnemyArmor, 1},
        {C::EnemySkeletonSoldier, 1}, {C::EnemyUne, 5}, {C::EnemyJyouhansin, 1}, {C::EnemyUma, 1},
        {C::EnemyWasi, 2}, {C::EnemyCrow, 2}, {C::EnemyFrog, 2}, {C::EnemyHana, 1}, {C::EnemyTobuHonoo, 1},
        {C::EnemyFukurou, 4}, {C::EnemySukaru, 4}, {C::EnemyHyou, 1}}},
    {21, {{C::EnemyTi, 5}, {C::EnemyDyurahan, 2}, {C::EnemyRed, 1}, {C::EnemySkeletonSoldier, 1},
        {C::EnemySemusi, 3}, {C::EnemyZombie, 2}, {C::EnemySukaru, 4}, {C::EnemySkeleton, 2},
        {C::EnemyHone, 10}, {C::EnemyGhost, 2}, {C::EnemySukaru2, 2}}},
    {22, {{C::EnemyTurn, 3}, {C::EnemyYuurei, 3}, {C::EnemyDancer, 6}, {C::EnemySkeletonSoldier, 2},
        {C::EnemyGHand, 2}, {C::EnemyPorutaa, 1}, {C::EnemyHyou, 1}, {C::EnemyWar, 2},
        {C::EnemyMedyusaHead, 1}, {C::EnemyBokusi, 2}}},
    {23, {{C::EnemySuraimu, 4}, {C::EnemyAxArmor, 3}, {C::EnemyAx, 9}, {C::EnemySyanderia, 4},
        {C::EnemySemusi, 1}, {C::EnemyDyurahan, 2}, {C::EnemyMerman, 1}, {C::EnemySukaru, 2},
        {C::EnemyHyou, 1}, {C::EnemyArmor, 1}, {C::EnemySpider, 3}, {C::EnemyMSpider, 3}, {C::EnemyBat, 5},
        {C::EnemyPorutaa, 2}, {C::EnemyGargoile, 2}, {C::EnemyTobuHonoo, 2}, {C::EnemySLarge, 1},
        {C::EnemyTurn, 1}, {C::EnemyYuurei, 1}, {C::EnemyDancer, 2}}},
    {24, {{C::EnemyNomi, 6}, {C::EnemyFDog, 3}, {C::EnemyAxArmor, 1}, {C::EnemyAx, 3}, {C::EnemyGhost, 2},
        {C::EnemySkeleton, 2}, {C::EnemyHone, 10}, {C::EnemySukaru, 2}, {C::EnemySemusi, 3},
        {C::EnemySkeletonSoldier, 1}, {C::EnemyEipu, 1}, {C::EnemyTaru, 1}, {C::EnemyTurn, 1},
        {C::EnemyHana, 1}, {C::EnemyTobuHonoo, 1}, {C::EnemyDouzou, 1}, {C::EnemyYuurei, 1},
        {C::EnemyDancer, 1}, {C::EnemyZombie, 2}}},
    {25, {{C::EnemyFish, 1}, {C::EnemyWGhost, 1}, {C::EnemyMerman, 1}, {C::EnemyToad, 1}, {C::EnemyFrog, 3},
        {C::EnemyHiru, 1}}},
    {26, {{C::EnemyMadhand, 3}, {C::EnemyBalloon, 1}, {C::EnemyHousi, 4}, {C::EnemyMBat, 2},
        {C::EnemySemusi, 1}, {C::EnemyNomi, 1}, {C::EnemySpider, 1}, {C::EnemyMSpider, 1},
        {C::EnemyFukurou, 1}, {C::EnemyUne, 5}, {C::EnemyLeaf, 2}, {C::EnemyHana, 1},
        {C::EnemyTobuHonoo, 1}}},
    {27, {{C::EnemyKanoke, 4}, {C::EnemyGureibu, 4}, {C::EnemySNight, 2}, {C::EnemyRedWhip, 1},
        {C::EnemyDyurahan, 1}, {C::EnemySukaru, 1}, {C::EnemySkeleton, 2}, {C::EnemyHone, 10},
        {C::EnemyGhost, 1}, {C::EnemyRed, 1}, {C::EnemySkeletonSoldier, 1}, {C::EnemyZombie, 2},
        {C::EnemyEipu, 1}, {C::EnemyTaru, 1}}},
    {28, {{C::EnemySunegusu, 4}, {C::EnemyMadman, 2}, {C::EnemyRedAxArmor, 2}, {C::EnemySkeleton, 2},
        {C::EnemyHone, 10}, {C::EnemyHonebasira, 1}, {C::EnemyTobuHonoo, 3}, {C::EnemySLarge, 1},
        {C::EnemyGHand, 2}, {C::EnemySukaru, 2}, {C::EnemyAxArmor, 1}, {C::EnemyAx, 3}, {C::EnemyBat, 5},
        {C::EnemySuraimu, 1}}},
    {29, {{C::EnemyMedama, 2}, {C::EnemyOtiruHonoo, 2}, {C::EnemyWarSukaru, 2}, {C::EnemyWarSkeleton, 2},
        {C::EnemyHone, 20}, {C::EnemyRedWhip, 1}, {C::EnemyRed, 1}, {C::EnemyUma, 1}, {C::EnemyBalloon, 1},
        {C::EnemyHousi, 4}, {C::EnemySpider, 1}, {C::EnemyMSpider, 1}, {C::EnemySan, 2}, {C::EnemyCrow, 1}}},
    {30, {{C::EnemyPping, 2}, {C::EnemyHebi, 5}, {C::EnemyGejigeji, 4}, {C::EnemyFish, 1},
        {C::EnemyWGhost, 1}, {C::EnemyEipu, 1}, {C::EnemyTaru, 1}, {C::EnemyWarSkeleton, 1},
        {C::EnemyHone, 10}, {C::EnemyMedama, 1}, {C::EnemyOtiruHonoo, 1}, {C::EnemyOgideran, 1},
        {C::EnemyHana, 1}, {C::EnemyTobuHonoo, 1}, {C::EnemySkeletonSoldier, 2}, {C::EnemyGargoile, 1},
        {C::EnemySukaru, 1}, {C::EnemyMerman, 1}}},
    {31, {{C::EnemyBara, 4}, {C::EnemyKahun, 20}, {C::EnemyBokujin, 3}, {C::EnemyHaru, 3},
        {C::EnemyHana, 1}, {C::EnemyTobuHonoo, 1}, {C::EnemyOgideran, 1}, {C::EnemyUne, 5},
        {C::EnemyWasi, 2}, {C::EnemyLeaf, 3}, {C::EnemyFrog, 2}, {C::EnemySpider, 3}, {C::EnemyMSpider, 3},
        {C::EnemyFukurou, 2}, {C::EnemySunegusu, 2}, {C::EnemyMadhand, 3}, {C::EnemyBalloon, 1},
        {C::EnemyHousi, 4}, {C::EnemyWar, 2}, {C::EnemyHyou, 2}, {C::EnemyFDog, 2}}},
    {32, {{C::EnemyFyenriru, 1}, {C::EnemyOtiruBlock, 5}, {C::EnemyArcher, 2}, {C::EnemyYa, 10},
        {C::EnemyGhost, 1}, {C::EnemyIhuriito, 1}, {C::EnemyMoeruhonoo, 5}, {C::EnemyPorutaa, 3},
        {C::EnemySNight, 2}, {C::EnemyAxArmor, 1}, {C::EnemyAx, 3}, {C::EnemyGHand, 1}, {C::EnemySukaru, 1},
        {C::EnemyRedAxArmor, 1}, {C::EnemyWarSukaru, 1}, {C::EnemyPping, 2}, {C::EnemyFDog, 1},
        {C::EnemySyanderia, 4}, {C::EnemySuraimu, 3}, {C::EnemyNomi, 2}, {C::EnemyZombie, 2},
        {C::EnemyEipu, 1}, {C::EnemyTaru, 1}}},
    {33, {{C::EnemyJyuutan, 2}, {C::EnemyRouba, 4}, {C::EnemyJyuhouten, 7}, {C::EnemyTyinman, 2},
        {C::EnemyGhost, 1}, {C::EnemyUne, 5}, {C::EnemyDouzou, 3}, {C::EnemyHana, 1}, {C::EnemyGargoile, 2},
        {C::EnemyTobuHonoo, 3}, {C::EnemySukaru, 2}, {C::EnemyAxArmor, 1}, {C::EnemyAx, 3},
        {C::EnemyPping, 2}, {C::EnemyMadman, 2}, {C::EnemySunegusu, 1}}},
    {34, {{C::EnemyBArmor, 1}, {C::EnemyBarukan, 5}, {C::EnemyHunmer, 1}, {C::EnemyHonebasira, 1},
        {C::EnemyTobuHonoo, 3}, {C::EnemySemusi, 2}, {C::EnemyWar, 3}, {C::EnemyArmor, 1},
        {C::EnemyAxArmor, 2}, {C::EnemyAx, 6}, {C::EnemyNomi, 2}, {C::EnemyHaru, 2},
        {C::EnemyWarSkeleton, 1}, {C::EnemyHone, 10}, {C::EnemyFuriko, 3}, {C::EnemyHariLift, 4},
        {C::EnemyCrow, 2}, {C::EnemySLarge, 1}, {C::EnemyTyinman, 2}, {C::EnemyArcher, 1}, {C::EnemyYa, 5},
        {C::EnemyRedAxArmor, 1}}},
    {35, {{C::EnemyTi, 7}, {C::EnemyHuran, 7}, {C::EnemySukaru2, 2}, {C::EnemyWil, 4},
        {C::EnemyFireSkeleton, 3}, {C::EnemyBGaikotu, 1}, {C::EnemyOtiruBlock, 5}, {C::EnemyHonebasira, 1},
        {C::EnemyTobuHonoo, 6}, {C::EnemyGhost, 2}, {C::EnemySkeletonSoldier, 2}, {C::EnemySkeleton, 2},
        {C::EnemyWarSkeleton, 1}, {C::EnemyHone, 20}, {C::EnemyEipu, 1}, {C::EnemyTaru, 1},
        {C::EnemySukaru, 3}, {C::EnemySNight, 2}, {C::EnemyDyurahan, 1}, {C::EnemyCrow, 1}}},
    {36, {{C::EnemyOskerinF, 1}, {C::EnemyDugalF, 1}, {C::EnemyTanken, 3}, {C::EnemyNerysF, 1},
        {C::EnemyLightning, 3}, {C::EnemyHunmer, 1}, {C::EnemyArcher, 2}, {C::EnemyYa, 10},
        {C::EnemySNight, 2}, {C::EnemyAxArmor, 1}, {C::EnemyAx, 3}, {C::EnemyDyurahan, 2},
        {C::EnemyArmor, 1}, {C::EnemyEipu, 3}, {C::EnemyTaru, 3}, {C::EnemySkeletonSoldier, 2},
        {C::EnemyFyenriru, 1}, {C::EnemyOtiruBlock, 5}, {C::EnemySukaru2, 2}}},
    {37, {{C::EnemySpecter, 10}, {C::EnemyArumajiro, 3}, {C::EnemyWhiteDHontai, 3},
        {C::EnemyWhiteDHonoo, 3}, {C::EnemySaramanda, 2}, {C::EnemyTobuHonoo, 2}, {C::EnemyKanoke, 2},
        {C::EnemyUne, 3}, {C::EnemyIhuriito, 1}, {C::EnemyMoeruhonoo, 5}, {C::EnemySan, 2},
        {C::EnemyGouremu, 1}, {C::EnemySpider, 3}, {C::EnemyMSpider, 3}, {C::EnemyFDog, 2},
        {C::EnemySunegusu, 2}, {C::EnemyRedAxArmor, 1}}},
    {38, {{C::EnemyKumo, 3}, {C::EnemyNoroi, 3}, {C::EnemyFlyingS, 1}, {C::EnemyCrow, 3},
        {C::EnemyBokusi, 2}, {C::EnemyTurn, 2}, {C::EnemyYuurei, 3}, {C::EnemyDancer, 4},
        {C::EnemyArcher, 1}, {C::EnemyYa, 5}, {C::EnemyHyou, 2}, {C::EnemyAxArmor, 2}, {C::EnemyAx, 6}}},
    {39, {{C::EnemyYukaYari, 10}, {C::EnemyIdouYari, 10}, {C::EnemyIdouYariV, 8}, {C::EnemyHariLift, 8}}},
    {40, {{C::EnemyDZombie, 1}, {C::EnemyEkuto, 3}, {C::EnemyRed, 1}, {C::EnemyWasi, 2}, {C::EnemyCrow, 2},
        {C::EnemySkeleton, 2}, {C::EnemyHone, 10}, {C::EnemyOgideran, 1}, {C::EnemyEipu, 2},
        {C::EnemyTaru, 2}, {C::EnemyFukurou, 2}, {C::EnemyGHand, 2}, {C::EnemyRedWhip, 1},
        {C::EnemyHaru, 2}, {C::EnemyAxArmor, 1}, {C::EnemyAx, 3}}},
    {41, {{C::EnemyGia, 3}, {C::EnemyVicto, 3}, {C::EnemyAra, 3}, {C::EnemyFireSkeleton, 3},
        {C::EnemyTobuHonoo, 3}, {C::EnemyArmor, 1}, {C::EnemySNight, 2}, {C::EnemyFuriko, 3},
        {C::EnemySkeleton, 2}, {C::EnemyHone, 10}, {C::EnemyAxArmor, 1}, {C::EnemyAx, 3},
        {C::EnemyWhiteDHontai, 1}, {C::EnemyWhiteDHonoo, 1}, {C::EnemySukaru, 3}, {C::EnemyRedAxArmor, 1},
        {C::EnemyNomi, 4}, {C::EnemyHaru, 2}, {C::EnemyKumo, 3}, {C::EnemyIdouYariV, 4}}},
    {42, {{C::BossWWolf, 1}, {C::EnemyFireB, 1}, {C::BossMino, 1}, {C::EnemyTuti, 10}, {C::MaryokuOrb, 1}}},
    {43, {{C::BossGBat, 1}, {C::EnemyBat, 5}, {C::BossBMedyusa, 1}, {C::EnemyMedyusaHead, 3},
        {C::BossMiira, 1}, {C::EnemyGanseki, 2}, {C::EnemyHoutai, 5}, {C::BossHuranken, 1},
        {C::EnemyOtiruBlock, 6}, {C::EnemySemusi, 9}, {C::BossQuorth, 1}, {C::EnemyTama, 5},
        {C::MaryokuOrb, 1}}},
    {44, {{C::BossBeri1, 1}, {C::EnemyBeriFire, 3}, {C::BossBeri2, 1}, {C::BossGyai1, 1},
        {C::EnemyGyaiGanseki, 10}, {C::EnemyGyaiFire1, 4}, {C::BossGyai2, 1}, {C::EnemyGyaiFire2, 8},
        {C::BossDeath1, 1}, {C::EnemyKama, 10}, {C::BossDeath2, 1}, {C::MaryokuOrb, 1}}},
    {45, {{C::EnemyDaibourei, 3}, {C::EnemyFSukaru, 6}, {C::EnemySpecter, 9}, {C::EnemyWil, 4},
        {C::EnemyRedWhip, 1}, {C::EnemyAxArmor, 3}, {C::EnemyAx, 9}, {C::EnemySukaru, 4},
        {C::EnemySkeletonSoldier, 3}, {C::EnemyCrow, 2}, {C::EnemyRed, 1}, {C::EnemyGHand, 4},
        {C::EnemyHonebasira, 1}, {C::EnemyTobuHonoo, 3}}},
    {46, {{C::EnemyDisk, 1}, {C::EnemySukea, 4}, {C::EnemyWasi, 4}, {C::EnemySLarge, 1},
        {C::EnemyFukurou, 4}, {C::EnemyEipu, 3}, {C::EnemyTaru, 3}, {C::EnemyRedWhip, 1},
        {C::EnemyPping, 2}, {C::EnemyVicto, 3}, {C::EnemyAra, 3}, {C::EnemyHebi, 3}, {C::EnemySkeleton, 3},
        {C::EnemyHone, 15}}},
    {47, {{C::EnemyUpFire, 3}, {C::EnemyFSukaru, 3}, {C::EnemyIdouYari, 6}, {C::EnemyKumo, 3},
        {C::EnemyNoroi, 3}, {C::EnemyArcher, 1}, {C::EnemyYa, 10}, {C::EnemyRedAxArmor, 2},
        {C::EnemySunegusu, 2}, {C::EnemyGureibu, 3}, {C::EnemyAxArmor, 2}, {C::EnemyAx, 6},
        {C::EnemySukaru, 2}, {C::EnemySukaru2, 2}, {C::EnemySpider, 3}, {C::EnemyMSpider, 3},
        {C::EnemyHariLift, 4}, {C::EnemyGouremu, 2}, {C::EnemyCrow, 2}, {C::EnemyIhuriito, 1},
        {C::EnemyMoeruhonoo, 5}, {C::EnemyGhost, 2}}},
    {48, {{C::EnemySBeamer, 2}, {C::EnemyUma, 3}, {C::EnemySemusi, 3}, {C::EnemySLarge, 2},
        {C::EnemyDancer, 3}, {C::EnemyNomi, 3}, {C::EnemyDyurahan, 2}, {C::EnemyPping, 1},
        {C::EnemyFyenriru, 1}, {C::EnemyOtiruBlock, 5}, {C::EnemyRouba, 4}, {C::EnemyFireSkeleton, 3},
        {C::EnemySaramanda, 2}, {C::EnemyHana, 1}, {C::EnemyTobuHonoo, 6}, {C::EnemySpecter, 4},
        {C::EnemyIdouYariV, 4}, {C::EnemySukea, 1}, {C::EnemySkeletonSoldier, 4}, {C::EnemyHyou, 3},
        {C::EnemySpider, 3}, {C::EnemyMSpider, 3}, {C::EnemySukaru2, 2}, {C::EnemySunegusu, 2},
        {C::EnemyKumo, 3}, {C::EnemyUne, 2}, {C::EnemyNoroi, 2}, {C::EnemyRedAxArmor, 1}}},
    {49, {{C::BossMorvane1, 1}, {C::EnemyUpFireM, 1}, {C::BossMorvane2, 1}, {C::EnemyHellFire, 3},
        {C::EnemyKokuen, 2}, {C::BossMorvane3, 1}, {C::EnemyStnFire, 2}, {C::MaryokuOrb, 1}}},
    {50, {{C::EnemySauji, 10}, {C::EnemyRingo, 10}, {C::EnemyZonbi, 2}, {C::EnemyShellok, 5},
        {C::EnemyTori, 1}, {C::EnemyKoumori, 5}, {C::EnemyKyonsi, 6}, {C::EnemyKaminarisama, 2},
        {C::EnemyKaminari, 10}}},
};

// Classes not built yet. Remove a class from here when it lands; the list
// must end empty.
const std::set<std::string> kNotYetBuilt = {
    "BossBMedyusa", "BossBeri1", "BossBeri2", "BossDeath1", "BossDeath2", "BossGBat", "BossGyai1",
    "BossGyai2", "BossHuranken", "BossMiira", "BossMino", "BossQuorth", "BossWWolf", "EnemyAra", "EnemyArcher", "EnemyArumajiro", "EnemyAx", "EnemyAxArmor",
    "EnemyBArmor", "EnemyBGaikotu", "EnemyBalloon", "EnemyBara", "EnemyBarukan", "EnemyBat",
    "EnemyBeriFire", "EnemyBokujin", "EnemyCrow", "EnemyDZombie", "EnemyDaibourei", "EnemyDancer",
    "EnemyDisk", "EnemyDouzou", "EnemyDugalF", "EnemyEipu", "EnemyEkuto", "EnemyFDog", "EnemyFSukaru",
    "EnemyFireB", "EnemyFireSkeleton", "EnemyFish", "EnemyFlyingS", "EnemyFrog", "EnemyFukurou",
    "EnemyFuriko", "EnemyFyenriru", "EnemyGHand", "EnemyGanseki", "EnemyGargoile", "EnemyGejigeji",
    "EnemyGia", "EnemyGureibu", "EnemyGyaiFire1", "EnemyGyaiFire2", "EnemyGyaiGanseki", "EnemyHana",
    "EnemyHariLift", "EnemyHaru", "EnemyHebi", "EnemyHiru", "EnemyHone", "EnemyHonebasira",
    "EnemyHousi", "EnemyHoutai", "EnemyHunmer", "EnemyHuran", "EnemyIdouYari", "EnemyIdouYariV",
    "EnemyIhuriito", "EnemyJyuhouten", "EnemyJyuutan", "EnemyKahun", "EnemyKama", "EnemyKaminari",
    "EnemyKaminarisama", "EnemyKanoke", "EnemyKoumori", "EnemyKumo", "EnemyKyonsi",
    "EnemyLeaf", "EnemyLightning", "EnemyMBat", "EnemyMSpider", "EnemyMadman", "EnemyMedama", "EnemyMerman",
    "EnemyMoeruhonoo", "EnemyNerysF", "EnemyNomi", "EnemyNoroi", "EnemyOgideran", "EnemyOskerinF",
    "EnemyOtiruBlock", "EnemyOtiruHonoo", "EnemyPorutaa", "EnemyPping", "EnemyRedAxArmor", "EnemyRedWhip",
    "EnemyRingo", "EnemyRouba", "EnemySBeamer", "EnemySNight", "EnemySan", "EnemySaramanda", "EnemySauji",
    "EnemySemusi", "EnemyShellok", "EnemySkeleton", "EnemySpecter", "EnemySpider",
    "EnemySukaru", "EnemySukaru2", "EnemySukea", "EnemySunegusu", "EnemySuraimu", "EnemySyanderia",
    "EnemyTama", "EnemyTanken", "EnemyTaru", "EnemyTi", "EnemyToad", "EnemyTobuHonoo", "EnemyTori",
    "EnemyTurn", "EnemyTuti", "EnemyTyinman", "EnemyUma", "EnemyUpFire", "EnemyVicto",
    "EnemyWGhost", "EnemyWar", "EnemyWarSkeleton", "EnemyWarSukaru", "EnemyWasi", "EnemyWhiteDHonoo",
    "EnemyWhiteDHontai", "EnemyWil", "EnemyYa", "EnemyYukaYari", "EnemyYuurei", "EnemyZonbi",
};

// Owners that write into another class's array from a slot base argument.
struct PoolOwner {
    C owner;
    int32_t baseArg;
    C pool;
    int32_t slots;
};
const PoolOwner kOwners[] = {
    {C::EnemyArcher, 3, C::EnemyYa, 5}, {C::EnemyAxArmor, 5, C::EnemyAx, 3},
    {C::EnemyBArmor, 3, C::EnemyBarukan, 5}, {C::EnemyBGaikotu, 3, C::EnemyOtiruBlock, 5},
    {C::EnemyBalloon, 4, C::EnemyHousi, 4}, {C::EnemyBara, 2, C::EnemyKahun, 5},
    {C::EnemyEipu, 4, C::EnemyTaru, 1}, {C::EnemyFireSkeleton, 3, C::EnemyTobuHonoo, 1},
    {C::EnemyFyenriru, 3, C::EnemyOtiruBlock, 5}, {C::EnemyGargoile, 3, C::EnemyTobuHonoo, 1},
    {C::EnemyHana, 3, C::EnemyTobuHonoo, 1}, {C::EnemyHonebasira, 2, C::EnemyTobuHonoo, 3},
    {C::EnemyIhuriito, 5, C::EnemyMoeruhonoo, 5}, {C::EnemyKaminarisama, 1, C::EnemyKaminari, 5},
    {C::EnemyMedama, 3, C::EnemyOtiruHonoo, 1}, {C::EnemySaramanda, 3, C::EnemyTobuHonoo, 1},
    {C::EnemySauji, 1, C::EnemyRingo, 1}, {C::EnemySkeleton, 5, C::EnemyHone, 5},
    {C::EnemySpider, 1, C::EnemyMSpider, 1}, {C::EnemyVicto, 3, C::EnemyAra, 1},
    {C::EnemyWarSkeleton, 3, C::EnemyHone, 10}, {C::EnemyWhiteDHontai, 2, C::EnemyWhiteDHonoo, 1},
};

// Self-reviving classes and pure pools: the stage only ever places them idle.
const std::set<C> kAlwaysIdle = {
    C::EnemyZombie, C::EnemyMerman, C::EnemyToad, C::EnemyFish, C::EnemyWGhost, C::EnemyBalloon, C::EnemyMBat,
    C::EnemyMedyusaHead, C::EnemyZonbi, C::EnemyTori, C::EnemyDZombie, C::EnemyFlyingS, C::EnemyMadman,
    C::EnemySukaru2, C::EnemyTobuHonoo, C::EnemyMoeruhonoo, C::EnemyHone, C::EnemyHousi, C::EnemyTaru,
    C::EnemyMSpider, C::EnemyAx, C::EnemyOtiruHonoo, C::EnemyKahun, C::EnemyYa, C::EnemyBarukan, C::EnemyTanken,
    C::EnemyLightning, C::EnemyWhiteDHonoo, C::EnemyAra, C::EnemyRingo, C::EnemyKaminari, C::EnemyFireB,
    C::EnemyTuti, C::EnemyGanseki, C::EnemyHoutai, C::EnemyTama, C::EnemyBeriFire, C::EnemyGyaiGanseki,
    C::EnemyGyaiFire1, C::EnemyGyaiFire2, C::EnemyKama, C::EnemyHellFire, C::EnemyKokuen, C::EnemyStnFire,
    C::EnemyUpFireM,
};

// Ground classes and their height from y to the ground they stand on (the
// landing probe of those that land, else the standing box).
const std::map<C, int32_t> kStandingHeight = {
    {C::EnemyArcher, 158}, {C::EnemyArmor, 60}, {C::EnemyArumajiro, 32}, {C::EnemyAxArmor, 92},
    {C::EnemyBArmor, 122}, {C::EnemyBGaikotu, 108}, {C::EnemyBokujin, 56}, {C::EnemyBokusi, 96},
    {C::EnemyDouzou, 149}, {C::EnemyDugalF, 60}, {C::EnemyDyurahan, 96}, {C::EnemyEipu, 120},
    {C::EnemyFDog, 48}, {C::EnemyFireSkeleton, 76}, {C::EnemyFrog, 16}, {C::EnemyFyenriru, 156},
    {C::EnemyGargoile, 61}, {C::EnemyGool, 48}, {C::EnemyGouremu, 94}, {C::EnemyGureibu, 86},
    {C::EnemyHana, 60}, {C::EnemyHebi, 51}, {C::EnemyHonebasira, 62}, {C::EnemyHunmer, 184},
    {C::EnemyHyou, 32}, {C::EnemyIdouYari, 64}, {C::EnemyIhuriito, 62}, {C::EnemyKanoke, 112},
    {C::EnemyLeaf, 107}, {C::EnemyMadhand, 42}, {C::EnemyNerysF, 60}, {C::EnemyNomi, 45},
    {C::EnemyNoroi, 30}, {C::EnemyOskerinF, 48}, {C::EnemyRed, 96}, {C::EnemyRedAxArmor, 128},
    {C::EnemyRedWhip, 62}, {C::EnemyRouba, 144}, {C::EnemySBeamer, 71}, {C::EnemySLarge, 30},
    {C::EnemySNight, 92}, {C::EnemySaramanda, 60}, {C::EnemySemusi, 30}, {C::EnemySkeleton, 90},
    {C::EnemySkeletonSoldier, 62}, {C::EnemySukea, 130}, {C::EnemyTyinman, 122}, {C::EnemyUne, 36},
    {C::EnemyVicto, 216}, {C::EnemyWar, 59}, {C::EnemyWarSkeleton, 98},
};

std::string NameOf(C c) { return InfoOf(c).name; }

bool IsIdle(const StageObject& o) {
    const int32_t d = InfoOf(o.cls).deadArg;
    return d >= 0 && d < o.argc && o.args[d] == 1;
}

std::vector<int32_t> ListedStages() {
    std::vector<int32_t> stages;
    for (int32_t s = 1; s <= 50; ++s)
        if (StageObjectsFor(s).count > 0) stages.push_back(s);
    return stages;
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

TEST(Registry, NotYetBuiltClassesAreExactlyTheListed) {
    std::set<std::string> pending;
    for (const ObjectClassInfo& info : kObjectClasses)
        if (!info.built) pending.insert(info.name);
    EXPECT_EQ(pending, kNotYetBuilt);
}

TEST(Registry, EveryStageCompositionFitsTheArrays) {
    ASSERT_EQ(kComposition.size(), 50u);
    for (const Composition& c : kComposition) {
        std::map<C, int32_t> total;
        for (const ClassRun& r : c.runs) total[r.cls] += r.count;
        for (const auto& [cls, n] : total) EXPECT_LE(n, InfoOf(cls).size) << NameOf(cls) << " on stage " << c.stage;
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

TEST_F(StageLists, ClassesAndCountsFollowTheComposition) {
    for (const int32_t stage : ListedStages()) {
        const StageObjectList list = StageObjectsFor(stage);
        std::vector<std::pair<C, int32_t>> runs;
        for (int32_t i = 0; i < list.count; ++i) {
            if (runs.empty() || runs.back().first != list.objects[i].cls)
                runs.push_back({list.objects[i].cls, 0});
            runs.back().second += 1;
        }
        const Composition& want = kComposition[stage - 1];
        ASSERT_EQ(want.stage, stage);
        ASSERT_EQ(runs.size(), want.runs.size()) << "stage " << stage;
        for (size_t r = 0; r < runs.size(); ++r) {
            EXPECT_EQ(NameOf(runs[r].first), NameOf(want.runs[r].cls)) << "stage " << stage << " run " << r;
            EXPECT_EQ(runs[r].second, want.runs[r].count) << "stage " << stage << " run " << r;
        }
    }
}

TEST_F(StageLists, SlotsRunFromZeroWithoutGapsAndArgumentsMatch) {
    for (const int32_t stage : ListedStages()) {
        const StageObjectList list = StageObjectsFor(stage);
        std::map<C, std::vector<int32_t>> slots;
        for (int32_t i = 0; i < list.count; ++i) {
            const StageObject& o = list.objects[i];
            slots[o.cls].push_back(o.slot);
            EXPECT_EQ(o.argc, InfoOf(o.cls).arity) << NameOf(o.cls) << " on stage " << stage;
            EXPECT_GE(o.slot, 0);
            EXPECT_LT(o.slot, InfoOf(o.cls).size) << NameOf(o.cls) << " on stage " << stage;
        }
        for (const auto& [cls, used] : slots) {
            std::vector<int32_t> want(used.size());
            for (size_t k = 0; k < want.size(); ++k) want[k] = static_cast<int32_t>(k);
            // Stage 19 updates its third pendulum first.
            if (stage == 19 && cls == C::EnemyFuriko) want = {2, 0, 1};
            EXPECT_EQ(used, want) << NameOf(cls) << " on stage " << stage;
        }
    }
}

TEST_F(StageLists, IdleEntriesArePlacedDeadAndOwnersPoolsLieInIdleSlots) {
    for (const int32_t stage : ListedStages()) {
        g_stageNumber = stage;
        g_stage.PlaceObjects();
        const StageObjectList list = StageObjectsFor(stage);
        std::set<std::pair<C, int32_t>> idle;
        for (int32_t i = 0; i < list.count; ++i) {
            const StageObject& o = list.objects[i];
            if (kAlwaysIdle.count(o.cls)) {
                EXPECT_TRUE(IsIdle(o)) << NameOf(o.cls) << " " << o.slot << " on stage " << stage;
            }
            if (!IsIdle(o)) continue;
            idle.insert({o.cls, o.slot});
            int32_t dead = 0, x = 0, y = 0;
            ASSERT_TRUE(ReadObject(o.cls, o.slot, &dead, &x, &y));
            if (InfoOf(o.cls).built) {
                EXPECT_EQ(dead, 1) << NameOf(o.cls) << " " << o.slot << " on stage " << stage;
            }
        }
        std::map<std::pair<C, int32_t>, std::vector<C>> users;
        for (int32_t i = 0; i < list.count; ++i) {
            const StageObject& o = list.objects[i];
            for (const PoolOwner& p : kOwners) {
                if (p.owner != o.cls || IsIdle(o)) continue;
                for (int32_t k = 0; k < p.slots; ++k) {
                    const std::pair<C, int32_t> slot{p.pool, o.args[p.baseArg] + k};
                    EXPECT_TRUE(idle.count(slot)) << NameOf(o.cls) << " " << o.slot << " on stage " << stage
                                                  << " writes outside its idle pool";
                    users[slot].push_back(o.cls);
                }
            }
        }
        for (const auto& [slot, owners] : users) {
            // Stage 30 has one flame slot for its flower and its gargoyle.
            const bool shared30 = stage == 30 && owners.size() == 2 && slot.second == 0 &&
                                  std::count(owners.begin(), owners.end(), C::EnemyHana) == 1 &&
                                  std::count(owners.begin(), owners.end(), C::EnemyGargoile) == 1;
            EXPECT_TRUE(owners.size() == 1 || shared30) << NameOf(slot.first) << " " << slot.second << " on stage "
                                                        << stage << " has " << owners.size() << " owners";
        }
    }
}

TEST_F(StageLists, WalkersStandOnTheirStagesFloor) {
    for (const int32_t stage : ListedStages()) {
        g_stageFloor.LoadStage(stage);
        const StageObjectList list = StageObjectsFor(stage);
        for (int32_t i = 0; i < list.count; ++i) {
            const StageObject& o = list.objects[i];
            const auto h = kStandingHeight.find(o.cls);
            if (h == kStandingHeight.end() || IsIdle(o)) continue;
            const int32_t ground = o.args[1] + h->second;
            EXPECT_EQ(g_stageFloor.TopAt(o.args[0] + 1, ground + 1), ground)
                << NameOf(o.cls) << " " << o.slot << " on stage " << stage;
        }
    }
}

}  // namespace
