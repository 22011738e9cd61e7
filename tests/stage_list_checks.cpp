// The stage list rules and the tables they read: each stage's composition,
// the pools and their owners, the classes only ever placed idle, and where
// the ground classes stand.
#include "stage_list_checks.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <utility>

#include "ground/stage_floor.h"
#include "players/hero_start.h"
#include "stages/stage.h"

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
// clang-format off
const std::vector<Composition> kComposition = {
    {1, {{C::EnemyRed, 2}, {C::EnemyGool, 3}, {C::EnemySkeletonSoldier, 4}, {C::EnemyGhost, 5},
        {C::EnemyZombie, 2}, {C::EnemyMedyusaHead, 1}, {C::EnemyUne, 5}}},
    {2, {{C::EnemyWasi, 4}, {C::EnemyHonebasira, 3}, {C::EnemyTobuHonoo, 9}, {C::EnemyIhuriito, 3},
        {C::EnemyMoeruhonoo, 15}, {C::EnemySkeletonSoldier, 3}}},
    {3, {{C::EnemyRed, 2}, {C::EnemySkeletonSoldier, 2}, {C::EnemyMerman, 1}, {C::EnemyGhost, 1},
        {C::EnemyMedyusaHead, 1}, {C::EnemyUne, 1}}},
    {4, {{C::EnemyKonbou, 3}, {C::EnemyDouzou, 3}, {C::EnemyUma, 3}, {C::EnemyWasi, 4},
        {C::EnemyRed, 1}, {C::EnemyZombie, 2}, {C::EnemyGool, 3}}},
    {5, {{C::EnemyCrow, 6}, {C::EnemyBokusi, 2}, {C::EnemyZombie, 2}, {C::EnemyWasi, 4},
        {C::EnemySkeletonSoldier, 2}, {C::EnemySukaru2, 2}}},
    {6, {{C::EnemyFrog, 6}, {C::EnemyMerman, 1}, {C::EnemyMedyusaHead, 2}, {C::EnemyCrow, 3}}},
    {7, {{C::EnemyHiru, 3}, {C::EnemyToad, 1}, {C::EnemyFrog, 6}, {C::EnemyHonebasira, 1},
        {C::EnemyTobuHonoo, 3}, {C::EnemyUne, 5}, {C::EnemyRed, 1}}},
    {8, {{C::EnemySan, 2}, {C::EnemyHonebasira, 2}, {C::EnemyTobuHonoo, 6}, {C::EnemyGouremu, 3},
        {C::EnemyIhuriito, 3}, {C::EnemyMoeruhonoo, 15}, {C::EnemyUne, 5}, {C::EnemyMedyusaHead, 1},
        {C::EnemyUma, 1}, {C::EnemyZombie, 2}}},
    {9, {{C::EnemyTi, 3}, {C::EnemySkeleton, 3}, {C::EnemyHone, 15}, {C::EnemyRed, 1},
        {C::EnemyCrow, 3}, {C::EnemyZombie, 2}, {C::EnemyGhost, 3}, {C::EnemySkeletonSoldier, 2}}},
    {10, {{C::EnemyHariLift, 4}, {C::EnemyJyouhansin, 3}, {C::EnemySkeletonSoldier, 2},
        {C::EnemyRed, 2}, {C::EnemySemusi, 3}, {C::EnemyGhost, 1}, {C::EnemyHonebasira, 1},
        {C::EnemyTobuHonoo, 3}, {C::EnemyGouremu, 1}}},
    {11, {{C::EnemySLarge, 3}, {C::EnemyHariLift, 8}, {C::EnemyMedyusaHead, 2}}},
    {12, {{C::EnemyOgideran, 2}, {C::EnemySkeleton, 1}, {C::EnemyHone, 5}, {C::EnemyDouzou, 1},
        {C::EnemyUma, 1}, {C::EnemyWasi, 2}, {C::EnemyCrow, 2}, {C::EnemySkeletonSoldier, 2},
        {C::EnemyFrog, 2}, {C::EnemyToad, 1}, {C::EnemyHonebasira, 1}, {C::EnemyTobuHonoo, 3},
        {C::EnemyUne, 2}, {C::EnemyGouremu, 1}, {C::EnemyIhuriito, 1}, {C::EnemyMoeruhonoo, 5},
        {C::EnemySLarge, 1}, {C::EnemyGhost, 1}}},
    {13, {{C::EnemyBat, 5}, {C::EnemySkeletonSoldier, 2}, {C::EnemyCrow, 2}, {C::EnemySkeleton, 1},
        {C::EnemyHone, 5}, {C::EnemyMedyusaHead, 1}, {C::EnemyHariLift, 1}, {C::EnemyToad, 1},
        {C::EnemySLarge, 1}}},
    {14, {{C::EnemySyanderia, 5}, {C::EnemyHariLift, 4}, {C::EnemySkeletonSoldier, 2},
        {C::EnemyMerman, 1}, {C::EnemyBokusi, 2}, {C::EnemySemusi, 4}, {C::EnemyZombie, 2},
        {C::EnemyGhost, 2}, {C::EnemyUne, 1}, {C::EnemySkeleton, 3}, {C::EnemyHone, 15},
        {C::EnemySLarge, 1}, {C::EnemyKonbou, 1}, {C::EnemyBat, 5}, {C::EnemyCrow, 2}}},
    {15, {{C::EnemyLeaf, 5}, {C::EnemyHana, 3}, {C::EnemyTobuHonoo, 3}, {C::EnemySemusi, 3},
        {C::EnemyOgideran, 2}, {C::EnemySkeleton, 1}, {C::EnemyHone, 5}, {C::EnemyDouzou, 1},
        {C::EnemyFrog, 2}, {C::EnemyUne, 5}}},
    {16, {{C::EnemyFukurou, 4}, {C::EnemyKonbou, 1}, {C::EnemySukaru, 4}, {C::EnemyEipu, 3},
        {C::EnemyTaru, 3}, {C::EnemyOgideran, 1}, {C::EnemyCrow, 2}, {C::EnemyBat, 5},
        {C::EnemyWasi, 1}}},
    {17, {{C::EnemyWar, 5}, {C::EnemyHyou, 3}, {C::EnemyPorutaa, 3}, {C::EnemyEipu, 1},
        {C::EnemyTaru, 1}, {C::EnemySukaru, 2}, {C::EnemySkeleton, 1}, {C::EnemyHone, 5},
        {C::EnemySemusi, 1}, {C::EnemySLarge, 1}, {C::EnemyZombie, 2}, {C::EnemySyanderia, 2},
        {C::EnemyHonebasira, 1}, {C::EnemyTobuHonoo, 3}, {C::EnemyGhost, 2}}},
    {18, {{C::EnemyRed, 1}, {C::EnemyGHand, 4}, {C::EnemyGargoile, 3}, {C::EnemyHonebasira, 1},
        {C::EnemyTobuHonoo, 6}, {C::EnemyDouzou, 2}, {C::EnemyGhost, 1}, {C::EnemySkeleton, 1},
        {C::EnemyHone, 5}, {C::EnemySukaru, 1}, {C::EnemyBat, 2}, {C::EnemyCrow, 2},
        {C::EnemyOgideran, 1}, {C::EnemyEipu, 1}, {C::EnemyTaru, 1}}},
    {19, {{C::EnemyHariLift, 8}, {C::EnemyFuriko, 1}, {C::EnemyArmor, 2}, {C::EnemyRed, 1},
        {C::EnemySkeletonSoldier, 2}, {C::EnemyMedyusaHead, 1}, {C::EnemyGhost, 1},
        {C::EnemySemusi, 3}, {C::EnemyFuriko, 2}, {C::EnemyUne, 1}, {C::EnemySkeleton, 1},
        {C::EnemyHone, 5}, {C::EnemySukaru, 1}}},
    {20, {{C::EnemySpider, 3}, {C::EnemyMSpider, 3}, {C::EnemySemusi, 1}, {C::EnemyArmor, 1},
        {C::EnemySkeletonSoldier, 1}, {C::EnemyUne, 5}, {C::EnemyJyouhansin, 1}, {C::EnemyUma, 1},
        {C::EnemyWasi, 2}, {C::EnemyCrow, 2}, {C::EnemyFrog, 2}, {C::EnemyHana, 1},
        {C::EnemyTobuHonoo, 1}, {C::EnemyFukurou, 4}, {C::EnemySukaru, 4}, {C::EnemyHyou, 1}}},
    {21, {{C::EnemyTi, 5}, {C::EnemyDyurahan, 2}, {C::EnemyRed, 1}, {C::EnemySkeletonSoldier, 1},
        {C::EnemySemusi, 3}, {C::EnemyZombie, 2}, {C::EnemySukaru, 4}, {C::EnemySkeleton, 2},
        {C::EnemyHone, 10}, {C::EnemyGhost, 2}, {C::EnemySukaru2, 2}}},
    {22, {{C::EnemyTurn, 3}, {C::EnemyYuurei, 3}, {C::EnemyDancer, 6}, {C::EnemySkeletonSoldier, 2},
        {C::EnemyGHand, 2}, {C::EnemyPorutaa, 1}, {C::EnemyHyou, 1}, {C::EnemyWar, 2},
        {C::EnemyMedyusaHead, 1}, {C::EnemyBokusi, 2}}},
    {23, {{C::EnemySuraimu, 4}, {C::EnemyAxArmor, 3}, {C::EnemyAx, 9}, {C::EnemySyanderia, 4},
        {C::EnemySemusi, 1}, {C::EnemyDyurahan, 2}, {C::EnemyMerman, 1}, {C::EnemySukaru, 2},
        {C::EnemyHyou, 1}, {C::EnemyArmor, 1}, {C::EnemySpider, 3}, {C::EnemyMSpider, 3},
        {C::EnemyBat, 5}, {C::EnemyPorutaa, 2}, {C::EnemyGargoile, 2}, {C::EnemyTobuHonoo, 2},
        {C::EnemySLarge, 1}, {C::EnemyTurn, 1}, {C::EnemyYuurei, 1}, {C::EnemyDancer, 2}}},
    {24, {{C::EnemyNomi, 6}, {C::EnemyFDog, 3}, {C::EnemyAxArmor, 1}, {C::EnemyAx, 3},
        {C::EnemyGhost, 2}, {C::EnemySkeleton, 2}, {C::EnemyHone, 10}, {C::EnemySukaru, 2},
        {C::EnemySemusi, 3}, {C::EnemySkeletonSoldier, 1}, {C::EnemyEipu, 1}, {C::EnemyTaru, 1},
        {C::EnemyTurn, 1}, {C::EnemyHana, 1}, {C::EnemyTobuHonoo, 1}, {C::EnemyDouzou, 1},
        {C::EnemyYuurei, 1}, {C::EnemyDancer, 1}, {C::EnemyZombie, 2}}},
    {25, {{C::EnemyFish, 1}, {C::EnemyWGhost, 1}, {C::EnemyMerman, 1}, {C::EnemyToad, 1},
        {C::EnemyFrog, 3}, {C::EnemyHiru, 1}}},
    {26, {{C::EnemyMadhand, 3}, {C::EnemyBalloon, 1}, {C::EnemyHousi, 4}, {C::EnemyMBat, 2},
        {C::EnemySemusi, 1}, {C::EnemyNomi, 1}, {C::EnemySpider, 1}, {C::EnemyMSpider, 1},
        {C::EnemyFukurou, 1}, {C::EnemyUne, 5}, {C::EnemyLeaf, 2}, {C::EnemyHana, 1},
        {C::EnemyTobuHonoo, 1}}},
    {27, {{C::EnemyKanoke, 4}, {C::EnemyGureibu, 4}, {C::EnemySNight, 2}, {C::EnemyRedWhip, 1},
        {C::EnemyDyurahan, 1}, {C::EnemySukaru, 1}, {C::EnemySkeleton, 2}, {C::EnemyHone, 10},
        {C::EnemyGhost, 1}, {C::EnemyRed, 1}, {C::EnemySkeletonSoldier, 1}, {C::EnemyZombie, 2},
        {C::EnemyEipu, 1}, {C::EnemyTaru, 1}}},
    {28, {{C::EnemySunegusu, 4}, {C::EnemyMadman, 2}, {C::EnemyRedAxArmor, 2},
        {C::EnemySkeleton, 2}, {C::EnemyHone, 10}, {C::EnemyHonebasira, 1}, {C::EnemyTobuHonoo, 3},
        {C::EnemySLarge, 1}, {C::EnemyGHand, 2}, {C::EnemySukaru, 2}, {C::EnemyAxArmor, 1},
        {C::EnemyAx, 3}, {C::EnemyBat, 5}, {C::EnemySuraimu, 1}}},
    {29, {{C::EnemyMedama, 2}, {C::EnemyOtiruHonoo, 2}, {C::EnemyWarSukaru, 2},
        {C::EnemyWarSkeleton, 2}, {C::EnemyHone, 20}, {C::EnemyRedWhip, 1}, {C::EnemyRed, 1},
        {C::EnemyUma, 1}, {C::EnemyBalloon, 1}, {C::EnemyHousi, 4}, {C::EnemySpider, 1},
        {C::EnemyMSpider, 1}, {C::EnemySan, 2}, {C::EnemyCrow, 1}}},
    {30, {{C::EnemyPping, 2}, {C::EnemyHebi, 5}, {C::EnemyGejigeji, 4}, {C::EnemyFish, 1},
        {C::EnemyWGhost, 1}, {C::EnemyEipu, 1}, {C::EnemyTaru, 1}, {C::EnemyWarSkeleton, 1},
        {C::EnemyHone, 10}, {C::EnemyMedama, 1}, {C::EnemyOtiruHonoo, 1}, {C::EnemyOgideran, 1},
        {C::EnemyHana, 1}, {C::EnemyTobuHonoo, 1}, {C::EnemySkeletonSoldier, 2},
        {C::EnemyGargoile, 1}, {C::EnemySukaru, 1}, {C::EnemyMerman, 1}}},
    {31, {{C::EnemyBara, 4}, {C::EnemyKahun, 20}, {C::EnemyBokujin, 3}, {C::EnemyHaru, 3},
        {C::EnemyHana, 1}, {C::EnemyTobuHonoo, 1}, {C::EnemyOgideran, 1}, {C::EnemyUne, 5},
        {C::EnemyWasi, 2}, {C::EnemyLeaf, 3}, {C::EnemyFrog, 2}, {C::EnemySpider, 3},
        {C::EnemyMSpider, 3}, {C::EnemyFukurou, 2}, {C::EnemySunegusu, 2}, {C::EnemyMadhand, 3},
        {C::EnemyBalloon, 1}, {C::EnemyHousi, 4}, {C::EnemyWar, 2}, {C::EnemyHyou, 2},
        {C::EnemyFDog, 2}}},
    {32, {{C::EnemyFyenriru, 1}, {C::EnemyOtiruBlock, 5}, {C::EnemyArcher, 2}, {C::EnemyYa, 10},
        {C::EnemyGhost, 1}, {C::EnemyIhuriito, 1}, {C::EnemyMoeruhonoo, 5}, {C::EnemyPorutaa, 3},
        {C::EnemySNight, 2}, {C::EnemyAxArmor, 1}, {C::EnemyAx, 3}, {C::EnemyGHand, 1},
        {C::EnemySukaru, 1}, {C::EnemyRedAxArmor, 1}, {C::EnemyWarSukaru, 1}, {C::EnemyPping, 2},
        {C::EnemyFDog, 1}, {C::EnemySyanderia, 4}, {C::EnemySuraimu, 3}, {C::EnemyNomi, 2},
        {C::EnemyZombie, 2}, {C::EnemyEipu, 1}, {C::EnemyTaru, 1}}},
    {33, {{C::EnemyJyuutan, 2}, {C::EnemyRouba, 4}, {C::EnemyJyuhouten, 7}, {C::EnemyTyinman, 2},
        {C::EnemyGhost, 1}, {C::EnemyUne, 5}, {C::EnemyDouzou, 3}, {C::EnemyHana, 1},
        {C::EnemyGargoile, 2}, {C::EnemyTobuHonoo, 3}, {C::EnemySukaru, 2}, {C::EnemyAxArmor, 1},
        {C::EnemyAx, 3}, {C::EnemyPping, 2}, {C::EnemyMadman, 2}, {C::EnemySunegusu, 1}}},
    {34, {{C::EnemyBArmor, 1}, {C::EnemyBarukan, 5}, {C::EnemyHunmer, 1}, {C::EnemyHonebasira, 1},
        {C::EnemyTobuHonoo, 3}, {C::EnemySemusi, 2}, {C::EnemyWar, 3}, {C::EnemyArmor, 1},
        {C::EnemyAxArmor, 2}, {C::EnemyAx, 6}, {C::EnemyNomi, 2}, {C::EnemyHaru, 2},
        {C::EnemyWarSkeleton, 1}, {C::EnemyHone, 10}, {C::EnemyFuriko, 3}, {C::EnemyHariLift, 4},
        {C::EnemyCrow, 2}, {C::EnemySLarge, 1}, {C::EnemyTyinman, 2}, {C::EnemyArcher, 1},
        {C::EnemyYa, 5}, {C::EnemyRedAxArmor, 1}}},
    {35, {{C::EnemyTi, 7}, {C::EnemyHuran, 7}, {C::EnemySukaru2, 2}, {C::EnemyWil, 4},
        {C::EnemyFireSkeleton, 3}, {C::EnemyBGaikotu, 1}, {C::EnemyOtiruBlock, 5},
        {C::EnemyHonebasira, 1}, {C::EnemyTobuHonoo, 6}, {C::EnemyGhost, 2},
        {C::EnemySkeletonSoldier, 2}, {C::EnemySkeleton, 2}, {C::EnemyWarSkeleton, 1},
        {C::EnemyHone, 20}, {C::EnemyEipu, 1}, {C::EnemyTaru, 1}, {C::EnemySukaru, 3},
        {C::EnemySNight, 2}, {C::EnemyDyurahan, 1}, {C::EnemyCrow, 1}}},
    {36, {{C::EnemyOskerinF, 1}, {C::EnemyDugalF, 1}, {C::EnemyTanken, 3}, {C::EnemyNerysF, 1},
        {C::EnemyLightning, 3}, {C::EnemyHunmer, 1}, {C::EnemyArcher, 2}, {C::EnemyYa, 10},
        {C::EnemySNight, 2}, {C::EnemyAxArmor, 1}, {C::EnemyAx, 3}, {C::EnemyDyurahan, 2},
        {C::EnemyArmor, 1}, {C::EnemyEipu, 3}, {C::EnemyTaru, 3}, {C::EnemySkeletonSoldier, 2},
        {C::EnemyFyenriru, 1}, {C::EnemyOtiruBlock, 5}, {C::EnemySukaru2, 2}}},
    {37, {{C::EnemySpecter, 10}, {C::EnemyArumajiro, 3}, {C::EnemyWhiteDHontai, 3},
        {C::EnemyWhiteDHonoo, 3}, {C::EnemySaramanda, 2}, {C::EnemyTobuHonoo, 2},
        {C::EnemyKanoke, 2}, {C::EnemyUne, 3}, {C::EnemyIhuriito, 1}, {C::EnemyMoeruhonoo, 5},
        {C::EnemySan, 2}, {C::EnemyGouremu, 1}, {C::EnemySpider, 3}, {C::EnemyMSpider, 3},
        {C::EnemyFDog, 2}, {C::EnemySunegusu, 2}, {C::EnemyRedAxArmor, 1}}},
    {38, {{C::EnemyKumo, 3}, {C::EnemyNoroi, 3}, {C::EnemyFlyingS, 1}, {C::EnemyCrow, 3},
        {C::EnemyBokusi, 2}, {C::EnemyTurn, 2}, {C::EnemyYuurei, 3}, {C::EnemyDancer, 4},
        {C::EnemyArcher, 1}, {C::EnemyYa, 5}, {C::EnemyHyou, 2}, {C::EnemyAxArmor, 2},
        {C::EnemyAx, 6}}},
    {39, {{C::EnemyYukaYari, 10}, {C::EnemyIdouYari, 10}, {C::EnemyIdouYariV, 8},
        {C::EnemyHariLift, 8}}},
    {40, {{C::EnemyDZombie, 1}, {C::EnemyEkuto, 3}, {C::EnemyRed, 1}, {C::EnemyWasi, 2},
        {C::EnemyCrow, 2}, {C::EnemySkeleton, 2}, {C::EnemyHone, 10}, {C::EnemyOgideran, 1},
        {C::EnemyEipu, 2}, {C::EnemyTaru, 2}, {C::EnemyFukurou, 2}, {C::EnemyGHand, 2},
        {C::EnemyRedWhip, 1}, {C::EnemyHaru, 2}, {C::EnemyAxArmor, 1}, {C::EnemyAx, 3}}},
    {41, {{C::EnemyGia, 3}, {C::EnemyVicto, 3}, {C::EnemyAra, 3}, {C::EnemyFireSkeleton, 3},
        {C::EnemyTobuHonoo, 3}, {C::EnemyArmor, 1}, {C::EnemySNight, 2}, {C::EnemyFuriko, 3},
        {C::EnemySkeleton, 2}, {C::EnemyHone, 10}, {C::EnemyAxArmor, 1}, {C::EnemyAx, 3},
        {C::EnemyWhiteDHontai, 1}, {C::EnemyWhiteDHonoo, 1}, {C::EnemySukaru, 3},
        {C::EnemyRedAxArmor, 1}, {C::EnemyNomi, 4}, {C::EnemyHaru, 2}, {C::EnemyKumo, 3},
        {C::EnemyIdouYariV, 4}}},
    {42, {{C::BossWWolf, 1}, {C::EnemyFireB, 1}, {C::BossMino, 1}, {C::EnemyTuti, 10},
        {C::MaryokuOrb, 1}}},
    {43, {{C::BossGBat, 1}, {C::EnemyBat, 5}, {C::BossBMedyusa, 1}, {C::EnemyMedyusaHead, 3},
        {C::BossMiira, 1}, {C::EnemyGanseki, 2}, {C::EnemyHoutai, 5}, {C::BossHuranken, 1},
        {C::EnemyOtiruBlock, 6}, {C::EnemySemusi, 9}, {C::BossQuorth, 1}, {C::EnemyTama, 5},
        {C::MaryokuOrb, 1}}},
    {44, {{C::BossBeri1, 1}, {C::EnemyBeriFire, 3}, {C::BossBeri2, 1}, {C::BossGyai1, 1},
        {C::EnemyGyaiGanseki, 10}, {C::EnemyGyaiFire1, 4}, {C::BossGyai2, 1},
        {C::EnemyGyaiFire2, 8}, {C::BossDeath1, 1}, {C::EnemyKama, 10}, {C::BossDeath2, 1},
        {C::MaryokuOrb, 1}}},
    {45, {{C::EnemyDaibourei, 3}, {C::EnemyFSukaru, 6}, {C::EnemySpecter, 9}, {C::EnemyWil, 4},
        {C::EnemyRedWhip, 1}, {C::EnemyAxArmor, 3}, {C::EnemyAx, 9}, {C::EnemySukaru, 4},
        {C::EnemySkeletonSoldier, 3}, {C::EnemyCrow, 2}, {C::EnemyRed, 1}, {C::EnemyGHand, 4},
        {C::EnemyHonebasira, 1}, {C::EnemyTobuHonoo, 3}}},
    {46, {{C::EnemyDisk, 1}, {C::EnemySukea, 4}, {C::EnemyWasi, 4}, {C::EnemySLarge, 1},
        {C::EnemyFukurou, 4}, {C::EnemyEipu, 3}, {C::EnemyTaru, 3}, {C::EnemyRedWhip, 1},
        {C::EnemyPping, 2}, {C::EnemyVicto, 3}, {C::EnemyAra, 3}, {C::EnemyHebi, 3},
        {C::EnemySkeleton, 3}, {C::EnemyHone, 15}}},
    {47, {{C::EnemyUpFire, 3}, {C::EnemyFSukaru, 3}, {C::EnemyIdouYari, 6}, {C::EnemyKumo, 3},
        {C::EnemyNoroi, 3}, {C::EnemyArcher, 1}, {C::EnemyYa, 10}, {C::EnemyRedAxArmor, 2},
        {C::EnemySunegusu, 2}, {C::EnemyGureibu, 3}, {C::EnemyAxArmor, 2}, {C::EnemyAx, 6},
        {C::EnemySukaru, 2}, {C::EnemySukaru2, 2}, {C::EnemySpider, 3}, {C::EnemyMSpider, 3},
        {C::EnemyHariLift, 4}, {C::EnemyGouremu, 2}, {C::EnemyCrow, 2}, {C::EnemyIhuriito, 1},
        {C::EnemyMoeruhonoo, 5}, {C::EnemyGhost, 2}}},
    {48, {{C::EnemySBeamer, 2}, {C::EnemyUma, 3}, {C::EnemySemusi, 3}, {C::EnemySLarge, 2},
        {C::EnemyDancer, 3}, {C::EnemyNomi, 3}, {C::EnemyDyurahan, 2}, {C::EnemyPping, 1},
        {C::EnemyFyenriru, 1}, {C::EnemyOtiruBlock, 5}, {C::EnemyRouba, 4},
        {C::EnemyFireSkeleton, 3}, {C::EnemySaramanda, 2}, {C::EnemyHana, 1},
        {C::EnemyTobuHonoo, 6}, {C::EnemySpecter, 4}, {C::EnemyIdouYariV, 4}, {C::EnemySukea, 1},
        {C::EnemySkeletonSoldier, 4}, {C::EnemyHyou, 3}, {C::EnemySpider, 3}, {C::EnemyMSpider, 3},
        {C::EnemySukaru2, 2}, {C::EnemySunegusu, 2}, {C::EnemyKumo, 3}, {C::EnemyUne, 2},
        {C::EnemyNoroi, 2}, {C::EnemyRedAxArmor, 1}}},
    {49, {{C::BossMorvane1, 1}, {C::EnemyUpFireM, 1}, {C::BossMorvane2, 1}, {C::EnemyHellFire, 3},
        {C::EnemyKokuen, 2}, {C::BossMorvane3, 1}, {C::EnemyStnFire, 2}, {C::MaryokuOrb, 1}}},
    {50, {{C::EnemySauji, 10}, {C::EnemyRingo, 10}, {C::EnemyZonbi, 2}, {C::EnemyShellok, 5},
        {C::EnemyTori, 1}, {C::EnemyKoumori, 5}, {C::EnemyKyonsi, 6}, {C::EnemyKaminarisama, 2},
        {C::EnemyKaminari, 10}}},
};
// clang-format on

