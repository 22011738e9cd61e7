#pragma once

#include "enemies/model/kind.h"

// A fish that jumps out of the water in an arc beside the hero, again and
// again.
class EnemyFish {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t vy = 0;
    int32_t counter = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyFish)
    EnemyFish(int32_t x, int32_t y, int32_t frame, int32_t dead);
    void Respawn();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyFish g_enemyFish[1];
