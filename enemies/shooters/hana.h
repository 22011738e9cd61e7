#pragma once

#include "enemies/model/kind.h"

// A flower that turns to the hero and spits one fast flame a cycle.
class EnemyHana {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 idle right, 1 firing right, 2 idle left, 3 firing left
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t slotBase = 0;

    ENEMY_RECORD(EnemyHana)
    EnemyHana(int32_t x, int32_t y, int32_t frame, int32_t slotBase);
    bool Awake() const;
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyHana g_enemyHana[3];
