#pragma once

#include "enemies/model/kind.h"

// A flier of a swarm that crosses the hero's way in a wave and comes back
// at once beside him after its death, while he is inside the stage.
class EnemyFlyingS {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t facing = 0;
    int32_t vy = 0;
    int32_t ay = 0;
    int32_t dead = 0;
    int32_t hp = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemyFlyingS)
    EnemyFlyingS(int32_t x, int32_t facing, int32_t dead);
    void Respawn();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyFlyingS g_enemyFlyingS[1];
