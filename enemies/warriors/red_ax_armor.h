#pragma once

#include "enemies/model/kind.h"

// An axe warrior that stands on guard while the hero is near and, once he
// has lingered, charges a fixed distance and turns to face him anew.
class EnemyRedAxArmor {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 to 3 face right, 4 to 7 left
    int32_t counter = 0;
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;

    ENEMY_RECORD(EnemyRedAxArmor)
    EnemyRedAxArmor(int32_t x, int32_t y, int32_t facing);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    platform::Rect Body() const;
};

inline EnemyRedAxArmor g_enemyRedAxArmor[2];
