#pragma once

#include "enemies/model/kind.h"

// An owl that sits blinking on its perch until the hero comes near, then
// swoops at him without rest for good.
class EnemyFukurou {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t baseY = 0;
    int32_t frame = 0;
    int32_t dead = 0;
    int32_t counter = 0;
    int32_t vy = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyFukurou)
    // frame: 0 facing right, 3 facing left.
    EnemyFukurou(int32_t x, int32_t frame);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    bool Swooping() const { return frame % 3 == 2; }

private:
    platform::Rect Body() const;
};

inline EnemyFukurou g_enemyFukurou[4];
