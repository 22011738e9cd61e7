#pragma once

#include "enemies/model/kind.h"

// A curse that never moves but pulses, its reach swelling to the left.
class EnemyNoroi {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t frame = 0;

    ENEMY_RECORD(EnemyNoroi)
    EnemyNoroi(int32_t x, int32_t y);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyNoroi g_enemyNoroi[3];
