#pragma once

#include "enemies/model/kind.h"

// A walking corpse that shuffles in from the right, again and again, until
// the hero nears the end of the street.
class EnemyZonbi {
public:
    int32_t x = 0;
    int32_t y = 0;  // its row is its sprite's; kept at 0
    int32_t counter = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyZonbi)
    EnemyZonbi(int32_t x, int32_t dead);
    void Respawn();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const { return enemy::Box(x, 381, 0, 0, 48, 62); }
};

inline EnemyZonbi g_enemyZonbi[2];
