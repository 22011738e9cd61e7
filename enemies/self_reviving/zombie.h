#pragma once

#include "enemies/model/kind.h"

// A walking corpse that keeps rising again near the hero on its stages.
class EnemyZombie {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;
    int32_t left = 0;
    int32_t right = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemyZombie)
    // The third placement value is accepted and not kept.
    EnemyZombie(int32_t x, int32_t y, int32_t spare, int32_t dead, int32_t left, int32_t right);
    void Respawn();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyZombie g_enemyZombie[2];
