#pragma once

#include "enemies/model/kind.h"

// A giant skeleton that crouches and leaps at the hero, shaking blocks loose
// from the ceiling each time it lands.
class EnemyBGaikotu {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 to 5 face right, 6 to 11 left; 4 and 10 leap
    int32_t facing = 0;
    int32_t jumping = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t slotBase = 0;

    ENEMY_RECORD(EnemyBGaikotu)
    EnemyBGaikotu(int32_t x, int32_t y, int32_t facing, int32_t slotBase);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyBGaikotu g_enemyBGaikotu[1];
