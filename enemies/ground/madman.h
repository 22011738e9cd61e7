#pragma once

#include "enemies/model/kind.h"

// A madman who rises out of the ground and walks at the hero within his
// bounds; on his stages he keeps rising again near a hero on the upper or
// lower floor.
class EnemyMadman {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;  // 0-2 rise and 3-4 walk facing right, 5-9 the same facing left
    int32_t left = 0;
    int32_t right = 0;
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t counter = 0;  // animation while alive, spawn count while dead

    ENEMY_RECORD(EnemyMadman)
    EnemyMadman(int32_t x, int32_t y, int32_t facing, int32_t dead, int32_t left, int32_t right);
    void Respawn();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyMadman g_enemyMadman[2];
