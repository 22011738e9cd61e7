#pragma once

#include "enemies/model/kind.h"

// The giant's low flame: it always starts at the giant's mouth and skims
// the floor to the left.
class EnemyGyaiFire1 {
public:
    int32_t x = 554;
    int32_t y = 337;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyGyaiFire1)
    explicit EnemyGyaiFire1(int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyGyaiFire1 g_enemyGyaiFire1[4];
// The giant's rotating low-flame slot, kept for the whole run.
inline int32_t g_gyaiFire1Slot = 0;
