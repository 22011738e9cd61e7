#pragma once

#include "enemies/model/kind.h"

// An armadillo that walks, curls up and rolls at where the hero stood, on a
// 60-frame cycle.
class EnemyArumajiro {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // by facing (0 right, 5 left): +0/+1 walk, +2 curled, +3/+4 roll
    int32_t facing = 0;
    int32_t counter = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyArumajiro)
    EnemyArumajiro(int32_t x, int32_t y, int32_t facing);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyArumajiro g_enemyArumajiro[3];
