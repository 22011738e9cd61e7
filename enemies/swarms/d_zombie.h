#pragma once

#include "enemies/model/kind.h"

// A flying corpse of a swarm that crosses the screen drifting up and down,
// and rises again 500 pixels from the hero while he is inside the stage.
class EnemyDZombie {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t facing = 0;
    int32_t vy = 0;
    int32_t vyTimer = 0;
    int32_t dead = 0;
    int32_t counter = 0;  // its animation while alive, its spawn count while dead

    ENEMY_RECORD(EnemyDZombie)
    EnemyDZombie(int32_t x, int32_t facing, int32_t dead);
    void Respawn();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    void DrawDrift();
    platform::Rect Body() const;
};

inline EnemyDZombie g_enemyDZombie[1];
