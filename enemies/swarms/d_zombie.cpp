#include "enemies/swarms/d_zombie.h"

#include "enemies/model/dropping.h"
#include "enemies/model/flight.h"
#include "enemies/model/reviving.h"
#include "engine/camera.h"
#include "engine/graphics.h"

EnemyDZombie::EnemyDZombie(int32_t x_, int32_t facing_, int32_t dead_)
    : x(x_), frame(facing_ != 0 ? 0 : 3), facing(facing_), dead(dead_) {
    DrawDrift();
}

// A speed of 1 to 3 pixels; one draw gives both its sign and how long it lasts.
void EnemyDZombie::DrawDrift() {
    vy = GameRand() % 3 + 1;
    const int32_t r = GameRand();
    if (r % 2 != 0) vy = -vy;
    vyTimer = r % 10 + 5;
}

// The count goes on from the animation count it died with (its hit does not
// clear it), so it comes back 31 to 50 counted frames later.
void EnemyDZombie::Respawn() {
    if (!enemy::SpawnCountReached(enemy::InCommonWindow(), counter, 50)) return;
    const enemy::SideSpawn at = enemy::SpawnBesideHero(500, 1);
    *this = EnemyDZombie(at.x, at.facingRight, 0);
}

void EnemyDZombie::Move() {
    x += facing != 0 ? 7 : -7;
    counter = (counter + 1) % 20;
    frame = (facing != 0 ? 0 : 3) + enemy::StridePose(counter);
    const int32_t sx = WorldToScreenX(x);
    if (sx < -210 || sx > 850) {
        dead = 1;
        return;
    }
    y = enemy::StepClamped(y, vy, -100, 750);
    vyTimer -= 1;
    if (vyTimer <= 0) DrawDrift();
}

platform::Rect EnemyDZombie::Body() const {
    static constexpr int32_t kWidth[3] = {112, 176, 204};
    static constexpr int32_t kHeight[3] = {174, 156, 138};
    const int32_t f = frame % 3;
    return enemy::Box(x, y, 0, 18 * f, kWidth[f], kHeight[f] + 18 * f);
}

void EnemyDZombie::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyDZombie::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyDZombie::Draw() { g_graphics.DrawDZombie(x, y, frame); }
