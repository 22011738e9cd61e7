#pragma once

#include "enemies/model/kind.h"

// A dancer that bounces about the visible screen, wherever the view is.
class EnemyDancer {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;
    int32_t movingRight = 0;
    int32_t down = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyDancer)
    EnemyDancer(int32_t x, int32_t y, int32_t movingRight);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyDancer g_enemyDancer[6];
