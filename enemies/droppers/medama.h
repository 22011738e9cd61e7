#pragma once

#include "enemies/model/kind.h"

// A flying eye that sweeps to and fro along its row, stops over the hero and
// drops a flame on him.
class EnemyMedama {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;  // 0 to 3 face right, 4 to 7 left: fly 0, attack 1-3
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t right = 0;
    int32_t attackCounter = 0;
    int32_t slot = 0;

    ENEMY_RECORD(EnemyMedama)
    EnemyMedama(int32_t x, int32_t facing, int32_t right, int32_t slot);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    void Attack();
    platform::Rect Body() const;
};

inline EnemyMedama g_enemyMedama[2];