// An owner writes into `slots` slots of its pool from its first-slot argument
// (or from slot 0 when it has none). Some take only the first slots listed;
// the giant bat's pool is chosen by its kind argument. Bosses of one chain
// act one after another and may reuse one another's slots.
struct PoolOwner {
    C owner;
    int32_t baseArg;  // -1: fixed slots from 0
    C pool;
    int32_t slots;
    std::vector<int32_t> bases;  // allowed first slots; empty: any
    int32_t kindArg = -1;        // >= 0: only when that argument is 0 (kind 0) or not (kind 1)
    int32_t kind = 0;
};
const std::vector<PoolOwner> kOwners = {
    {C::BossBMedyusa, -1, C::EnemyMedyusaHead, 3, {}},
    {C::BossBeri1, -1, C::EnemyBeriFire, 3, {}},
    {C::BossDeath1, -1, C::EnemyKama, 10, {}},
    {C::BossDeath2, -1, C::EnemyKama, 10, {}},
    {C::BossGBat, -1, C::EnemyBat, 5, {}},
    {C::BossGyai1, -1, C::EnemyGyaiFire1, 4, {}},
    {C::BossGyai1, -1, C::EnemyGyaiGanseki, 10, {}},
    {C::BossGyai2, -1, C::EnemyGyaiFire2, 8, {}},
    {C::BossHuranken, -1, C::EnemyOtiruBlock, 6, {}},
    {C::BossHuranken, -1, C::EnemySemusi, 9, {}},
    {C::BossMiira, -1, C::EnemyGanseki, 2, {}},
    {C::BossMiira, -1, C::EnemyHoutai, 5, {}},
    {C::BossMino, -1, C::EnemyTuti, 10, {}},
    {C::BossMorvane1, -1, C::EnemyUpFireM, 1, {}},
    {C::BossMorvane2, -1, C::EnemyHellFire, 3, {}},
    {C::BossMorvane2, -1, C::EnemyKokuen, 2, {}},
    {C::BossMorvane3, -1, C::EnemyStnFire, 2, {}},
    {C::BossQuorth, -1, C::EnemyTama, 5, {}},
    {C::BossWWolf, -1, C::EnemyFireB, 1, {}},
    {C::EnemyArcher, 3, C::EnemyYa, 5, {0, 5}},
    {C::EnemyAxArmor, 5, C::EnemyAx, 3, {}},
    {C::EnemyBArmor, 3, C::EnemyBarukan, 5, {0}},
    {C::EnemyBGaikotu, 3, C::EnemyOtiruBlock, 5, {0}},
    {C::EnemyBalloon, 4, C::EnemyHousi, 4, {}},
    {C::EnemyBara, 2, C::EnemyKahun, 5, {0, 5, 10, 15}},
    {C::EnemyDugalF, -1, C::EnemyTanken, 3, {}},
    {C::EnemyEipu, 4, C::EnemyTaru, 1, {}},
    {C::EnemyFireSkeleton, 3, C::EnemyTobuHonoo, 1, {0, 1, 2}},
    {C::EnemyFyenriru, 3, C::EnemyOtiruBlock, 5, {0}},
    {C::EnemyGargoile, 3, C::EnemyTobuHonoo, 1, {}},
    {C::EnemyHana, 3, C::EnemyTobuHonoo, 1, {}},
    {C::EnemyHonebasira, 2, C::EnemyTobuHonoo, 3, {}},
    {C::EnemyIhuriito, 5, C::EnemyMoeruhonoo, 5, {}},
    {C::EnemyKaminarisama, 1, C::EnemyKaminari, 5, {}},
    {C::EnemyMBat, 5, C::EnemyNomi, 1, {}, 3, 1},
    {C::EnemyMBat, 5, C::EnemySemusi, 1, {}, 3, 0},
    {C::EnemyMedama, 3, C::EnemyOtiruHonoo, 1, {0, 1}},
    {C::EnemyNerysF, -1, C::EnemyLightning, 3, {}},
    {C::EnemySaramanda, 3, C::EnemyTobuHonoo, 1, {0, 1, 3, 4}},
    {C::EnemySauji, 1, C::EnemyRingo, 1, {}},
    {C::EnemySkeleton, 5, C::EnemyHone, 5, {}},
    {C::EnemySpider, 1, C::EnemyMSpider, 1, {}},
    {C::EnemyVicto, 3, C::EnemyAra, 1, {0, 1, 2}},
    {C::EnemyWarSkeleton, 3, C::EnemyHone, 10, {0, 10}},
    {C::EnemyWhiteDHontai, 2, C::EnemyWhiteDHonoo, 1, {0, 1, 2}},
};

