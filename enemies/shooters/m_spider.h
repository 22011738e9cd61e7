#pragma once

#include "enemies/model/kind.h"

// A spiderling shot straight at the hero by a spider on its thread.
class EnemyMSpider {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t counter = 0;
    int32_t frame = 0;
    int32_t vx = 0;
    int32_t vy = 0;
    int32_t dead = 1;

    ENEMY_RECORD(EnemyMSpider)
    EnemyMSpider(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyMSpider g_enemyMSpider[3];
