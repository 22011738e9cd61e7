#pragma once

#include "enemies/model/kind.h"

// A flame the flying giant spits down and to the left.
class EnemyGyaiFire2 {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t vx = 0;
    int32_t vy = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyGyaiFire2)
    EnemyGyaiFire2(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyGyaiFire2 g_enemyGyaiFire2[8];
// The flying giant's rotating spit-flame slot, kept for the whole run.
inline int32_t g_gyaiFire2Slot = 0;