// Self-reviving classes and pure pools: the stage only ever places them idle.
const std::set<C> kAlwaysIdle = {
    C::EnemyAra,         C::EnemyAx,        C::EnemyBalloon,     C::EnemyBarukan,    C::EnemyBeriFire,
    C::EnemyDZombie,     C::EnemyFireB,     C::EnemyFish,        C::EnemyFlyingS,    C::EnemyGanseki,
    C::EnemyGyaiFire1,   C::EnemyGyaiFire2, C::EnemyGyaiGanseki, C::EnemyHellFire,   C::EnemyHone,
    C::EnemyHousi,       C::EnemyHoutai,    C::EnemyKahun,       C::EnemyKama,       C::EnemyKaminari,
    C::EnemyKokuen,      C::EnemyLightning, C::EnemyMBat,        C::EnemyMSpider,    C::EnemyMadman,
    C::EnemyMedyusaHead, C::EnemyMerman,    C::EnemyMoeruhonoo,  C::EnemyOtiruBlock, C::EnemyOtiruHonoo,
    C::EnemyRingo,       C::EnemyStnFire,   C::EnemySukaru2,     C::EnemyTama,       C::EnemyTanken,
    C::EnemyTaru,        C::EnemyToad,      C::EnemyTobuHonoo,   C::EnemyTori,       C::EnemyTuti,
    C::EnemyUpFireM,     C::EnemyWGhost,    C::EnemyWhiteDHonoo, C::EnemyYa,         C::EnemyZombie,
    C::EnemyZonbi,
};

