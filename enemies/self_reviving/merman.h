#pragma once

#include "enemies/model/kind.h"

// A merman that leaps out of the water ahead of the hero, lands and walks
// at the hero; it keeps coming back on its stages.
class EnemyMerman {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;
    int32_t vy = 0;
    int32_t landed = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemyMerman)
    EnemyMerman(int32_t x, int32_t dead);
    void Respawn();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyMerman g_enemyMerman[1];
