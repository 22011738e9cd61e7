#pragma once

#include "enemies/model/kind.h"

// A creature that waits until the hero has gone well past it, then charges
// along the street after the hero and out at its far end. Nothing stops it.
class EnemyShellok {
public:
    int32_t x = 0;
    int32_t counter = 0;
    int32_t dead = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyShellok)
    explicit EnemyShellok(int32_t x);
    bool Awake();
    void Move();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyShellok g_enemyShellok[5];