// Ground classes: the height from y to the floor they stand on (the landing
// height where the class lands, else the foot of its standing box), and the
// arguments that bound its walk (-1: none).
struct Footing {
    int32_t height;
    int32_t leftArg;
    int32_t rightArg;
    int32_t limitArg = -1;  // a walk limit on either side of x
};
// clang-format off
const std::map<C, Footing> kFooting = {
    {C::EnemyArcher, {158, -1, -1}},
    {C::EnemyArmor, {60, 3, 4}},
    {C::EnemyArumajiro, {32, -1, -1}},
    {C::EnemyAxArmor, {92, 3, 4}},
    {C::EnemyBArmor, {122, -1, -1}},
    {C::EnemyBGaikotu, {108, -1, -1}},
    {C::EnemyBokujin, {56, -1, -1}},
    {C::EnemyBokusi, {96, 3, 4}},
    {C::EnemyDouzou, {149, -1, -1}},
    {C::EnemyDugalF, {60, -1, -1}},
    {C::EnemyDyurahan, {96, -1, -1}},
    {C::EnemyEipu, {120, -1, -1, 3}},
    {C::EnemyFDog, {48, -1, -1}},
    {C::EnemyFireSkeleton, {76, -1, -1}},
    {C::EnemyFrog, {16, -1, -1}},
    {C::EnemyFyenriru, {156, -1, -1}},
    {C::EnemyGargoile, {61, -1, -1}},
    {C::EnemyGool, {48, -1, -1}},
    {C::EnemyGouremu, {94, -1, -1}},
    {C::EnemyGureibu, {86, -1, -1}},
    {C::EnemyHana, {60, -1, -1}},
    {C::EnemyHebi, {51, -1, -1}},
    {C::EnemyHonebasira, {62, -1, -1}},
    {C::EnemyHunmer, {184, -1, -1}},
    {C::EnemyHyou, {32, 3, 4}},
    {C::EnemyIdouYari, {64, -1, -1}},
    {C::EnemyIhuriito, {62, 3, 4}},
    {C::EnemyJyouhansin, {42, -1, -1}},
    {C::EnemyKanoke, {112, -1, -1}},
    {C::EnemyKonbou, {56, -1, -1}},
    {C::EnemyLeaf, {107, -1, -1}},
    {C::EnemyMadhand, {42, -1, -1}},
    {C::EnemyNerysF, {60, -1, -1}},
    {C::EnemyNomi, {45, -1, -1}},
    {C::EnemyNoroi, {30, -1, -1}},
    {C::EnemyOskerinF, {48, -1, -1}},
    {C::EnemyRed, {96, 3, 4}},
    {C::EnemyRedAxArmor, {128, -1, -1}},
    {C::EnemyRedWhip, {62, 3, 4}},
    {C::EnemyRouba, {144, -1, -1}},
    {C::EnemySBeamer, {71, -1, -1}},
    {C::EnemySLarge, {30, 3, 4}},
    {C::EnemySNight, {92, -1, -1}},
    {C::EnemySaramanda, {60, -1, -1}},
    {C::EnemySemusi, {30, -1, -1}},
    {C::EnemySkeleton, {90, 3, 4}},
    {C::EnemySkeletonSoldier, {62, 3, 4}},
    {C::EnemySukea, {130, -1, -1}},
    {C::EnemyTyinman, {122, 3, 4}},
    {C::EnemyUne, {36, -1, -1}},
    {C::EnemyVicto, {216, -1, -1}},
    {C::EnemyWar, {59, -1, -1}},
    {C::EnemyWarSkeleton, {98, -1, -1}},
};
// clang-format on

