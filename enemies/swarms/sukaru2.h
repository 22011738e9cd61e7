#pragma once

#include "enemies/model/kind.h"

// A small skull of a swarm that drifts at the hero and keeps being reborn
// above him while he is inside the stage.
class EnemySukaru2 {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t counter = 0;  // its animation while alive, its spawn count while dead
    int32_t dead = 0;
    int32_t facing = 0;

    ENEMY_RECORD(EnemySukaru2)
    EnemySukaru2(int32_t x, int32_t y, int32_t dead);
    void Respawn();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemySukaru2 g_enemySukaru2[2];
