#pragma once

#include "enemies/model/kind.h"

// The reaper's sickle: it hangs a moment, drifts toward where the hero was,
// stops, and aims again.
class EnemyKama {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t vx = 0;
    int32_t vy = 0;
    int32_t frame = 0;  // set by the first move
    int32_t counter = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyKama)
    EnemyKama(int32_t x, int32_t y, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyKama g_enemyKama[10];