// Fliers and floaters placed at a y of their own: they start inside the
// screen's rows.
const std::set<C> kFliers = {
    C::EnemyBat,      C::EnemyCrow,      C::EnemyDaibourei,    C::EnemyDancer, C::EnemyFSukaru, C::EnemyGhost,
    C::EnemyIdouYari, C::EnemyJyuutan,   C::EnemyPorutaa,      C::EnemyPping,  C::EnemySukaru,  C::EnemySuraimu,
    C::EnemyTurn,     C::EnemyWarSukaru, C::EnemyWhiteDHontai, C::EnemyWil,
};
constexpr int32_t kScreenRows = 480;

// Classes that never hurt by touch.
const std::set<C> kHarmless = {C::EnemyBara, C::EnemyMBat, C::EnemySauji, C::MaryokuOrb};

// Classes whose first argument is not an x.
const std::set<C> kNoX = {C::EnemyGyaiFire1, C::EnemyHoutai, C::MaryokuOrb};

constexpr int32_t kStartClearance = 300;

std::string NameOf(C c) { return InfoOf(c).name; }

std::string Where(int32_t stage, const StageObject& o) {
    return NameOf(o.cls) + " " + std::to_string(o.slot) + " on stage " + std::to_string(stage);
}

bool IsIdle(const StageObject& o) {
    const int32_t d = InfoOf(o.cls).deadArg;
    return d >= 0 && d < o.argc && o.args[d] == 1;
}

