#pragma once

#include "enemies/model/kind.h"

// An apple dropped on the hero from above: it falls ever faster and is gone
// below the floor.
class EnemyRingo {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t vy = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyRingo)
    EnemyRingo(int32_t x, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const { return enemy::Box(x, y, 0, 0, 24, 24); }
};

inline EnemyRingo g_enemyRingo[10];
