#pragma once

#include "enemies/model/kind.h"

// A lightning bolt thrown by a thunder spirit. Whichever way its thrower
// faces, it falls down and to the left; the facing only picks its picture.
class EnemyKaminari {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t dead = 0;
    int32_t frame = 0;
    int32_t spare = 0;  // kept at 0
    int32_t faceRight = 0;

    ENEMY_RECORD(EnemyKaminari)
    EnemyKaminari(int32_t x, int32_t y, int32_t faceRight, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const { return enemy::Box(x, y, 0, 0, 20, 30); }
};

inline EnemyKaminari g_enemyKaminari[10];