bool IsBossStage(int32_t stage) { return stage == 42 || stage == 43 || stage == 44 || stage == 49; }

const Composition* CompositionOf(int32_t stage) {
    for (const Composition& c : kComposition)
        if (c.stage == stage) return &c;
    return nullptr;
}

}  // namespace

StageList ListCopy(int32_t stage) {
    const StageObjectList list = StageObjectsFor(stage);
    return StageList(list.objects, list.objects + list.count);
}

std::vector<std::pair<ObjectClass, int32_t>> CompositionRuns(int32_t stage) {
    std::vector<std::pair<ObjectClass, int32_t>> runs;
    if (const Composition* c = CompositionOf(stage))
        for (const ClassRun& r : c->runs) runs.push_back({r.cls, r.count});
    return runs;
}

int32_t CompositionCount(int32_t stage) {
    int32_t n = 0;
    for (const auto& run : CompositionRuns(stage)) n += run.second;
    return n;
}

int32_t StandingHeight(ObjectClass c) {
    const auto f = kFooting.find(c);
    return f == kFooting.end() ? 0 : f->second.height;
}

Findings CheckComposition(int32_t stage, const StageList& list) {
    Findings out;
    const Composition* want = CompositionOf(stage);
    if (!want) return {"no composition for stage " + std::to_string(stage)};
    std::vector<ClassRun> runs;
    for (const StageObject& o : list) {
        if (runs.empty() || runs.back().cls != o.cls) runs.push_back({o.cls, 0});
        runs.back().count += 1;
    }
    const size_t n = std::max(runs.size(), want->runs.size());
    for (size_t r = 0; r < n; ++r) {
        const std::string at = "stage " + std::to_string(stage) + " run " + std::to_string(r) + ": ";
        if (r >= runs.size()) {
            out.push_back(at + "missing " + NameOf(want->runs[r].cls));
        } else if (r >= want->runs.size()) {
            out.push_back(at + "extra " + NameOf(runs[r].cls));
        } else if (runs[r].cls != want->runs[r].cls || runs[r].count != want->runs[r].count) {
            out.push_back(at + NameOf(runs[r].cls) + " x" + std::to_string(runs[r].count) + " instead of " +
                          NameOf(want->runs[r].cls) + " x" + std::to_string(want->runs[r].count));
        }
    }
    return out;
}

