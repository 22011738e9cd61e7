#include "enemies/bosses/boss_death2.h"

#include "enemies/bosses/boss_death1.h"
#include "enemies/model/boss_common.h"
#include "enemies/model/sickle_release.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kGroundY = 235;
constexpr int32_t kTopY = -150;
constexpr int32_t kTouchLevel = 5;

struct Box4 {
    int32_t a, b, c, d;
};
// By frame: the body (weapon box and first touch box; none in the air) and
// the reach of the scythe or wings (none in frame 7), both shifted.
// clang-format off
constexpr Box4 kBody[8] = {
    {0, 0, 0, 0},       {0, 0, 0, 0},     {12, 80, 102, 178}, {26, 50, 96, 148},
    {24, 46, 96, 136},  {110, 0, 204, 94}, {47, 10, 150, 106}, {14, 12, 116, 106}};
constexpr Box4 kReach[8] = {
    {0, 0, 194, 194},   {0, 0, 188, 184}, {0, 0, 100, 46},    {52, 0, 122, 20},
    {118, 0, 174, 20},  {0, 14, 286, 46}, {0, 6, 42, 72},     {0, 0, 0, 0}};
constexpr int32_t kShiftRight[8] = {17, 20, 66, 70, 84, 0, 68, 98};
constexpr int32_t kShiftDown[8]  = { 0,  0,  0, 30, 42, 84, 72, 72};
// clang-format on

platform::Rect Shifted(const Box4& b, int32_t x, int32_t y, int32_t frame) {
    return enemy::Box(x + kShiftRight[frame], y + kShiftDown[frame], b.a, b.b, b.c, b.d);
}
}  // namespace

void BossDeath2::Update() {
    boss::ChainWake(dormant, g_bossDeath1[0].IsDead() != 0);
    if (!boss::Preamble(dead, dormant, firstWake)) return;
    Move();
    CheckWeaponHit();
    CheckPlayerTouch();
    boss::DrawTail(dead, [this] { g_graphics.DrawDeath2(x, y, frame); });
}

void BossDeath2::Move() {
    boss::ReleaseSickle(tick);
    if (falling != 0) {
        y += 30;
        if (y < kGroundY + 1) {
            Beat();
            return;
        }
        y = kGroundY;
        falling = 0;
        counter = 0;
    } else if (rising != 0) {
        y -= 25;
        if (y >= kTopY) {
            Beat();
            return;
        }
        rising = 0;
        falling = 1;
        counter = 0;
    } else {
        counter = counter < 0 || counter >= 29 ? 0 : counter + 1;
        frame = counter / 5 + 2;
    }
}

void BossDeath2::Beat() {
    // The wing beat; the count may come from the scythe's longer round.
    counter = counter < 0 || counter >= 9 ? 0 : counter + 1;
    frame = counter > 5 ? 1 : 0;
}

void BossDeath2::CheckWeaponHit() {
    // It cannot be hit in the air.
    if (!Standing()) return;
    const boss::Hit hit = boss::CheckHit(Shifted(kBody[frame], x, y, frame), hp, hitLatch, dead);
    if (hit == boss::Hit::kNone) return;
    rising = 1;
    if (hit == boss::Hit::kKilled) boss::ReleaseOrb();
}

void BossDeath2::CheckPlayerTouch() {
    if (frame < 0 || frame > 7) return;
    const platform::Rect reach = Shifted(kReach[frame], x, y, frame);
    if (frame == 7)
        enemy::TouchHero(Shifted(kBody[frame], x, y, frame), kTouchLevel);
    else if (Standing())
        enemy::TouchHero(Shifted(kBody[frame], x, y, frame), reach, kTouchLevel);
    else
        enemy::TouchHero(reach, kTouchLevel);
}
