#pragma once

#include "enemies/model/kind.h"

// A wooden figure that grows out of the floor behind the hero and stands
// there swaying.
class EnemyBokujin {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t dead = 0;
    int32_t counter = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyBokujin)
    EnemyBokujin(int32_t x, int32_t y);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyBokujin g_enemyBokujin[3];