Findings CheckSlots(int32_t stage, const StageList& list) {
    Findings out;
    std::map<C, std::vector<int32_t>> slots;
    for (const StageObject& o : list) {
        slots[o.cls].push_back(o.slot);
        if (o.argc != InfoOf(o.cls).arity)
            out.push_back(Where(stage, o) + " takes " + std::to_string(InfoOf(o.cls).arity) + " arguments, given " +
                          std::to_string(o.argc));
        if (o.slot < 0 || o.slot >= InfoOf(o.cls).size) out.push_back(Where(stage, o) + " is outside its array");
    }
    for (const auto& [cls, used] : slots) {
        std::vector<int32_t> want(used.size());
        for (size_t k = 0; k < want.size(); ++k) want[k] = static_cast<int32_t>(k);
        // Stage 19 updates its third pendulum first.
        if (stage == 19 && cls == C::EnemyFuriko) want = {2, 0, 1};
        if (used != want)
            out.push_back(NameOf(cls) + " on stage " + std::to_string(stage) + " uses slots out of order");
    }
    return out;
}

Findings CheckIdle(int32_t stage, const StageList& list) {
    Findings out;
    for (size_t i = 0; i < list.size(); ++i) {
        const StageObject& o = list[i];
        if (kAlwaysIdle.count(o.cls) && !IsIdle(o)) out.push_back(Where(stage, o) + " is not placed idle");
        if (o.cls == C::MaryokuOrb) {
            if (o.argc != 1 || o.args[0] != 1) out.push_back(Where(stage, o) + " is not placed hidden");
            if (i + 1 != list.size()) out.push_back(Where(stage, o) + " is not last");
        }
    }
    if (IsBossStage(stage) && (list.empty() || list.back().cls != C::MaryokuOrb))
        out.push_back("stage " + std::to_string(stage) + " does not end with the clear orb");
    return out;
}

