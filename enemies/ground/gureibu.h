#pragma once

#include "enemies/model/kind.h"

// A ghoul that stands a while after each landing, then leaps at the hero.
class EnemyGureibu {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t state = 0;  // the frame: 0 stands, 1 leaps right, 2 stands, 3 leaps left
    int32_t vy = 0;
    int32_t hp = 0;
    int32_t counter = 0;
    int32_t hitLatch = 0;
    int32_t dead = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyGureibu)
    EnemyGureibu(int32_t x, int32_t y, int32_t state);
    bool Awake();
    void DrawIdle() { Draw(); }
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    bool Leaping() const { return state % 2 != 0; }
};

inline EnemyGureibu g_enemyGureibu[4];
