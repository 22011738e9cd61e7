#pragma once

#include "enemies/model/kind.h"

// A hound that wakes as the hero nears, runs and leaps at the hero.
class EnemyFDog {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;
    int32_t jumping = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyFDog)
    EnemyFDog(int32_t x, int32_t y, int32_t frame);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyFDog g_enemyFDog[3];
