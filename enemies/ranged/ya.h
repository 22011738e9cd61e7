#pragma once

#include "enemies/model/kind.h"

// An arrow on its arc, tipping over as it climbs, tops out and comes down.
class EnemyYa {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;  // 0 to 3 flying left, 4 to 7 right
    int32_t dead = 1;
    int32_t vx = 0;
    int32_t vy = 0;
    int32_t facing = 0;

    ENEMY_RECORD(EnemyYa)
    EnemyYa(int32_t x, int32_t y, int32_t vx, int32_t facing, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyYa g_enemyYa[10];