Findings CheckPools(int32_t stage, const StageList& list) {
    Findings out;
    std::set<std::pair<C, int32_t>> idle;
    for (const StageObject& o : list)
        if (IsIdle(o)) idle.insert({o.cls, o.slot});
    std::map<std::pair<C, int32_t>, std::vector<C>> users;
    for (const StageObject& o : list) {
        for (const PoolOwner& p : kOwners) {
            if (p.owner != o.cls) continue;
            if (p.kindArg >= 0 && (o.args[p.kindArg] != 0) != (p.kind != 0)) continue;
            const int32_t base = p.baseArg < 0 ? 0 : o.args[p.baseArg];
            if (!p.bases.empty() && std::find(p.bases.begin(), p.bases.end(), base) == p.bases.end())
                out.push_back(Where(stage, o) + " starts its " + NameOf(p.pool) + " slots at " + std::to_string(base) +
                              ", not one of its own");
            for (int32_t k = 0; k < p.slots; ++k) {
                const std::pair<C, int32_t> slot{p.pool, base + k};
                if (!idle.count(slot))
                    out.push_back(Where(stage, o) + " writes " + NameOf(p.pool) + " " + std::to_string(base + k) +
                                  ", which the stage does not place idle");
                if (InfoOf(o.cls).arity > 0) users[slot].push_back(o.cls);
            }
        }
    }
    for (const auto& [slot, owners] : users) {
        // Stage 30 has one flame slot for its flower and its gargoyle.
        const bool shared30 = stage == 30 && owners.size() == 2 && slot.second == 0 &&
                              std::count(owners.begin(), owners.end(), C::EnemyHana) == 1 &&
                              std::count(owners.begin(), owners.end(), C::EnemyGargoile) == 1;
        if (owners.size() > 1 && !shared30)
            out.push_back(NameOf(slot.first) + " " + std::to_string(slot.second) + " on stage " +
                          std::to_string(stage) + " has " + std::to_string(owners.size()) + " owners");
    }
    return out;
}

Findings CheckFooting(int32_t stage, const StageList& list) {
    Findings out;
    StageFloor floor;
    floor.LoadStage(stage);
    for (const StageObject& o : list) {
        const auto f = kFooting.find(o.cls);
        if (f == kFooting.end() || IsIdle(o)) continue;
        const int32_t x = o.args[0];
        const int32_t ground = o.args[1] + f->second.height;
        if (floor.TopAt(x + 1, ground + 1) != ground) {
            out.push_back(Where(stage, o) + " does not stand on a floor top (its feet at " + std::to_string(ground) +
                          ")");
            continue;
        }
        const int32_t edgeLeft = floor.LeftAt(x + 1, ground + 1), edgeRight = floor.RightAt(x + 1, ground + 1);
        if (f->second.limitArg >= 0) {
            const int32_t limit = o.args[f->second.limitArg];
            if (limit < edgeLeft || limit > edgeRight)
                out.push_back(Where(stage, o) + " walks to a limit off the ground it stands on");
        }
        if (f->second.leftArg < 0) continue;
        const int32_t left = o.args[f->second.leftArg], right = o.args[f->second.rightArg];
        if (!(left <= x && x <= right)) out.push_back(Where(stage, o) + " stands outside its own bounds");
        if (left < edgeLeft || right > edgeRight)
            out.push_back(Where(stage, o) + " patrols past the ground it stands on");
    }
    return out;
}

Findings CheckInTheAir(int32_t stage, const StageList& list) {
    Findings out;
    for (const StageObject& o : list) {
        if (!kFliers.count(o.cls) || IsIdle(o)) continue;
        if (o.args[1] < 0 || o.args[1] >= kScreenRows)
            out.push_back(Where(stage, o) + " starts at row " + std::to_string(o.args[1]) + ", off the screen");
    }
    return out;
}

Findings CheckInsideStage(int32_t stage, const StageList& list) {
    Findings out;
    const int32_t endX = StageEndX(stage);
    for (const StageObject& o : list) {
        if (o.argc == 0 || kNoX.count(o.cls)) continue;
        if (o.args[0] < 0 || o.args[0] > endX)
            out.push_back(Where(stage, o) + " is placed at x " + std::to_string(o.args[0]) + ", outside the stage");
    }
    return out;
}

Findings CheckClearStart(int32_t stage, const StageList& list) {
    Findings out;
    const int32_t startX = HeroStartFor(stage).x;
    for (const StageObject& o : list) {
        if (o.argc == 0 || kNoX.count(o.cls) || kHarmless.count(o.cls) || IsIdle(o)) continue;
        if (std::abs(o.args[0] - startX) < kStartClearance)
            out.push_back(Where(stage, o) + " waits within " + std::to_string(kStartClearance) +
                          " pixels of the hero's start");
    }
    return out;
}

Findings CheckAll(int32_t stage, const StageList& list) {
    Findings out;
    for (Findings (*check)(int32_t, const StageList&) :
         {CheckComposition, CheckSlots, CheckIdle, CheckPools, CheckFooting, CheckInTheAir, CheckInsideStage,
          CheckClearStart}) {
        const Findings f = check(stage, list);
        out.insert(out.end(), f.begin(), f.end());
    }
    return out;
}
