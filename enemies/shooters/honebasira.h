#pragma once

#include "enemies/model/kind.h"

// A pillar of skulls that spits flames at the hero's side, three to a cycle.
class EnemyHonebasira {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t slotBase = 0;

    ENEMY_RECORD(EnemyHonebasira)
    EnemyHonebasira(int32_t x, int32_t y, int32_t slotBase);
    bool Awake() const;
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyHonebasira g_enemyHonebasira[4];
