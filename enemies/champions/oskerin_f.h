#pragma once

#include "enemies/model/kind.h"

// A champion that winds up and dashes across the floor, facing the hero anew
// after each dash.
class EnemyOskerinF {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 to 6 face right, 7 to 13 left: wind-up 0-5, dash 6
    int32_t facing = 0;
    int32_t counter = 0;
    int32_t dashing = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyOskerinF)
    EnemyOskerinF(int32_t x, int32_t y, int32_t facing);
    bool Awake();
    void DrawIdle() { Draw(); }
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyOskerinF g_enemyOskerinF[1];
