#include "enemies/bosses/boss_mino.h"

#include <algorithm>
#include <iterator>

#include "enemies/bosses/boss_w_wolf.h"
#include "enemies/bosses/tuti.h"
#include "enemies/model/boss_common.h"
#include "enemies/model/slot_rotation.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kGround = 225;
constexpr int32_t kLeftSet = 13;
constexpr int32_t kLastFrame = 25;
constexpr int32_t kTouchLevel = 4;

// By frame % 13: how far the boxes sit below y, and the reach box's size
// in the frames where it is the whole picture.
constexpr int32_t kShiftDown[13] = {30, 4, 4, 0, 6, 4, 30, 22, 10, 38, 28, 34, -32};
constexpr int32_t kReachW[13] = {144, 130, 112, 130, 130, 162, 106, 154, 224, 164, 206, 148, 150};
constexpr int32_t kReachH[13] = {176, 176, 180, 190, 176, 150, 158, 170, 142, 160, 146, 212, 30};
// By frame: how far the left-facing pictures sit right of x.
constexpr int32_t kShiftRight[26] = {0, 0,  0,  0,  0,  0,  0, 0,  0,  0,   0, 0,   0,
                                     0, 24, 38, 56, 38, 38, 6, 62, 14, -56, 4, -38, 0};

platform::Rect Shifted(platform::Rect r, int32_t frame) {
    const int32_t down = kShiftDown[frame % 13];
    const int32_t right = kShiftRight[frame];
    return platform::Rect{r.left + right, r.top + down, r.right + right, r.bottom + down};
}

// A strike: counts its length, then shows one pose and the next once the
// count is past the switch. False once it has ended.
bool Strike(int32_t& counter, int32_t length, int32_t pose, int32_t switchAfter, int32_t& frame) {
    counter += 1;
    if (counter == length) {
        counter = 0;
        return false;
    }
    frame = counter > switchAfter ? pose + 1 : pose;
    return true;
}
}  // namespace

void BossMino::Update() {
    boss::ChainWake(dormant, g_bossWWolf[0].IsDead() != 0);
    if (!boss::Preamble(dead, dormant, firstWake)) return;
    Move();
    CheckWeaponHit();
    CheckPlayerTouch();
    boss::DrawTail(dead, [this] { g_graphics.DrawMino(x, y, frame); });
}

void BossMino::Move() {
    const int32_t base = facing == 1 ? 0 : kLeftSet;
    if (jumping != 0)
        Jump(base);
    else if (swingHigh != 0)
        swingHigh = Strike(counter, 20, base + 8, 11, frame) ? 1 : 0;
    else if (throwing != 0)
        Throw(base);
    else if (swingLow != 0)
        swingLow = Strike(counter, 15, base + 10, 5, frame) ? 1 : 0;
    else
        Idle();
}

void BossMino::Jump(int32_t base) {
    y += vy;
    vy += 2;
    frame = base + (vy < 22 ? 12 : 10);
    if (y <= kGround) {
        x += facing == 1 ? 10 : -10;
        return;
    }
    y = kGround;
    jumping = 0;
    counter = 0;
}

void BossMino::Throw(int32_t base) {
    counter += 1;
    if (counter == 28) {
        counter = 0;
        throwing = 0;
        return;
    }
    if (counter == 24) ThrowVolley();
    frame = base + counter / 4 + 1;
}

void BossMino::ThrowVolley() {
    const int32_t first =
        enemy::AdvanceSlotBase(clodSlotBase, kVolley, kVolley, static_cast<int32_t>(std::size(g_enemyTuti)));
    const bool right = facing == 1;
    for (int32_t k = 0; k < kVolley; ++k)
        enemy::PoolWrite(g_enemyTuti, first + k, EnemyTuti(right ? x + 126 : x + 6, y + 100, right ? 1 : 0, 0));
}

void BossMino::Idle() {
    counter += 1;
    if (counter == 1) {
        facing = enemy::HeroX() > x ? 1 : 0;
        frame = facing == 1 ? 0 : kLeftSet;
    }
    if (counter != 5) return;
    counter = 0;
    switch (GameRand() % 4) {
        case 0:
            jumping = 1;
            vy = -30;
            break;
        case 1: throwing = 1; break;
        case 2: swingHigh = 1; break;
        default: swingLow = 1; break;
    }
}

platform::Rect BossMino::WeaponBox() const {
    const int32_t f = std::clamp(frame, 0, kLastFrame);
    platform::Rect r{};
    if (f <= 11)
        r = enemy::Box(x, y, 0, 0, 96, 150);
    else if (f == 12)
        r = enemy::Box(x, y, 70, 54, 148, 212);
    else if (f <= 24)
        r = enemy::Box(x, y, 72, 0, 168, 150);
    else
        r = enemy::Box(x, y, 0, 54, 88, 212);
    return Shifted(r, f);
}

std::optional<platform::Rect> BossMino::ReachBox() const {
    const int32_t f = std::clamp(frame, 0, kLastFrame);
    platform::Rect r{};
    // clang-format off
    switch (f) {
        case 0:  r = enemy::Box(x, y, 120, 8, 168, 64); break;
        case 8:  r = enemy::Box(x, y, 108, 28, 154, 90); break;
        case 9:  r = enemy::Box(x, y, 120, 20, 224, 104); break;
        case 10: r = enemy::Box(x, y, 106, 104, 164, 160); break;
        case 11: r = enemy::Box(x, y, 146, 56, 206, 114); break;
        case 13: r = enemy::Box(x, y, 0, 8, 48, 64); break;
        case 21: r = enemy::Box(x, y, 0, 28, 46, 90); break;
        case 22: r = enemy::Box(x, y, 0, 20, 104, 104); break;
        case 23: r = enemy::Box(x, y, 0, 104, 58, 160); break;
        case 24: r = enemy::Box(x, y, 0, 56, 60, 114); break;
        case 6: case 19: return std::nullopt;
        default: r = enemy::Box(x, y, 0, 0, kReachW[f % 13], kReachH[f % 13]); break;
    }
    // clang-format on
    return Shifted(r, f);
}

void BossMino::CheckWeaponHit() {
    if (boss::CheckHit(WeaponBox(), hp, hitLatch, dead) == boss::Hit::kKilled) boss::ReleaseOrb();
}

void BossMino::CheckPlayerTouch() {
    const std::optional<platform::Rect> reach = ReachBox();
    if (reach)
        enemy::TouchHero(WeaponBox(), *reach, kTouchLevel);
    else
        enemy::TouchHero(WeaponBox(), kTouchLevel);
}
