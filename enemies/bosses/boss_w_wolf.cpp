#include "enemies/bosses/boss_w_wolf.h"

#include <algorithm>

#include "enemies/hazards/fire_b.h"
#include "enemies/model/boss_common.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kLeftSet = 11;
constexpr int32_t kFallFrame = 22;
constexpr int32_t kGround = 289;
constexpr int32_t kTouchLevel = 4;
constexpr int32_t kRageAtHp = 3;

constexpr int32_t kDashPoses[6] = {0, 2, 3, 3, 2, 0};

// By frame % 11: the body's size.
constexpr int32_t kBodyW[11] = {52, 56, 76, 122, 56, 116, 128, 66, 64, 52, 52};
constexpr int32_t kBodyH[11] = {64, 92, 60, 52, 126, 104, 76, 86, 78, 52, 52};
// By frame: how far the body sits below y and left of x.
constexpr int32_t kBodyDown[23] = {62, 34, 66, 74, 0, 22, 50, 40, 0, 0, 0, 62, 34, 66, 74, 0, 22, 50, 40, 0, 0, 0, 2};
constexpr int32_t kBodyLeft[23] = {0, 0, 0, 0, 0, 60, 72, 10};

// The flap of its leaps and of the zigzag: counts to 10 and round again,
// the wings down in the last four counts.
void Flap(int32_t& counter, int32_t& frame, int32_t base) {
    counter = (counter + 1) % 10;
    frame = base + (counter >= 6 ? 10 : 9);
}
}  // namespace

void BossWWolf::Update() {
    if (dead == 0) boss::WakeOnHeroX(dormant);
    if (!boss::Preamble(dead, dormant, firstWake)) return;
    Move();
    CheckWeaponHit();
    enemy::TouchHero(Body(), kTouchLevel);
    boss::DrawTail(dead, [this] { g_graphics.DrawWWolf(x, y, frame); });
}

void BossWWolf::Move() {
    const int32_t base = facing == 1 ? 0 : kLeftSet;
    if (entering != 0)
        Enter();
    else if (dashing != 0)
        Dash(base);
    else if (spitting != 0)
        Spit(base);
    else if (leaping != 0)
        Leap(base);
    else if (raging != 0)
        Rage(base);
    else
        Idle();
}

void BossWWolf::Enter() {
    if (frame == kFallFrame) {
        y += 30;
        if (y > kGround) {
            y = kGround;
            frame = kLeftSet;
        }
    } else if (frame == kLeftSet) {
        counter += 1;
        if (counter == 5) {
            counter = 0;
            entering = 0;
            frame = kLeftSet + 1;
        }
    }
}

// Every action ends standing, in the picture after the first of its facing.
void BossWWolf::EndAction() {
    counter = 0;
    dashing = 0;
    spitting = 0;
    leaping = 0;
    frame = facing == 1 ? 1 : kLeftSet + 1;
}

void BossWWolf::Dash(int32_t base) {
    counter += 1;
    if (counter == 30) {
        EndAction();
        return;
    }
    frame = base + kDashPoses[counter / 5];
    if (frame == 3) x = std::min(x + 22, 600);
    if (frame == kLeftSet + 3) x = std::max(x - 22, -40);
}

void BossWWolf::Spit(int32_t base) {
    counter += 1;
    if (counter == 20) {
        EndAction();
        return;
    }
    frame = base + counter / 5 + 4;
    if (counter != 10) return;
    const EnemyFireB fire = facing == 1 ? EnemyFireB(x + 54, y + 65, 0, 0) : EnemyFireB(x, y + 65, 1, 0);
    enemy::PoolWrite(g_enemyFireB, 0, fire);
}

void BossWWolf::Leap(int32_t base) {
    switch (leapPhase) {
        case 0:  // backs off to the wall behind it
            y -= 10;
            if (facing == 1) {
                x -= 15;
                if (x < 0) {
                    x = 0;
                    leapPhase = 1;
                }
            } else {
                x += 15;
                if (x > 576) {
                    x = 576;
                    leapPhase = 1;
                }
            }
            Flap(counter, frame, base);
            break;
        case 1:  // climbs the wall, its back to the arena
            y -= 5;
            if (y >= 0) {
                frame = facing == 1 ? 19 : 8;
                break;
            }
            y = 0;
            leapPhase = 2;
            // Aimed to land on the hero over the ten frames of the dive.
            leapVx = facing == 1 ? (enemy::HeroX() + 18 - x) / 12 : (enemy::HeroX() - 49 - x) / 12;
            counter = 0;
            break;
        default:  // dives
            y += 33;
            if (y < 362) {
                x += leapVx;
                Flap(counter, frame, base);
                break;
            }
            y = kGround;
            leapPhase = 0;
            EndAction();
            break;
    }
}

void BossWWolf::Rage(int32_t base) {
    Flap(counter, frame, base);
    if (rageDown == 1) {
        y += 20;
        if (y > 361) {
            y = 361;
            rageDown = 0;
        }
    } else {
        y -= 20;
        if (y < -20) {
            y = -20;
            rageDown = 1;
        }
    }
    if (facing == 1) {
        x += 20;
        if (x > 600) facing = 0;
    } else {
        x -= 20;
        if (x < 20) facing = 1;
    }
}

void BossWWolf::Idle() {
    counter += 1;
    if (counter != 5) return;
    counter = 0;
    facing = enemy::HeroX() > x ? 1 : 0;
    switch (GameRand() % 3) {
        case 0: dashing = 1; break;
        case 1: spitting = 1; break;
        default: leaping = 1; break;
    }
}

platform::Rect BossWWolf::Body() const {
    const int32_t f = std::clamp(frame, 0, kFallFrame);
    const int32_t w = f == kFallFrame ? 50 : kBodyW[f % 11];
    const int32_t h = f == kFallFrame ? 124 : kBodyH[f % 11];
    return enemy::Box(x - kBodyLeft[f], y + kBodyDown[f], 0, 0, w, h);
}

void BossWWolf::CheckWeaponHit() {
    if (boss::CheckHit(Body(), hp, hitLatch, dead) != boss::Hit::kHurt || hp != kRageAtHp) return;
    // From here it only flies its zigzag; a leap under way is dropped.
    raging = 1;
    counter = 0;
    dashing = 0;
    spitting = 0;
    leaping = 0;
}
