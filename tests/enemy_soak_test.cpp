// Every stage, played with its object list for thousands of frames by a
// scripted hero that walks, jumps and whips: no fault, the hero stays inside
// the stage, frames and slots stay in range, and one seed gives one run. A
// thousand play frames allocate nothing.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

#include "enemies/model/enemy_model.h"
#include "enemies/model/registry.h"
#include "enemies/stage50/kaminarisama.h"
#include "engine/sound.h"
#include "engine/sprite_draw_kinds.h"
#include "engine/timers.h"
#include "game_test.h"
#include "players/hero_common.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "shell/menu.h"
#include "shell/shell.h"
#include "stages/stage.h"
#include "stages/stage_lists.h"

#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
#define MORVANE_COUNT_ALLOCATIONS 1
namespace {
// Only the main thread's, where every frame runs.
thread_local bool t_counting = false;
thread_local long t_allocations = 0;
}  // namespace
void* operator new(std::size_t n) {
    if (t_counting) ++t_allocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
// GCC cannot see that these pair with the malloc in operator new above.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop
#endif

namespace {

constexpr uint8_t kRight = 0xCD, kLeft = 0xCB, kAlt = 0x38, kCtrl = 0x1D;

class EnemySoak : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        StartGame();
    }
    void Play(int32_t stage) {
        for (const uint8_t k : {kRight, kLeft, kAlt, kCtrl}) LetGo(k);
        g_stageNumber = stage;
        g_stageClear = 0;
        g_menu.StartStage();
        g_menu.active = 0;
    }
    // The script: mostly right, back left for a while now and then, a jump
    // every 13 frames and a swing every 7.
    void Script(int frame) {
        const bool back = frame % 400 >= 340;
        if (back) {
            LetGo(kRight);
            HoldKey(kLeft);
        } else {
            LetGo(kLeft);
            HoldKey(kRight);
        }
        MashJumpAndAttack(frame);
    }
    void DropHeroAt(int32_t x) {
        g_playerDoran.x = x;
        g_playerDoran.y = 100;
        g_playerDoran.screenX = HeroScreenXFor(x);
        g_playerDoran.scrollRequest = 1;
    }
    uint64_t StateHash(int32_t stage) {
        uint64_t h = 1469598103934665603ull;
        auto mix = [&h](int64_t v) { h = (h ^ static_cast<uint64_t>(v)) * 1099511628211ull; };
        const StageObjectList list = StageObjectsFor(stage);
        for (int32_t i = 0; i < list.count; ++i) {
            int32_t dead = 0, x = 0, y = 0;
            ReadObject(list.objects[i].cls, list.objects[i].slot, &dead, &x, &y);
            mix(dead);
            mix(x);
            mix(y);
        }
        mix(g_playerFront.GetX());
        mix(g_playerFront.GetY());
        mix(g_playerFront.GetHP());
        return h;
    }
    std::vector<uint64_t> Soak(int32_t stage, uint32_t seed, int frames) {
        SeedGameRand(seed);  // before the placement: some kinds draw where they start
        // Run-long slot counters start as a fresh program starts them.
        g_kaminariBoltSlot = 0;
        Play(stage);
        std::vector<uint64_t> trace;
        for (int f = 0; f < frames; ++f) {
            // Four legs, each dropping the hero in at another quarter of the stage.
            if (f > 0 && f % (frames / 4) == 0) DropHeroAt(g_stage.GetEndX() / 4 * (f / (frames / 4)) + 100);
            Script(f);
            Tick();
            if (g_stageClear != 0) Play(stage);  // stay on this stage
            const int32_t x = g_playerFront.GetX();
            EXPECT_GE(x, 0) << "stage " << stage << " frame " << f;
            EXPECT_LE(x, g_stage.GetEndX()) << "stage " << stage << " frame " << f;
            if (::testing::Test::HasFailure()) break;
            trace.push_back(StateHash(stage));
            farthest_ = std::max(farthest_, x);
        }
        return trace;
    }
    int32_t farthest_ = 0;
};

TEST_F(EnemySoak, EveryStageRunsCleanAndRepeatsUnderOneSeed) {
    const int32_t faults = sprite_draw::FrameFaultCount();
    const int32_t refused = enemy::RefusedSlotCount();
    int listed = 0;
    for (int32_t stage = 1; stage <= 50; ++stage) {
        if (StageObjectsFor(stage).count > 0) ++listed;
        const std::vector<uint64_t> first = Soak(stage, 1234, 3000);
        const std::vector<uint64_t> second = Soak(stage, 1234, 3000);
        EXPECT_EQ(first, second) << "stage " << stage << " is not repeatable";
        EXPECT_EQ(sprite_draw::FrameFaultCount(), faults) << "stage " << stage << " drew a frame outside its set";
        EXPECT_EQ(enemy::RefusedSlotCount(), refused) << "stage " << stage << " reached outside an array";
    }
    EXPECT_EQ(listed, 50);
    EXPECT_GT(farthest_, 4000) << "the legs reach the far end of the longer stages";
}

TEST_F(EnemySoak, AThousandPlayFramesAllocateNothing) {
#ifdef MORVANE_COUNT_ALLOCATIONS
    Play(1);
    Script(0);
    Tick(5);  // let first-use set-up happen
    // Room in the backend's record of sound plays, which is the test's, not the game's.
    for (int i = 0; i < 16; ++i) g_soundPlayer.PlayAt(0, 320);
    backend.ClearSoundPlays();
    t_counting = true;
    for (int f = 1; f <= 1000; ++f) {
        Script(f);
        // The frame itself, without the test backend's message queue.
        g_timers.SetPending(g_tickTimerId, 1);
        WindowProc(platform::Message{platform::MessageType::User, g_tickTimerId});
        backend.ClearSoundPlays();  // the backend's own record of plays keeps its room
    }
    t_counting = false;
    EXPECT_EQ(t_allocations, 0);
#else
    GTEST_SKIP() << "the sanitizers own the allocator";
#endif
}

}  // namespace
